"""Checks the reference content and the sweets, holiday, foreign and drinks categories as a cook
and an editor would: the energy table, decimal commas, the house style and the mended faults.

Reads the built program folder named by VELMORA_OUT, like test_content.py.
"""
import os
import re
import sqlite3
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from test_content import (ALCOHOL_RE, ADVICE_TEXTS, README, cp1251_problem,  # noqa: E402
                          out_dir, setUpModule)  # noqa: F401

# The categories this file checks for house style (the spice table has no yields or steps).
SWEET_AND_FESTIVE_TABLES = (
    "Десерти", "Торти Кексове и Рула", "Сладкиши", "Постни сладки", "Дребни Сладки",
    "Празнична Кухня", "Чуждестранна Кухня", "Коктейли",
)
SPICE_TABLE = "Podpravki"
MIN_RECIPES = 30

# Energy: the carbohydrates are the available ones, fibre adds 2 kcal/g and alcohol 7 kcal/g:
#     kcal = 4·P + 4·C + 9·F + 2·fibre (+ 7·alcohol)
# The table keeps no fibre column, so the fibre a row implies, (kcal − 4P − 4C − 9F) / 2, must be
# possible: not below zero (beyond rounding) and not more than the rest of the 100 g.
ROUNDING_KCAL = 1.0
MAX_FIBRE_GRAMS = 40
MAX_FIBRE_SHARE = 0.35  # the most fibrous vegetables get about 30 % of their energy from fibre
ETHANOL_DENSITY = 0.789
DRINK_DENSITY = (0.93, 1.12)  # spirits are lighter than water, cream liqueurs heavier
ALCOHOL_TOLERANCE = 0.10
ABV_RE = re.compile(r"(\d+(?:,\d+)?)% об\.")
# Standard values (kcal in 100 g) the table must stay within 10 % of; the fibrous vegetables
# are where counting only protein, fat and available carbohydrate falls 15–30 % short.
REFERENCE_KCAL = {
    "Патладжан": 25, "Моркови": 41, "Пащърнак": 75, "Зелен грах": 81, "Броколи": 34,
    "Зеле, бяло": 25, "Спанак": 23, "Зелен фасул": 31, "Ябълки": 52, "Малини": 52,
    "Боб, зрял": 333, "Леща, червена": 358, "Бадеми": 579, "Овесени ядки": 389,
    "Краве масло": 744, "Захар": 400, "Ракия, гроздова (40% об.)": 231,
    "Какао на прах": 359,  # 37 g of fibre in 100 g: 2 kcal/g of it on top of the three columns
}
REFERENCE_TOLERANCE = 0.10

# A dotted decimal such as "2.5" (a version number such as "1.02" after "версия" is no decimal).
DOTTED_DECIMAL_RE = re.compile(r"(?<![\w.])(?<!версия )\d+\.\d+(?![\w.])")
BAD_DASH_RES = (
    (re.compile(r"\d-\d"), "a hyphen in a range (use –)"),
    (re.compile(r"\s-\s"), "a hyphen as a dash (use –)"),
    (re.compile("\u2014"), "an em dash (use –)"),
    (re.compile(r"\d\s*градус"), "degrees in words (use °C)"),
    (re.compile(r"\d°|°(?!C)"), "a temperature not written as '180 °C'"),
    (re.compile(r"\d(?:г|кг|мл|л|гр)\b|\bгр\."), "a unit not written as '500 г'"),
)
YIELD_RE = re.compile(r"^За (?:около )?\d")
AMOUNT_RE = re.compile(r"\d|щипка|на вкус")
STEP_RE = re.compile(r"^(\d+)\. \S")


def open_db(test, *parts):
    path = os.path.join(out_dir(), *parts)
    if not os.path.isfile(path):
        test.fail(f"{path} is missing")
    db = sqlite3.connect(f"file:{path}?mode=ro", uri=True)
    test.addCleanup(db.close)
    return db


def read_text(test, *parts):
    path = os.path.join(out_dir(), *parts)
    if not os.path.isfile(path):
        test.fail(f"{path} is missing")
    with open(path, "rb") as f:
        return f.read().decode("cp1251").replace("\r\n", "\n")


def recipes(test, table):
    db = open_db(test, "Data", "pelnor_recepies.rec")
    return db.execute(f'SELECT name, Products, Burn FROM "{table}" ORDER BY ID').fetchall()


def fold(name):
    """The name with case, spacing, "от"/"с"/"със"/"и" and word order folded away."""
    words = re.findall(r"\w+", name.lower().replace("ё", "е"))
    return " ".join(sorted(w for w in words if w not in ("от", "с", "със", "и", "за", "в", "във", "на")))


class EnergyTable(unittest.TestCase):
    def setUp(self):
        db = open_db(self, "Favour Advice", "energy.fad")
        self.rows = db.execute('SELECT "Продукти/100 грама", "Белтъчини/гр", "Мазнини/гр", '
                               '"Въглехидрати/гр", "Килокалории (ккал)" FROM energy ORDER BY ID').fetchall()

    def test_every_row_keeps_the_energy_rule(self):
        for name, protein, fat, carbs, kcal in self.rows:
            with self.subTest(product=name):
                base = 4 * protein + 4 * carbs + 9 * fat
                extra = kcal - base
                self.assertGreaterEqual(extra, -ROUNDING_KCAL,
                                        f"{kcal} kcal is below 4P + 4C + 9F = {base:.1f}")
                abv = ABV_RE.search(name)
                if abv:
                    percent = float(abv.group(1).replace(",", "."))
                    alcohol = extra / 7
                    low = percent * ETHANOL_DENSITY / DRINK_DENSITY[1] * (1 - ALCOHOL_TOLERANCE)
                    high = percent * ETHANOL_DENSITY / DRINK_DENSITY[0] * (1 + ALCOHOL_TOLERANCE)
                    self.assertTrue(low <= alcohol <= high,
                                    f"{kcal} kcal means {alcohol:.1f} g alcohol, {percent}% об. gives "
                                    f"{low:.1f}–{high:.1f} g")
                elif ALCOHOL_RE.search(name):
                    self.assertLessEqual(extra / 7, MAX_FIBRE_GRAMS, f"{kcal} kcal: too much alcohol")
                else:
                    fibre = extra / 2
                    room = min(MAX_FIBRE_GRAMS, 100 - protein - fat - carbs)
                    self.assertLessEqual(fibre, room + ROUNDING_KCAL / 2,
                                         f"{kcal} kcal would need {fibre:.1f} g fibre")
                    self.assertLessEqual(extra, MAX_FIBRE_SHARE * kcal,
                                         f"{kcal} kcal: {fibre:.1f} g fibre is too much for this food")

    def test_rows_agree_with_standard_values(self):
        table = {row[0]: row[4] for row in self.rows}
        for name, standard in REFERENCE_KCAL.items():
            with self.subTest(product=name):
                self.assertIn(name, table)
                self.assertLessEqual(abs(table[name] - standard), REFERENCE_TOLERANCE * standard,
                                     f"{table[name]} kcal, standard tables give {standard}")

    def test_numbers_are_stored_as_numbers_and_names_use_the_decimal_comma(self):
        for row in self.rows:
            with self.subTest(product=row[0]):
                self.assertNotRegex(row[0], DOTTED_DECIMAL_RE)
                for value in row[1:]:
                    self.assertIsInstance(value, (int, float))


class Texts(unittest.TestCase):
    """The advice texts, the readme and the spice encyclopedia."""

    def texts(self):
        found = [(name, read_text(self, "Favour Advice", name)) for name in ADVICE_TEXTS]
        found.append((README, read_text(self, README)))
        db = open_db(self, "Data", "pelnor_recepies.rec")
        for name, info, use in db.execute(f'SELECT name, Products, Burn FROM "{SPICE_TABLE}"'):
            found.append((f"{SPICE_TABLE}: {name}", f"{info}\n{use}"))
        for table in ("merki", "dpm"):
            tdb = open_db(self, "Favour Advice", f"{table}.fad")
            columns = [r[1] for r in tdb.execute(f'PRAGMA table_info("{table}")')]
            for row in tdb.execute(f'SELECT * FROM "{table}"'):
                found += [(f"{table}: {row[1]}", v) for c, v in zip(columns, row)
                          if isinstance(v, str) and c != "ID"]
        return found

    def test_decimals_use_the_comma_and_dashes_the_house_style(self):
        for where, text in self.texts():
            with self.subTest(text=where):
                self.assertNotRegex(text, DOTTED_DECIMAL_RE)
                for pattern, what in BAD_DASH_RES:
                    match = pattern.search(text)
                    self.assertIsNone(match, f"{what}: {text[max(0, match.start() - 30):match.end() + 30]!r}"
                                      if match else "")

    def test_mended_faults_stay_mended(self):
        readme = read_text(self, README)
        mkt = read_text(self, "Favour Advice", "MKT.txt")
        spices = {name: f"{info}\n{use}" for name, info, use in
                  open_db(self, "Data", "pelnor_recepies.rec").execute(
                      f'SELECT name, Products, Burn FROM "{SPICE_TABLE}"')}
        cases = (
            ("readme names the drinks болета", readme, r"коктейли и болета", r"\bболи\b"),
            ("readme says the files are found from the working folder", readme, r"текущата\s+работна\s+папка",
             r"Всички пътища са спрямо папката, в която се намира"),
            ("advice says един-два картофа", mkt, r"един-два обелени сурови картофа", r"една-две"),
            ("spices say кексове", "\n".join(spices.values()), r"кексове", r"\bкекси\b"),
            ("mint is not for kebapche or tripe soup", spices.get("Джоджен", ""), r"боб",
             r"кебапч|шкембе"),
        )
        for what, text, must, must_not in cases:
            with self.subTest(what):
                self.assertRegex(text, must)
                self.assertNotRegex(text, must_not)

    def test_lyutenitsa_sterilising_times_agree(self):
        advice = read_text(self, "Favour Advice", "Konservirane.txt")
        section = advice[advice.index("\nЛютеница\n"):]
        section = section[:section.index("\n\n")]
        by_jar = re.findall(r"(\d+(?:–\d+)?) мл (\d+) минути|(\d+(?:–\d+)?) мл – (\d+) минути", section)
        times = {int(m[1] or m[3]) for m in by_jar}
        self.assertGreaterEqual(len(times), 2, "the advice gives the time by jar size")
        db = open_db(self, "Data", "pelnor_recepies.rec")
        tables = [r[0] for r in db.execute("SELECT name FROM sqlite_master WHERE type = 'table'")]
        for table in tables:
            for name, burn in db.execute(f'SELECT name, Burn FROM "{table}" WHERE name LIKE ?', ("%лютеница%",)):
                with self.subTest(recipe=f"{table}: {name}"):
                    sentences = [s for s in re.split(r"(?<=\.)\s", burn) if "стерилиз" in s]
                    if not sentences:
                        continue  # a dish served with лютеница, not the preserve
                    stated = {int(t) for s in sentences for t in re.findall(r"(\d+) минути", s)}
                    self.assertEqual(stated, times, "the recipe gives the advice's times by jar size")


class HouseStyle(unittest.TestCase):
    """Yield line, ingredients with amounts, numbered steps; no repeats; enough recipes."""

    def test_recipes_keep_the_house_style(self):
        for table in SWEET_AND_FESTIVE_TABLES:
            for name, products, burn in recipes(self, table):
                with self.subTest(recipe=f"{table}: {name}"):
                    lines = products.split("\r\n")
                    self.assertRegex(lines[0], YIELD_RE, "the first ingredient line is the yield")
                    for line in lines[1:]:
                        self.assertRegex(line, AMOUNT_RE, f"no amount: {line!r}")
                    steps = burn.split("\r\n")
                    numbers = [int(m.group(1)) if (m := STEP_RE.match(s)) else None for s in steps]
                    self.assertEqual(numbers, list(range(1, len(steps) + 1)), "steps are numbered 1., 2., …")
                    for text in (products, burn):
                        self.assertNotRegex(text, DOTTED_DECIMAL_RE)
                        for pattern, what in BAD_DASH_RES:
                            self.assertNotRegex(text, pattern, what)

    def test_each_dish_stands_once_and_each_category_is_full(self):
        seen = {}
        for table in SWEET_AND_FESTIVE_TABLES:
            names = [r[0] for r in recipes(self, table)]
            with self.subTest(table=table):
                self.assertGreaterEqual(len(names), MIN_RECIPES)
            for name in names:
                key = fold(name)
                with self.subTest(recipe=f"{table}: {name}"):
                    self.assertNotIn(key, seen, f"the same dish as {seen.get(key)}")
                seen[key] = f"{table}: {name}"

    def test_fasting_dishes_hold_no_animal_food(self):
        animal = re.compile(r"\b(?:яйц\w*|жълтък\w*|белтък\w*|масло|мляко|сметана|извара|сирене|кашкавал|мед\b)",
                            re.IGNORECASE)
        for name, products, burn in recipes(self, "Постни сладки"):
            with self.subTest(recipe=name):
                # honey is постна, and oil is "олио"; butter and dairy are not
                found = [m.group(0) for m in animal.finditer(products) if m.group(0).lower() != "мед"]
                self.assertEqual(found, [])
        for name, products, burn in recipes(self, "Празнична Кухня"):
            if "Бъдни вечер" in name or name == "Коледна питка":
                with self.subTest(recipe=name):
                    found = [m.group(0) for m in animal.finditer(products) if m.group(0).lower() != "мед"]
                    self.assertEqual(found, [], "the table of Бъдни вечер is постна")


if __name__ == "__main__":
    if len(sys.argv) > 1 and not sys.argv[1].startswith("-"):
        os.environ["VELMORA_OUT"] = sys.argv.pop(1)
    unittest.main()
