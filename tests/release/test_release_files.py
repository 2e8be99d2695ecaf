"""Checks the two downloads from outside: version resources, manifest, the zip's layout and note."""
import unittest
import zipfile

from pe_resources import read_machine, read_manifest, read_version_info
from release import (ARCH, BUILT_PROGRAM, EDITIONS, FOLDER, NOTE, OWN_RECIPES, PORTABLE, PROGRAM, PROGRAM_FILES,
                     SETTINGS, SETUP, VERSION, portable_files, shipped_files)


class ReleaseFilesTest(unittest.TestCase):
    """The two downloads, read from outside."""

    def test_versions_agree(self):
        program = read_version_info(BUILT_PROGRAM)
        setup = read_version_info(SETUP)
        for who, info in (("program", program), ("installer", setup)):
            with self.subTest(who):
                self.assertEqual(info.strings["ProductVersion"], VERSION)
                self.assertEqual(info.strings["FileVersion"], VERSION)
                self.assertEqual(info.strings["ProductName"], FOLDER)
                self.assertEqual(info.product_version, program.file_version)
                self.assertEqual(info.file_version, program.file_version)
        self.assertEqual(setup.strings["CompanyName"], program.strings["CompanyName"])
        numbers = ".".join(map(str, program.file_version))
        self.assertIn(f'name="Velmora.XP" version="{numbers}"', read_manifest(BUILT_PROGRAM))
        # The numbers spell the version text: 1.02 is 1.0.2.0.
        major, minor = VERSION.split(".")
        self.assertEqual(program.file_version, (int(major), *map(int, minor), 0)[:4])
        with zipfile.ZipFile(PORTABLE) as archive:
            self.assertEqual(archive.comment.decode("utf-8"), f"{FOLDER} {VERSION}")

    def test_program_and_installer_are_built_for_the_edition_s_processor(self):
        machine = EDITIONS[ARCH][1]
        for who, path in (("program", BUILT_PROGRAM), ("installer", SETUP)):
            with self.subTest(who):
                self.assertEqual(read_machine(path), machine)

    def test_installer_asks_for_no_administrator_rights(self):
        self.assertRegex(read_manifest(SETUP), r'<requestedExecutionLevel\s+level="asInvoker"')

    def test_portable_zip_holds_the_program_folder_under_one_top_folder(self):
        with zipfile.ZipFile(PORTABLE) as archive:
            self.assertEqual({name.split("/")[0] for name in archive.namelist()}, {FOLDER})
        files = portable_files()
        for name in PROGRAM_FILES + (NOTE,):
            self.assertIn(name, files)
        self.assertEqual(files[PROGRAM], BUILT_PROGRAM.read_bytes())
        self.assertNotIn(SETTINGS, files, "the settings file is the user's, never shipped")

    def test_release_ships_every_file_of_the_built_program_folder(self):
        built = BUILT_PROGRAM.parent
        # Left out: what a run of the program writes there.
        expected = {path.relative_to(built).as_posix() for path in built.rglob("*")
                    if path.is_file() and path.name != SETTINGS and not path.name.endswith("-journal")}
        self.assertEqual(set(shipped_files()), expected)

    def test_note_tells_in_bulgarian_how_to_start_and_where_own_recipes_live(self):
        raw = portable_files()[NOTE]
        text = raw.decode("cp1251")
        self.assertNotIn(b"\n", raw.replace(b"\r\n", b""), "Notepad of old Windows needs CRLF")
        for needed in (PROGRAM, OWN_RECIPES.replace("/", "\\"), SETTINGS, VERSION):
            self.assertIn(needed, text)
        self.assertRegex(text, "стартирайте")
