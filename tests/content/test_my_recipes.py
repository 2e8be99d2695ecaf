"""The own-recipe database the content build ships: empty, with its table, and never replaced
once it is in the program folder."""
import os
import sqlite3
import subprocess
import sys
import tempfile
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
TABLE = "Моите рецепти"


def build(out):
    subprocess.run([sys.executable, os.path.join(ROOT, "tools", "build_content.py"),
                    os.path.join(ROOT, "content"), out], check=True)
    return os.path.join(out, "Data", "pelnor_myrecepies.rec")


class MyRecipesDatabase(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.path = build(self.folder.name)

    def tearDown(self):
        self.folder.cleanup()

    def test_ships_the_table_with_its_four_fields_and_no_rows(self):
        with sqlite3.connect(self.path) as db:
            columns = [row[1] for row in db.execute(f'PRAGMA table_info("{TABLE}")')]
            self.assertEqual(columns, ["ID", "Name", "Products", "Burn"])
            self.assertEqual(db.execute(f'SELECT count(*) FROM "{TABLE}"').fetchone()[0], 0)
            self.assertEqual(db.execute("PRAGMA integrity_check").fetchone()[0], "ok")

    def test_a_rebuild_keeps_the_recipes_already_in_the_program_folder(self):
        with sqlite3.connect(self.path) as db:
            db.execute(f'INSERT INTO "{TABLE}" (Name, Products, Burn) VALUES (?, ?, ?)',
                       ("Баница", "кори, сирене", "Пече се."))
        build(self.folder.name)
        with sqlite3.connect(self.path) as db:
            rows = db.execute(f'SELECT Name, Products, Burn FROM "{TABLE}"').fetchall()
        self.assertEqual(rows, [("Баница", "кори, сирене", "Пече се.")])

    def test_a_name_over_50_characters_cannot_be_stored(self):
        with sqlite3.connect(self.path) as db:
            db.execute(f'INSERT INTO "{TABLE}" (Name, Products, Burn) VALUES (?, ?, ?)', ("я" * 50, "a", "b"))
            with self.assertRaises(sqlite3.IntegrityError):
                db.execute(f'INSERT INTO "{TABLE}" (Name, Products, Burn) VALUES (?, ?, ?)', ("я" * 51, "a", "b"))


if __name__ == "__main__":
    unittest.main()
