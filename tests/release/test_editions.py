"""The two editions meet under one Wine prefix: the own-recipe file and the settings file that one
writes, the other opens and goes on with; either installer installs over the other's install and
keeps the cook's data.

Run by CTest from the 64-bit build (python3 test_editions.py), whose prefix runs both editions. The
32-bit edition is built first in the build folder beside this one (VELMORA_OTHER_BUILD). Ends with
status 77, which CTest shows as skipped, saying why, where the 32-bit edition cannot run or has no
build here.
"""
import os
import shutil
import sqlite3
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

import wine_session as session
from release import (ARCH, BUILT_PROGRAM, FOLDER, OWN_RECIPES, OWN_RECIPES_TABLE, PROGRAM, SETTINGS, SETTINGS_TEXT,
                     release_files, write_cooks_data)

OTHER_ARCH = "i686"
OTHER_BUILD = Path(os.environ["VELMORA_OTHER_BUILD"]).resolve()
THIS_DRIVER = Path(os.environ["VELMORA_STORE_DRIVER"])
OTHER_DRIVER = OTHER_BUILD / "tests" / THIS_DRIVER.name
OTHER_PROGRAM = OTHER_BUILD / "app" / PROGRAM
SKIPPED = 77


def why_not_run():
    """Why the 32-bit edition cannot take part here, or None when it can."""
    if os.environ.get("VELMORA_RUNS_32BIT") == "no":
        return "this machine's kernel runs no 32-bit programs"
    if os.environ.get("VELMORA_RUNS_32BIT") != "yes":
        return "VELMORA_RUNS_32BIT is not set: run the tests through scripts/test.sh"
    if not (OTHER_BUILD / "CMakeCache.txt").is_file():
        return f"there is no {OTHER_ARCH} build in {OTHER_BUILD}"
    return None


def build_other_edition():
    subprocess.run(["cmake", "--build", str(OTHER_BUILD), "--target", "velmora", "store_driver", "content", "release"],
                   check=True, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL)


def run_driver(driver, folder, log, writer, seed, operations=12):
    """Adds and deletes own recipes through one edition's store code; returns its log lines."""
    session.wine(driver, session.windows_path(folder), session.windows_path(log), writer, str(seed), str(operations))
    return log.read_text("utf-8").splitlines()


def replay(lines):
    """The names the file must hold after the logged adds and deletes."""
    names = set()
    for line in lines:
        verb, _, name = line.partition(" ")
        if verb == "added":
            names.add(name)
        elif verb == "deleted":
            names.discard(name)
    return names


class OwnRecipeFileTest(unittest.TestCase):
    def test_each_edition_goes_on_with_the_file_the_other_wrote(self):
        scratch = Path(tempfile.mkdtemp(prefix="velmora-editions-"))
        self.addCleanup(shutil.rmtree, scratch, ignore_errors=True)
        (scratch / "Data").mkdir()
        shutil.copy2(BUILT_PROGRAM.parent / OWN_RECIPES, scratch / OWN_RECIPES)
        log = scratch / "store.log"
        lines = []
        for round_, (arch, driver) in enumerate(((OTHER_ARCH, OTHER_DRIVER), (ARCH, THIS_DRIVER),
                                                 (OTHER_ARCH, OTHER_DRIVER), (ARCH, THIS_DRIVER))):
            lines = run_driver(driver, scratch, log, f"{arch}-{round_}", seed=round_ + 1)
            with self.subTest(arch=arch, round=round_):
                self.assertEqual([line for line in lines if line.startswith("error")], [])
        self.assertTrue(any(line.startswith("deleted") for line in lines), "no round deleted a recipe")
        with sqlite3.connect(scratch / OWN_RECIPES) as db:
            self.assertEqual(db.execute("PRAGMA integrity_check").fetchone(), ("ok",))
            stored = {name for (name,) in db.execute(f'SELECT Name FROM "{OWN_RECIPES_TABLE}"')}
        db.close()
        self.assertEqual(stored, replay(lines))
        writers = {name.split(" ")[0] for name in stored}
        self.assertTrue(any(w.startswith(OTHER_ARCH) for w in writers) and any(w.startswith(ARCH) for w in writers),
                        f"the file should hold recipes of both editions: {sorted(writers)}")


class SettingsFileTest(unittest.TestCase):
    def test_each_edition_reads_and_writes_the_settings_the_other_wrote(self):
        scratch = Path(tempfile.mkdtemp(prefix="velmora-settings-"))
        self.addCleanup(shutil.rmtree, scratch, ignore_errors=True)
        folder = scratch / FOLDER
        shutil.copytree(BUILT_PROGRAM.parent, folder, ignore=shutil.ignore_patterns(SETTINGS, "*.tmp"))
        (folder / SETTINGS).write_bytes(SETTINGS_TEXT)
        written = []
        # The settings file is named after the program, so each edition in turn is velmora.exe.
        for arch, program in ((OTHER_ARCH, OTHER_PROGRAM), (ARCH, BUILT_PROGRAM), (OTHER_ARCH, OTHER_PROGRAM)):
            shutil.copy2(program, folder / PROGRAM)
            with session.running_program(folder / PROGRAM, folder, "VelmoraEditions") as shown:
                self.assertTrue(shown, f"{arch}: the main window did not appear")
            written.append((folder / SETTINGS).read_bytes())
        text = written[0].decode("utf-16")
        self.assertIn("Color=255", text, "the stored colour was not kept")
        self.assertIn("FHeight=", text, "the 32-bit edition wrote no settings")
        self.assertEqual(written[1], written[0], "the 64-bit edition changed what the 32-bit one wrote")
        self.assertEqual(written[2], written[1], "the 32-bit edition changed what the 64-bit one wrote")


class InstallOverTheOtherEditionTest(unittest.TestCase):
    def setUp(self):
        scratch = Path(tempfile.mkdtemp(prefix="velmora-over-"))
        self.addCleanup(shutil.rmtree, scratch, ignore_errors=True)
        self.folder = scratch / FOLDER
        self.addCleanup(self.uninstall_if_installed)

    def uninstall_if_installed(self):
        if (self.folder / "uninstall.exe").exists():
            session.uninstall(self.folder)

    def test_either_installer_installs_over_the_other_and_keeps_own_data(self):
        this_setup, other_setup = release_files(ARCH)[0], release_files(OTHER_ARCH)[0]
        session.install(other_setup, self.folder)
        self.assertEqual((self.folder / PROGRAM).read_bytes(), OTHER_PROGRAM.read_bytes())
        own_data = write_cooks_data(self.folder, ("Мусака на мама", "картофи, кайма, яйца", "Печете 45 минути."))
        for setup, program in ((this_setup, BUILT_PROGRAM), (other_setup, OTHER_PROGRAM)):
            with self.subTest(setup=setup.name):
                # Without a folder the installer takes the one of the install that is there.
                session.install(setup)
                self.assertEqual((self.folder / PROGRAM).read_bytes(), program.read_bytes())
                for name, contents in own_data.items():
                    self.assertEqual((self.folder / name).read_bytes(), contents, name)
                self.assertEqual(session.linux_path(session.uninstall_entry()["InstallLocation"]), self.folder)


def main():
    reason = why_not_run()
    if reason:
        print(f"skipped: the two editions together: {reason}")
        sys.exit(SKIPPED)
    build_other_edition()
    session.start_server()
    unittest.main(verbosity=2)


if __name__ == "__main__":
    main()
