"""Installs, starts, reinstalls and uninstalls the program under Wine as a Windows user would,
and looks at the files, shortcuts and uninstall entry from outside."""
import shutil
import sqlite3
import tempfile
import unittest
from pathlib import Path

import wine_session as session
from pe_resources import read_version_info
from release import (BUILT_PROGRAM, FOLDER, MEASURES, OWN_RECIPES, OWN_RECIPES_TABLE, PROGRAM, SETTINGS, SETUP,
                     UNINSTALLER, VERSION, shipped_files, write_cooks_data)
from shell_link import read_shell_link


def setUpModule():
    session.start_server()


class InstalledProgramTest(unittest.TestCase):
    """One silent install into a folder of the user's choosing, with a space and Cyrillic letters."""

    @classmethod
    def setUpClass(cls):
        cls.scratch = Path(tempfile.mkdtemp(prefix="velmora-install-"))
        cls.folder = cls.scratch / "Програми" / FOLDER
        session.install(SETUP, cls.folder)

    @classmethod
    def tearDownClass(cls):
        if (cls.folder / UNINSTALLER).exists():
            session.uninstall(cls.folder)
        shutil.rmtree(cls.scratch, ignore_errors=True)

    def test_every_file_in_place(self):
        for name, contents in shipped_files().items():
            with self.subTest(name):
                self.assertEqual((self.folder / name).read_bytes(), contents)
        self.assertTrue((self.folder / UNINSTALLER).is_file())
        self.assertFalse((self.folder / SETTINGS).exists())

    def test_start_menu_shortcut_starts_the_program_in_its_folder(self):
        link = read_shell_link(session.start_menu_shortcut())
        folder = session.windows_path(self.folder)
        self.assertEqual(link.target.lower(), f"{folder}\\{PROGRAM}".lower())
        self.assertEqual(link.working_dir.lower(), folder.lower())
        self.assertEqual(link.icon_location.lower(), f"{folder}\\{PROGRAM}".lower())
        self.assertEqual(link.icon_index, 0)
        self.assertFalse(session.desktop_shortcut().exists(), "the desktop shortcut is only made when ticked")

    def test_uninstall_entry_for_the_current_user(self):
        entry = session.uninstall_entry()
        folder = session.windows_path(self.folder)
        program = read_version_info(BUILT_PROGRAM)
        self.assertEqual(entry["DisplayName"], FOLDER)
        self.assertEqual(entry["DisplayVersion"], VERSION)
        self.assertEqual(entry["Publisher"], program.strings["CompanyName"])
        self.assertEqual(entry["DisplayIcon"].lower(), f"{folder}\\{PROGRAM},0".lower())
        self.assertEqual(entry["UninstallString"].lower(), f'"{folder}\\{UNINSTALLER}"'.lower())
        self.assertEqual(entry["InstallLocation"].lower(), folder.lower())
        self.assertEqual((entry["NoModify"], entry["NoRepair"]), (1, 1))
        size_kb = sum(len(contents) for contents in shipped_files().values()) // 1024
        self.assertGreaterEqual(entry["EstimatedSize"], size_kb)
        self.assertLess(entry["EstimatedSize"], size_kb * 2)

    def test_program_starts_from_the_shortcut_folder(self):
        link = read_shell_link(session.start_menu_shortcut())
        program = session.linux_path(link.target)
        with session.running_program(program, session.linux_path(link.working_dir), "VelmoraInstalled") as shown:
            self.assertTrue(shown, "the main window did not appear")
        self.assertTrue((self.folder / SETTINGS).is_file(), "the program keeps its settings in its folder")


# What belongs to the cook once installed: kept by reinstalls and by an uninstall not told otherwise.
COOKS_FILES = (OWN_RECIPES, MEASURES)


class OwnDataTest(unittest.TestCase):
    """Reinstalls and uninstalls keep what the cook wrote: own recipes, settings, the measures table."""

    def setUp(self):
        scratch = Path(tempfile.mkdtemp(prefix="velmora-own-"))
        self.addCleanup(shutil.rmtree, scratch, ignore_errors=True)
        self.folder = scratch / FOLDER
        session.install(SETUP, self.folder)
        self.addCleanup(self.uninstall_if_installed)
        self.own_recipes = self.folder / OWN_RECIPES
        self.own_data = {self.folder / name: contents for name, contents in write_cooks_data(
            self.folder, ("Баница на баба", "яйца, сирене, кори", "Печете 40 минути.")).items()}

    def uninstall_if_installed(self):
        if (self.folder / UNINSTALLER).exists():
            session.uninstall(self.folder)

    def assert_own_data_kept(self):
        for path, contents in self.own_data.items():
            with self.subTest(path.name):
                self.assertEqual(path.read_bytes(), contents)

    def test_reinstall_replaces_the_program_in_the_same_folder_and_keeps_own_data(self):
        catalogue = self.folder / "Data/pelnor_recepies.rec"
        catalogue.write_bytes(b"damaged")
        (self.folder / "Readme 1.02.txt").unlink()
        # Run again without a folder, the installer offers the one of the existing install.
        session.install(SETUP)
        for name, contents in shipped_files().items():
            if name not in COOKS_FILES:
                with self.subTest(name):
                    self.assertEqual((self.folder / name).read_bytes(), contents)
        self.assert_own_data_kept()

    def test_silent_uninstall_removes_program_and_shortcuts_and_keeps_own_data(self):
        session.uninstall(self.folder)
        for name in list(shipped_files()) + [UNINSTALLER]:
            if name not in COOKS_FILES:
                with self.subTest(name):
                    self.assertFalse((self.folder / name).exists())
        self.assertFalse(session.start_menu_shortcut().exists())
        self.assertIsNone(session.uninstall_entry())
        self.assert_own_data_kept()

    def test_own_recipe_database_ships_empty_and_holds_the_recipe(self):
        shipped = Path(tempfile.mkdtemp()) / "shipped.rec"
        self.addCleanup(shutil.rmtree, shipped.parent)
        shipped.write_bytes(shipped_files()[OWN_RECIPES])
        for path, expected in ((shipped, []), (self.own_recipes, [("Баница на баба",)])):
            with self.subTest(path.name), sqlite3.connect(path) as db:
                self.assertEqual(db.execute(f'SELECT Name FROM "{OWN_RECIPES_TABLE}"').fetchall(), expected)
            db.close()


class DefaultFolderTest(unittest.TestCase):
    def test_installs_per_user_into_local_programs(self):
        folder = session.user_folder("LOCALAPPDATA") / "Programs" / FOLDER
        self.assertFalse(folder.exists())
        session.install(SETUP)
        self.addCleanup(shutil.rmtree, folder, ignore_errors=True)
        self.addCleanup(session.uninstall, folder)
        self.assertTrue((folder / PROGRAM).is_file())
        self.assertEqual(session.linux_path(session.uninstall_entry()["InstallLocation"]), folder)
