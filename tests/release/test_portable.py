"""The portable zip, unpacked anywhere writable, runs as it is."""
import shutil
import tempfile
import unittest
import zipfile
from pathlib import Path

import wine_session as session
from release import FOLDER, PORTABLE, PROGRAM, SETTINGS


def setUpModule():
    session.start_server()


class PortableTest(unittest.TestCase):
    def test_unpacked_zip_runs_as_it_is(self):
        scratch = Path(tempfile.mkdtemp(prefix="velmora-portable-"))
        self.addCleanup(shutil.rmtree, scratch, ignore_errors=True)
        with zipfile.ZipFile(PORTABLE) as archive:
            archive.extractall(scratch)
        folder = scratch / FOLDER
        with session.running_program(folder / PROGRAM, folder, "VelmoraPortable") as shown:
            self.assertTrue(shown, "the main window did not appear")
        self.assertTrue((folder / SETTINGS).is_file(), "the program keeps its settings in its folder")
