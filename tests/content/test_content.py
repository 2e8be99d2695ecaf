"""Checks the databases and texts in a built program folder.

The folder comes from the environment variable VELMORA_OUT, or from the first
argument when the module is run directly:

    python3 tools/build_content.py content /tmp/out
    VELMORA_OUT=/tmp/out python3 -m unittest discover -s tests/content -t .
    python3 tests/content/test_content.py /tmp/out
"""
import os
import re
import sqlite3
import sys
import unittest

RECIPE_TABLES = (
    "Пролет", "Лято", "Есен", "Зима", "Закуски", "Супи", "Предястия", "Ястия",
    "Десерти", "Торти Кексове и Рула", "Сладкиши", "Постни сладки", "Дребни Сладки",
    "Празнична Кухня", "Чуждестранна Кухня", "Коктейли",
)
SPICE_TABLE = "Podpravki"
CATALOGUE_FIELDS = ("name", "Products", "Burn")
MIN_ROWS_PER_RECIPE_TABLE = 30
MIN_RECIPES_IN_ALL = 400
MIN_SPICES = 40
MAX_NAME_LENGTH = 50

# Names of one dish differ by case, spacing, punctuation, joining words and word order:
# "Салата от зелен боб", "зелен боб салата" and "Салата със зелен боб" fold alike.
NAME_JOINING_WORDS = frozenset(("от", "с", "със", "и"))
YIELD_RE = re.compile(r"За (?:около )?\d")  # "За 4 порции", "За около 40 сладки"
# an ingredient line names its amount: a number, a pinch, or "на вкус" for seasonings
AMOUNT_RE = re.compile(r"\d|\bщипка\b|\bна вкус\b")
STEP_RE = re.compile(r"(\d+)\. \S")

ENERGY_COLUMNS = ("Продукти/100 грама", "Белтъчини/гр", "Мазнини/гр", "Въглехидрати/гр",
                  "Килокалории (ккал)")
MERKI_COLUMNS = ("Вид на продуктите", "1 чаена чашка/гр", "1 кафена чашка/гр",
                 "1 супена лъжица/гр", "1 чаена лъжица/гр", "Инфо")
DPM_COLUMNS = ("Продукти", "Мерки", "Грамаж")

ALCOHOL_WORDS = ("вино", "бира", "ракия", "водка", "уиски", "коняк", "ликьор", "мастика",
                 "джин", "ром")
ALCOHOL_RE = re.compile(r"\b(?:" + "|".join(ALCOHOL_WORDS) + r")\b", re.IGNORECASE)
ENERGY_TOLERANCE = 0.15
KCAL_PER_GRAM_FIBRE = 2
MAX_FIBRE_SHARE = 0.35
KCAL_PER_GRAM_ALCOHOL = 7
MAX_ALCOHOL_GRAMS = 50  # per 100 g; even the strongest rakia stays below

# (measure as written in the text, its volume in ml)
MEASURES = (("чаена чашка", 200), ("кафена чашка", 100), ("супена лъжица", 15),
            ("чаена лъжица", 5))

ADVICE_TEXTS = ("MKT.txt", "ZDP.txt", "KNS.txt", "KMG.txt", "Konservirane.txt")
MIN_ADVICE_TEXT_CHARS = 3000
README = "Readme 1.02.txt"


def out_dir():
    path = os.environ.get("VELMORA_OUT")
    if not path:
        raise RuntimeError(
            "VELMORA_OUT is not set: build the program folder with "
            "'python3 tools/build_content.py content OUT' and set VELMORA_OUT=OUT")
    if not os.path.isdir(path):
        raise RuntimeError(f"VELMORA_OUT={path} is not a folder")
    return path


def setUpModule():
    out_dir()


def open_db(test, *parts):
    path = os.path.join(out_dir(), *parts)
    if not os.path.isfile(path):
        test.fail(f"{path} is missing")
    db = sqlite3.connect(f"file:{path}?mode=ro", uri=True)
    test.addCleanup(db.close)
    return db


def table_names(db):
    return {r[0] for r in db.execute("SELECT name FROM sqlite_master WHERE type = 'table'")}


def columns(db, table):
    return [r[1] for r in db.execute(f'PRAGMA table_info("{table}")')]


def data_columns(db, table):
    return [c for c in columns(db, table) if c != "ID"]


def rows(db, table, cols):
    names = ", ".join(f'"{c}"' for c in cols)
    return db.execute(f'SELECT {names} FROM "{table}" ORDER BY ID').fetchall()


def fold_name(name):
    words = re.sub(r"[^\w\s]", " ", name.lower()).split()
    return " ".join(sorted(w for w in words if w not in NAME_JOINING_WORDS))


def recipe_problems(products, burn):
    """What is wrong with the layout of one recipe's texts, as a list of messages."""
    problems = []
    lines = [line for line in products.split("\r\n") if line.strip()]
    if not lines or not YIELD_RE.match(lines[0]):
        problems.append(f"the first ingredient line is not the yield ('За ...'): {lines[:1]}")
    ingredients = [line for line in lines[1:] if not line.endswith(":")]  # "За соса:" heads a group
    if not ingredients:
        problems.append("no ingredients")
    problems += [f"ingredient without an amount: {line!r}" for line in ingredients if not AMOUNT_RE.search(line)]
    steps = [line for line in burn.split("\r\n") if line.strip()]
    numbers = [int(m.group(1)) if (m := STEP_RE.match(line)) else None for line in steps]
    if not steps or numbers != list(range(1, len(steps) + 1)):
        problems.append(f"the method is not numbered steps 1., 2., ... one per line: {numbers}")
    return problems


def is_number(value):
    return isinstance(value, (int, float)) and not isinstance(value, bool)


def cp1251_problem(text):
    try:
        text.encode("cp1251")
    except UnicodeEncodeError as e:
        return f"'{text[e.start]}' (U+{ord(text[e.start]):04X}) is not in Windows-1251"
    return None


class Catalogue(unittest.TestCase):
    def setUp(self):
        self.db = open_db(self, "Data", "pelnor_recepies.rec")
        self.tables = table_names(self.db)

    def present(self, table):
        if table not in self.tables:
            self.fail(f"table '{table}' is missing; the file has {sorted(self.tables)}")

    def test_all_tables_exist_with_their_fields(self):
        for table in RECIPE_TABLES + (SPICE_TABLE,):
            with self.subTest(table=table):
                self.present(table)
                missing = [f for f in CATALOGUE_FIELDS if f not in columns(self.db, table)]
                self.assertEqual(missing, [], f"'{table}' lacks fields")

    def test_rows_are_complete_and_well_formed(self):
        for table in RECIPE_TABLES + (SPICE_TABLE,):
            if table not in self.tables:
                continue  # reported by test_all_tables_exist_with_their_fields
            seen = {}
            for row_number, row in enumerate(rows(self.db, table, CATALOGUE_FIELDS), start=1):
                name = row[0]
                where = f"{table} row {row_number} ({name!r})"
                with self.subTest(row=where):
                    for field, value in zip(CATALOGUE_FIELDS, row):
                        self.assertIsInstance(value, str, f"{where}: {field} is {value!r}")
                        self.assertTrue(value.strip(), f"{where}: {field} is blank")
                        problem = cp1251_problem(value)
                        self.assertIsNone(problem, f"{where}: {field}: {problem}")
                        self.assertNotRegex(value, r"(?<!\r)\n|\r(?!\n)",
                                            f"{where}: {field} has a line break that is not CR LF")
                    self.assertLessEqual(len(name), MAX_NAME_LENGTH, f"{where}: the name is too long")
                    self.assertNotIn(name, seen, f"{where}: the name is also in row {seen.get(name)}")
                    seen[name] = row_number

    def test_row_counts(self):
        counts = {}
        for table in RECIPE_TABLES + (SPICE_TABLE,):
            if table in self.tables:
                counts[table] = self.db.execute(f'SELECT COUNT(*) FROM "{table}"').fetchone()[0]
        cases = [(t, MIN_ROWS_PER_RECIPE_TABLE) for t in RECIPE_TABLES] + [(SPICE_TABLE, MIN_SPICES)]
        for table, minimum in cases:
            with self.subTest(table=table):
                self.present(table)
                self.assertGreaterEqual(counts[table], minimum, f"'{table}' has too few rows")
        total = sum(counts.get(t, 0) for t in RECIPE_TABLES)
        self.assertGreaterEqual(total, MIN_RECIPES_IN_ALL, "too few recipes in all")

    def test_no_dish_twice_in_the_catalogue(self):
        seen = {}
        for table in RECIPE_TABLES:
            if table not in self.tables:
                continue  # reported by test_all_tables_exist_with_their_fields
            for (name,) in rows(self.db, table, ("name",)):
                key = fold_name(name)
                with self.subTest(recipe=f"{table}: {name}"):
                    self.assertNotIn(key, seen, f"the same dish as {seen.get(key)}")
                seen.setdefault(key, f"{table}: {name}")

    def test_recipes_have_yield_ingredients_and_numbered_steps(self):
        for table in RECIPE_TABLES:
            if table not in self.tables:
                continue  # reported by test_all_tables_exist_with_their_fields
            for name, products, burn in rows(self.db, table, CATALOGUE_FIELDS):
                with self.subTest(recipe=f"{table}: {name}"):
                    problems = recipe_problems(products or "", burn or "")
                    self.assertFalse(problems, "; ".join(problems))


class SearchIndex(unittest.TestCase):
    """The shipped search index belongs to the shipped catalogue, so the program takes it as it is."""

    def setUp(self):
        self.catalogue = open_db(self, "Data", "pelnor_recepies.rec")
        self.index = open_db(self, "Data", "pelnor_recepies.idx")

    def meta(self, key):
        row = self.index.execute("SELECT value FROM velmora_index WHERE key = ?", (key,)).fetchone()
        return row[0] if row else None

    def test_made_for_this_catalogue_in_the_program_s_format(self):
        self.assertEqual(self.meta("format"), "1")
        path = os.path.join(out_dir(), "Data", "pelnor_recepies.rec")
        with open(path, "rb") as f:
            header = f.read(100)
        info = os.stat(path)
        expected = (f"{info.st_size}:{int(info.st_mtime)}:{int.from_bytes(header[24:28], 'big')}:"
                    f"{int.from_bytes(header[40:44], 'big')}")
        self.assertEqual(self.meta("catalogue"), expected)

    def test_every_recipe_is_in_its_place(self):
        places = self.index.execute("SELECT tbl, row, ordinal FROM places").fetchall()
        expected = []
        for table in RECIPE_TABLES + (SPICE_TABLE,):
            ids = [r[0] for r in self.catalogue.execute(f'SELECT rowid FROM "{table}" ORDER BY rowid')]
            expected += [(table, rowid, ordinal) for ordinal, rowid in enumerate(ids)]
        self.assertEqual(sorted(places), sorted(expected))

    def test_words_are_found_by_their_beginnings_case_folded(self):
        found = self.index.execute(
            "SELECT p.tbl, p.row FROM recipes JOIN places AS p ON p.docid = recipes.rowid "
            "WHERE recipes MATCH ?", ('"ШОПСК"*',)).fetchall()
        names = [self.catalogue.execute(f'SELECT name FROM "{table}" WHERE rowid = ?', (row,)).fetchone()[0]
                 for table, row in found]
        self.assertTrue(any("Шопска" in name for name in names), names)


class RecipeRules(unittest.TestCase):
    """The helpers above catch what they are meant to catch."""

    def test_fold_name(self):
        same = (("Салата от зелен боб", "салата  със Зелен боб"), ("Зелен боб салата", "Салата от зелен боб"),
                ("Сушени чушки, пълнени с боб", "Сушени чушки пълнени с боб"))
        for a, b in same:
            with self.subTest(a=a, b=b):
                self.assertEqual(fold_name(a), fold_name(b))
        self.assertNotEqual(fold_name("Боб чорба"), fold_name("Леща чорба"))

    def test_recipe_problems(self):
        good = ("За 4 порции\r\nЗа соса:\r\n500 г боб\r\nсол на вкус\r\nщипка канела", "1. Варете.\r\n2. Сервирайте.")
        self.assertEqual(recipe_problems(*good), [])
        cases = (("500 г боб", good[1], "yield"),
                 ("За соса:\r\n500 г боб", good[1], "yield"),
                 ("За 4 порции", good[1], "no ingredients"),
                 ("За 4 порции\r\nбоб", good[1], "without an amount"),
                 (good[0], "Варете.", "numbered"),
                 (good[0], "1. Варете.\r\n3. Сервирайте.", "numbered"),
                 (good[0], "1. Варете.\r\nи сервирайте.", "numbered"))
        for products, burn, fault in cases:
            with self.subTest(products=products, burn=burn):
                self.assertIn(fault, " ".join(recipe_problems(products, burn)))


class AdviceTable:
    """Shared checks of one table in Favour Advice."""
    file = table = None
    expected_columns = ()
    min_rows = 0

    def setUp(self):
        self.db = open_db(self, "Favour Advice", self.file)
        tables = table_names(self.db)
        self.assertIn(self.table, tables, f"{self.file} has no table '{self.table}'")
        self.rows = rows(self.db, self.table, self.expected_columns) \
            if data_columns(self.db, self.table) == list(self.expected_columns) else None

    def test_columns(self):
        self.assertEqual(data_columns(self.db, self.table), list(self.expected_columns))

    def test_row_count(self):
        self.assertIsNotNone(self.rows, "the columns are wrong")
        self.assertGreaterEqual(len(self.rows), self.min_rows)

    def test_text_cells(self):
        self.assertIsNotNone(self.rows, "the columns are wrong")
        for number, row in enumerate(self.rows, start=1):
            for column, value in zip(self.expected_columns, row):
                if isinstance(value, str):
                    with self.subTest(row=number, column=column):
                        self.assertTrue(value.strip(), "blank cell")
                        self.assertIsNone(cp1251_problem(value), repr(value))

    def numbers(self, row_number, row, cols):
        values = dict(zip(self.expected_columns, row))
        for column in cols:
            self.assertTrue(is_number(values[column]),
                            f"row {row_number} ({row[0]!r}): {column} is {values[column]!r}, not a number")
        return [values[c] for c in cols]


class Energy(AdviceTable, unittest.TestCase):
    file, table = "energy.fad", "energy"
    expected_columns = ENERGY_COLUMNS
    min_rows = 200

    def test_names_are_unique(self):
        self.assertIsNotNone(self.rows, "the columns are wrong")
        names = [r[0] for r in self.rows]
        self.assertEqual(sorted({n for n in names if names.count(n) > 1}), [])

    def test_energy_agrees_with_nutrients(self):
        self.assertIsNotNone(self.rows, "the columns are wrong")
        for number, row in enumerate(self.rows, start=1):
            name = row[0]
            with self.subTest(row=number, product=name):
                protein, fat, carbs, kcal = self.numbers(number, row, ENERGY_COLUMNS[1:])
                self.assertIsInstance(kcal, int, "kcal must be a whole number")
                for value in (protein, fat, carbs):
                    self.assertTrue(0 <= value <= 100, f"{value} g in 100 g")
                self.assertLessEqual(protein + fat + carbs, 100)
                self.assertGreater(kcal, 0, "items without energy do not belong here")
                from_nutrients = 4 * protein + 4 * carbs + 9 * fat
                low, high = (1 - ENERGY_TOLERANCE) * from_nutrients, (1 + ENERGY_TOLERANCE) * from_nutrients
                if ALCOHOL_RE.search(name):
                    alcohol = (kcal - high) / KCAL_PER_GRAM_ALCOHOL
                    self.assertGreaterEqual(kcal, low, f"{kcal} kcal, the nutrients alone give {from_nutrients:.0f}")
                    self.assertLessEqual(alcohol, MAX_ALCOHOL_GRAMS,
                                         f"{kcal} kcal would need over {MAX_ALCOHOL_GRAMS} g alcohol")
                else:
                    # carbohydrates are the available ones; fibre adds 2 kcal/g on top, and in no
                    # food here is it more than a third of the energy
                    fibre_kcal = kcal - from_nutrients
                    self.assertGreaterEqual(fibre_kcal, -1, f"{kcal} kcal, but 4*P + 4*C + 9*F = {from_nutrients:.1f}")
                    self.assertLessEqual(fibre_kcal, MAX_FIBRE_SHARE * kcal,
                                         f"{kcal} kcal, but 4*P + 4*C + 9*F = {from_nutrients:.1f}")
                    self.assertLessEqual(fibre_kcal / KCAL_PER_GRAM_FIBRE, 100 - protein - fat - carbs,
                                         f"{kcal} kcal would need more fibre than the 100 g hold")

    def test_alcoholic_drinks_are_recognised(self):
        # wine, beer and spirits are listed, named so that the energy rule knows them
        self.assertIsNotNone(self.rows, "the columns are wrong")
        alcoholic = [r[0] for r in self.rows if ALCOHOL_RE.search(r[0])]
        self.assertTrue(alcoholic, "no wine, beer or spirits in the table")


class Merki(AdviceTable, unittest.TestCase):
    file, table = "merki.fad", "merki"
    expected_columns = MERKI_COLUMNS
    min_rows = 40

    def test_weights(self):
        self.assertIsNotNone(self.rows, "the columns are wrong")
        for number, row in enumerate(self.rows, start=1):
            with self.subTest(row=number, product=row[0]):
                teacup, coffee_cup, spoon, teaspoon = self.numbers(number, row, MERKI_COLUMNS[1:5])
                self.assertTrue(teacup > coffee_cup > spoon > teaspoon > 0, row)
                # the measures hold 200, 100, 15 and 5 ml, whatever the product
                self.assertAlmostEqual(teacup / coffee_cup, 2, delta=0.3)
                self.assertAlmostEqual(spoon / teaspoon, 3, delta=0.6)
                self.assertAlmostEqual(coffee_cup / spoon, 100 / 15, delta=1.2)
                self.assertTrue(20 <= teacup <= 320, f"{teacup} g in 200 ml")

    def test_info(self):
        self.assertIsNotNone(self.rows, "the columns are wrong")
        self.assertTrue(self.rows, "no rows")
        info = self.rows[0][-1]
        self.assertIsInstance(info, str)
        text = info.lower()
        for measure, ml in MEASURES:
            with self.subTest(measure=measure):
                self.assertIn(measure, text)
                self.assertRegex(text, rf"(?<!\d){ml} мл")
        self.assertNotRegex(info, r"(?<!\r)\n", "line breaks must be CR LF")
        for number, row in enumerate(self.rows[1:], start=2):
            with self.subTest(row=number):
                self.assertEqual(row[-1], "-")


class Dpm(AdviceTable, unittest.TestCase):
    file, table = "dpm.fad", "dpm"
    expected_columns = DPM_COLUMNS
    min_rows = 25

    def test_weights_are_positive(self):
        self.assertIsNotNone(self.rows, "the columns are wrong")
        for number, row in enumerate(self.rows, start=1):
            with self.subTest(row=number, product=row[0]):
                (grams,) = self.numbers(number, row, DPM_COLUMNS[2:])
                self.assertGreater(grams, 0)

    def test_measures_are_unique(self):
        self.assertIsNotNone(self.rows, "the columns are wrong")
        pairs = [(r[0], r[1]) for r in self.rows]
        self.assertEqual(sorted({p for p in pairs if pairs.count(p) > 1}), [])


class Texts(unittest.TestCase):
    def check_text(self, path, min_chars):
        self.assertTrue(os.path.isfile(path), f"{path} is missing")
        with open(path, "rb") as f:
            data = f.read()
        try:
            text = data.decode("cp1251")
        except UnicodeDecodeError as e:
            self.fail(f"{path}: byte {e.start} does not decode as Windows-1251")
        self.assertTrue(text.strip(), f"{path} is empty")
        self.assertGreaterEqual(len(text), min_chars, f"{path} is too short")
        bare = re.search(rb"(?<!\r)\n|\r(?!\n)", data)
        self.assertIsNone(bare, f"{path}: a line ending at byte {bare.start() if bare else 0} is not CR LF")

    def test_shipped_texts(self):
        root = out_dir()
        advice = os.path.join(root, "Favour Advice")
        cases = [(os.path.join(advice, name), MIN_ADVICE_TEXT_CHARS) for name in ADVICE_TEXTS]
        cases.append((os.path.join(root, README), 1))
        if os.path.isdir(advice):
            others = sorted(set(n for n in os.listdir(advice) if n.lower().endswith(".txt")) - set(ADVICE_TEXTS))
            cases += [(os.path.join(advice, name), 1) for name in others]
        for path, min_chars in cases:
            with self.subTest(file=os.path.relpath(path, root)):
                self.check_text(path, min_chars)


if __name__ == "__main__":
    if len(sys.argv) > 1 and not sys.argv[1].startswith("-"):
        os.environ["VELMORA_OUT"] = sys.argv.pop(1)
    unittest.main()
