"""Checks the shipped catalogue and texts against the kitchen's safety rules and the editor's house
style: raw fish frozen by the rule, enough acid in every sterilised preserve, pasteurised eggs where
eggs stay raw, the strength of every drink in the energy table, "с"/"със", counted forms and "бр.",
and evenly wrapped advice texts.

Reads the built program folder named by VELMORA_OUT, like test_content.py.
"""
import os
import re
import sys
import unittest
from fractions import Fraction

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from test_content import (ADVICE_TEXTS, ALCOHOL_WORDS, README, RECIPE_TABLES, SPICE_TABLE,  # noqa: E402
                          open_db, setUpModule)  # noqa: F401
from test_reference_content import read_text  # noqa: E402

# --- "с" and "със" -------------------------------------------------------------------------------

# "със" stands only before a word that is spoken beginning with с or з, "с" before every other;
# a number counts by the word it is read as ("със 100 мл" – сто, "с 2 с.л." – два).
PREPOSITION_RE = re.compile(r"(?<![\w.])(със|с)\s+(?!\.)(\S+)", re.IGNORECASE)
DIGIT_INITIALS = "недтчпшсод"  # нула, един, два, три, четири, пет, шест, седем, осем, девет
HUNDRED_INITIALS = "-сдтчпшсод"  # сто, двеста, триста, четиристотин, ...


def group_initial(group, rest_digits):
    """The first letter of the spoken form of the leading group of up to three digits."""
    if len(group) == 3:
        return HUNDRED_INITIALS[int(group[0])]
    if len(group) == 2:
        if group[0] == "1":  # десет, единайсет, дванайсет, ... седемнайсет
            return "д" if group[1] in "02" else DIGIT_INITIALS[int(group[1])]
        return DIGIT_INITIALS[int(group[0])]  # двайсет, трийсет, ... седемдесет
    if group == "1" and rest_digits == 3:
        return "х"  # хиляда
    return DIGIT_INITIALS[int(group)]


def spoken_initial(word):
    word = word.lstrip("„“\"'(")
    number = re.match(r"(\d+)(?:/(\d+))?", word)
    if not number:
        return word[:1].lower()
    whole, denominator = number.groups()
    if denominator and whole == "1" and denominator == "2":
        return "п"  # половин
    lead = len(whole) % 3 or 3
    return group_initial(whole[:lead], len(whole) - lead)


def preposition_faults(text):
    faults = []
    for match in PREPOSITION_RE.finditer(text):
        written = match.group(1).lower()
        wanted = "със" if spoken_initial(match.group(2)) in ("с", "з") else "с"
        if written != wanted:
            faults.append(f"'{wanted}', not {text[max(0, match.start() - 20):match.end() + 10]!r}")
    return faults


# --- counted forms and "бр." in the ingredient lists ---------------------------------------------

NUMBER = r"\d+(?:[,/]\d+)?(?:–\d+(?:[,/]\d+)?)?(?: \d+/\d+)?"
COUNT_RE = re.compile(rf"^({NUMBER}) (бр\. )?(.*)$")
UNITS = frozenset(("г", "кг", "мл", "л", "с.л.", "ч.л.", "ч.ч.", "м", "см"))
# Words that are themselves the measure of what follows them ("2 глави лук", "30 половинки орехи").
MEASURE_WORDS = frozenset("""
    връзка връзки глава глави скилидка скилидки стрък стръка стръкче стръкчета зърно зърна лист листа
    листенце листенца резен резена резенче резенчета филия филии филийка филийки капка капки пакетче
    пакетчета пакет пакета щипка щипки корен корена лентичка лентички консерва консерви кутия кутии
    пръчка пръчки клонче клончета бучка бучки шепа шепи чаша чаши парче парчета кора кори половинка
    половинки кубче кубчета кофичка кофички звездичка звездички буркан буркана бутилка бутилки пъпка
    пъпки пръчица пръчици""".split())
EGG_RE = re.compile(r"\b(?:яйц[еа]|жълтъка?|белтъка?)\b")
# Masculine nouns of the kitchen: the plain plural, and the counted form a number takes.
COUNTED_FORMS = {
    "домати": "домата", "картофи": "картофа", "моркови": "моркова", "лимони": "лимона",
    "патладжани": "патладжана", "пъдпъдъци": "пъдпъдъка", "кефали": "кефала", "карагьози": "карагьоза",
    "корени": "корена", "банани": "банана", "портокали": "портокала", "жълтъци": "жълтъка",
    "белтъци": "белтъка", "бадеми": "бадема", "орехи": "ореха", "шницели": "шницела", "джолани": "джолана",
    "стръкове": "стръка", "ананаси": "ананаса", "грейпфрути": "грейпфрута", "кестени": "кестена",
    "хлябове": "хляба", "пъпеши": "пъпеша", "калмари": "калмара", "кренвирши": "кренвирша",
    "сафриди": "сафрида", "гевреци": "геврека", "лешници": "лешника", "пипери": "пипера",
}


def count_style_faults(line):
    """What breaks the house style of counting in one ingredient line."""
    match = COUNT_RE.match(line)
    if not match:
        return []
    number, piece, rest = match.groups()
    words = re.split(r"[,(]| за | или | от | (?:с|със) ", rest, maxsplit=1)[0].split()
    if not words or words[0] in UNITS:
        return []
    faults = []
    measure = next((i for i, w in enumerate(words) if w in MEASURE_WORDS), None)
    egg = bool(EGG_RE.search(" ".join(words)))
    if piece and egg:
        faults.append("eggs, yolks and whites are counted without 'бр.'")
    elif piece and measure is not None:
        faults.append(f"'{words[measure]}' is the measure: no 'бр.'")
    elif not piece and not egg and measure is None:
        faults.append("a counted item takes 'бр.'")
    counted = words if measure is None else words[:measure]
    if number != "1" and not number.startswith("1/"):
        faults += [f"after a number '{COUNTED_FORMS[w]}', not '{w}'" for w in counted if w in COUNTED_FORMS]
    return faults


# --- acid in preserves ---------------------------------------------------------------------------

JARS_RE = re.compile(r"^За (?:около )?(\d+) буркана? по (\d+) мл")
SUGAR_PRESERVE_RE = re.compile(r"сладко|компот|конфитюр|пелте|мармалад", re.IGNORECASE)
SPOONS_ML = {"мл": 1, "л": 1000, "с.л.": 15, "ч.л.": 5}
AMOUNT = r"(\d+(?:,\d+)?(?: \d+/\d+)?|\d+/\d+) (мл|л|с\.л\.|ч\.л\.)"
ACID_LINE_RE = re.compile(rf"^{AMOUNT} (?:(?:винен |ябълков )?оцет(?: (\d+(?:,\d+)?) %)?"
                          r"|(лимонов сок)|(лимонена киселина))")
# The rule as the preserving advice states it, per jar volume.
ACID_RULE_RE = re.compile(r"на всеки (\d+) мл обем на буркана – поне \d+ с\.л\. \((\d+) мл\) оцет (\d+) %, "
                          r"2 с\.л\. \((\d+) мл\) лимонов сок или (1/2|\d+) ч\.л\. лимонена киселина")


def number_value(text):
    total = Fraction(0)
    for part in text.split():
        total += Fraction(part.replace(",", ".")) if "/" not in part else Fraction(part)
    return total


def acid_rule(advice):
    """(jar ml, vinegar ml, vinegar %, lemon juice ml, citric acid ml) as the advice states them."""
    match = ACID_RULE_RE.search(" ".join(advice.split()))
    if not match:
        return None
    jar, vinegar, strength, lemon, citric_teaspoons = match.groups()
    return int(jar), int(vinegar), int(strength), int(lemon), number_value(citric_teaspoons) * SPOONS_ML["ч.л."]


def acid_in_rule_doses(products, rule):
    """How many doses of the rule the ingredient lines hold, and the vinegars that name no strength."""
    jar, vinegar_ml, strength, lemon_ml, citric_ml = rule
    lines = products.split("\r\n")
    jars = JARS_RE.match(lines[0])
    doses, unnamed = Fraction(0), []
    for line in lines[1:]:
        match = ACID_LINE_RE.match(line)
        if not match:
            continue
        amount, unit, percent, lemon, citric = match.groups()
        ml = number_value(amount) * SPOONS_ML[unit]
        if " за всеки буркан" in line and jars:
            ml *= int(jars.group(1))
        if lemon:
            doses += ml / lemon_ml
        elif citric:
            doses += ml / citric_ml
        elif percent:
            doses += ml * number_value(percent) / (vinegar_ml * strength)
        else:
            unnamed.append(line)
    return doses, unnamed


def doses_needed(products, rule):
    jars = JARS_RE.match(products.split("\r\n")[0])
    return Fraction(int(jars.group(1)) * int(jars.group(2)), rule[0]) if jars else None


# --- raw fish, raw eggs --------------------------------------------------------------------------

FISH_RE = re.compile(r"скумри|паламуд|риба|рибата|сьомг|херинг|хамси|цаца|сардел|пъстърв|шаран|сафрид|карагьоз|"
                     r"кефал|лаврак|ципур|треск|аншоа|калкан|зарган|попче", re.IGNORECASE)
RAW_FISH_RE = re.compile(r"рибата не се готви|паразит|сурова(?:та)? риба", re.IGNORECASE)
FREEZING_RULE_RES = (re.compile(r"-20 °C"), re.compile(r"24 часа"), re.compile(r"-18 °C"),
                     re.compile(r"седмица"))
RAW_FISH_DISHES = ("Лакерда", "Маринована скумрия")
# Dishes whose eggs are eaten as they are, whipped or stirred in but never heated through.
RAW_EGG_DISHES = ("Тирамису", "Шоколадов мус", "Лимонов мус", "Салата Цезар", "Лимонов сорбет", "Уиски сауър")
PASTEURISED_RE = re.compile(r"пастьоризиран")
# Creams whose yolks are never baked: the yolks are pasteurised or cooked to a safe heat, stated.
COLD_CREAM_EGG_DISHES = ("Торта Малакоф", "Торта Добош", "Пасха с извара")
# Eggs cooked gently (over steam, or kept below the boil) are safe only once they reach 71 °C.
SAFE_EGG_CELSIUS = 71
GENTLE_HEAT_RE = re.compile(r"водна баня|къкреща вода|без да кипва|без да заври")
BAKED_OR_FRIED_RE = re.compile(r"фурна|пече|пекат|пърж", re.IGNORECASE)
EGG_IN_METHOD_RE = re.compile(r"яйц|жълтъ|белтъ", re.IGNORECASE)
CELSIUS_RE = re.compile(r"(\d+) °C")

# --- the acid rule against the tested doses -------------------------------------------------------

# The tested doses for a jar of 946 ml, which acidify alike: 60 ml vinegar of 5 %, 30 ml lemon juice or
# 2,5 ml (1/2 ч.л.) citric acid.
TESTED_JAR_ML = 946
TESTED_VINEGAR = (60, 5)
TESTED_LEMON_ML = 30
TESTED_CITRIC_ML = Fraction(5, 2)
MAX_ACID_SPREAD = Fraction(5, 4)  # the rule's three doses may differ by a quarter at most
# "за заливката сварете на 1 л вода 250 мл оцет 9 %"
BRINE_RULE_RE = re.compile(r"на (\d+) л вода (\d+) мл оцет (\d+) %")
VOLUME = r"(\d+(?:,\d+)?) (мл|л)"
WATER_LINE_RE = re.compile(rf"^{VOLUME} (?:\w+ )?вода$")
STRONG_VINEGAR_LINE_RE = re.compile(rf"^{VOLUME} (?:\w+ )?оцет (\d+(?:,\d+)?) %$")


def tested_doses(rule):
    """How many tested doses for its jar each of the rule's three acids gives: vinegar, lemon, citric."""
    jar, vinegar_ml, strength, lemon_ml, citric_ml = rule
    per_tested_jar = Fraction(TESTED_JAR_ML, jar)
    vinegar = Fraction(vinegar_ml * strength, TESTED_VINEGAR[0] * TESTED_VINEGAR[1])
    return tuple(dose * per_tested_jar for dose in (vinegar, Fraction(lemon_ml, TESTED_LEMON_ML),
                                                     citric_ml / TESTED_CITRIC_ML))


def millilitres(amount, unit):
    return number_value(amount) * SPOONS_ML[unit]


def brine(products):
    """(water ml, vinegar ml at the strength of the rule's vinegar) of a vinegar brine, or None."""
    lines = products.split("\r\n")
    water = [millilitres(*m.groups()) for line in lines if (m := WATER_LINE_RE.match(line))]
    vinegar = [(millilitres(*m.groups()[:2]), number_value(m.group(3)))
               for line in lines if (m := STRONG_VINEGAR_LINE_RE.match(line))]
    if len(water) != 1 or not vinegar:
        return None
    return water[0], vinegar


def underheated_egg_steps(products, burn):
    """Steps that cook unpasteurised eggs gently, never bake or fry them after, and name no safe heat."""
    eggs = [line for line in products.split("\r\n")[1:] if EGG_RE.search(line)]
    if all(PASTEURISED_RE.search(line) for line in eggs):
        return []
    steps = burn.split("\r\n")
    found = []
    for number, step in enumerate(steps):
        window = " ".join(steps[number:number + 2])
        if not GENTLE_HEAT_RE.search(step) or not EGG_IN_METHOD_RE.search(window):
            continue
        if any(BAKED_OR_FRIED_RE.search(later) for later in steps[number + 1:]):
            continue
        if not any(int(t) >= SAFE_EGG_CELSIUS for t in CELSIUS_RE.findall(window)):
            found.append(step)
    return found


# --- meat that rests, cured pork, game, wild mushrooms ---------------------------------------------

RAW_MEAT_RE = re.compile(r"месо|кайма|пиле|пилешк|пуйк|пуешк|агне|агнешк|свинск|телешк|говежд|дроб|крачета|"
                         r"риба|шаран|скумри|филе", re.IGNORECASE)
# "оставя се да престои на хладно": a cool room is no place for raw meat; a fridge (up to 4 °C) is.
RESTS_IN_THE_COOL_RE = re.compile(r"[^.]*(?:престо|оставя|почива)[^.]*на (?:хладно|студено)\b(?![^.]*до 4 °C)[^.]*",
                                  re.IGNORECASE)
TRICHINELLA_RISK_RE = re.compile(r"глиган", re.IGNORECASE)
CURED_RE = re.compile(r"нитритна сол")
PORK_RE = re.compile(r"свинск|сланин", re.IGNORECASE)
TRICHINELLA_RE = re.compile(r"изследван\w* за трихинела")
# A sausage dried in its casing keeps only with nitrite salt; one without it is eaten fresh.
CASING_RE = re.compile(r"черва|стомах")
DRIED_RE = re.compile(r"(?<!не )се суш(?:ат|и)\b")
WILD_MUSHROOM_RE = re.compile(r"горск\w* гъби|манатарк|масловк|сърнел|пачи крак", re.IGNORECASE)
IDENTIFIED_RE = re.compile(r"разпознат\w* със сигурност")

SPIRIT_WORDS = ALCOHOL_WORDS + ("текила", "бренди", "вермут", "узо", "пелин", "шампанско", "пенливо")
SPIRIT_RE = re.compile(r"\b(?:" + "|".join(SPIRIT_WORDS) + r")\b", re.IGNORECASE)
STRENGTH_RE = re.compile(r"\(\d+(?:,\d+)?% об\.\)")

# --- wrapping of the advice texts ----------------------------------------------------------------

# A Latin letter typed into a Bulgarian word looks right and breaks search and sorting.
MIXED_SCRIPT_RE = re.compile(r"\b(?=\w*[a-zA-Z])(?=\w*[\u0400-\u04ff])\w+\b")
MAX_ADVICE_LINE = 78
SENTENCE_END = (".", "!", "?", ":")
# A line never starts with a unit or a dash: they move down together with the word before them.
UNIT_WORDS = frozenset(UNITS | {"минути", "минута", "часа", "дни", "%", "°C"})


def first_unit(line):
    """The words that open a line and would move up together."""
    tokens = line.split()
    count = 1
    while count < len(tokens) and (tokens[count] in UNIT_WORDS or tokens[count].rstrip(".,;:)") in UNIT_WORDS
                                   or tokens[count] == "–"
                                   or (tokens[count - 1] == "–" and tokens[count][0].isdigit())):
        count += 1
    return " ".join(tokens[:count])


def ragged_lines(text):
    """Lines of a paragraph that end short although the next line's first word would have fit."""
    lines = text.split("\n")
    found = []
    for number, (line, following) in enumerate(zip(lines, lines[1:]), start=1):
        if not line.strip() or not following.strip() or following.lstrip().startswith("–"):
            continue
        if line.rstrip().endswith(SENTENCE_END):
            continue  # a paragraph or a sub-paragraph ends here
        if number == 1 or not lines[number - 2].strip():
            continue  # the heading of a block
        if len(line.rstrip()) + 1 + len(first_unit(following)) <= MAX_ADVICE_LINE:
            found.append(f"line {number}: {line!r}")
    return found


def catalogue(test):
    db = open_db(test, "Data", "pelnor_recepies.rec")
    for table in RECIPE_TABLES:
        for name, products, burn in db.execute(f'SELECT name, Products, Burn FROM "{table}" ORDER BY ID'):
            yield table, name, products, burn


class Rules(unittest.TestCase):
    """The helpers catch what they are meant to catch."""

    def test_spoken_initial(self):
        cases = (("100", "с"), ("150", "с"), ("7", "с"), ("17", "с"), ("70", "с"), ("750", "с"),
                 ("7000", "с"), ("2", "д"), ("12", "д"), ("10", "д"), ("1", "е"), ("1000", "х"),
                 ("200", "д"), ("1/2", "п"), ("1,5", "е"), ("ситно", "с"), ("„Звезда“", "з"), ("щипка", "щ"))
        for word, initial in cases:
            with self.subTest(word=word):
                self.assertEqual(spoken_initial(word), initial)

    def test_preposition_faults(self):
        right = ("със ситно нарязан", "с отвор в средата", "с щипка сол", "със 100 мл вода", "с 2 с.л. олио",
                 "Със зелен лук", "С магданоз", "със 7 яйца", "2 с.л. захар", "с 1/2 ч.л. сол")
        wrong = ("с ситно нарязан", "със отвор в средата", "със щипка сол", "с 100 мл вода", "със 2 с.л. олио",
                 "С зелен лук", "Със магданоз", "с 7 яйца", "със 1/2 ч.л. сол")
        for text in right:
            with self.subTest(right=text):
                self.assertEqual(preposition_faults(text), [])
        for text in wrong:
            with self.subTest(wrong=text):
                self.assertEqual(len(preposition_faults(text)), 1)

    def test_count_style_faults(self):
        right = ("2 бр. домата", "1 бр. домат", "3 бр. зрели домата", "1 яйце", "3 яйца за плънката",
                 "4 жълтъка", "2 глави лук", "30 половинки орехи", "4 дафинови листа", "500 г домати",
                 "1 бр. пиле (около 1,5 кг)", "1/2 връзка магданоз", "4 бр. портокала с дебела кора")
        wrong = (("2 бр. домати", "домата"), ("1 бр. яйце", "without"), ("3 бр. жълтъка", "without"),
                 ("2 бр. дафинови листа", "measure"), ("1 пиле", "'бр.'"), ("4 бр. кефали", "кефала"),
                 ("2 бр. корена целина", "measure"), ("8 бр. пъдпъдъци", "пъдпъдъка"))
        for line in right:
            with self.subTest(right=line):
                self.assertEqual(count_style_faults(line), [])
        for line, fault in wrong:
            with self.subTest(wrong=line):
                self.assertIn(fault, " ".join(count_style_faults(line)))

    def test_acid_doses(self):
        rule = (800, 15, 9, 30, Fraction(5, 2))
        cases = (("За 6 буркана по 720 мл\r\n1 с.л. оцет 9 % за всеки буркан", 6, []),
                 ("За 6 буркана по 400 мл\r\n100 мл оцет 9 %", Fraction(100, 15), []),
                 ("За 2 буркана по 800 мл\r\n2 с.л. лимонов сок\r\n1/2 ч.л. лимонена киселина", 2, []),
                 ("За 2 буркана по 800 мл\r\n30 мл оцет 6 %", Fraction(4, 3), []),
                 ("За 2 буркана по 800 мл\r\n30 мл оцет", 0, ["30 мл оцет"]))
        for products, doses, unnamed in cases:
            with self.subTest(products=products):
                self.assertEqual(acid_in_rule_doses(products, rule), (doses, unnamed))
        self.assertEqual(doses_needed("За 6 буркана по 720 мл", rule), Fraction(27, 5))
        self.assertEqual(acid_rule("на всеки 800 мл обем на буркана – поне 1 с.л. (15 мл) оцет 9 %,\n"
                                   "2 с.л. (30 мл) лимонов сок или 1/2 ч.л. лимонена киселина"), rule)
        self.assertEqual(acid_rule("на всеки 800 мл обем на буркана – поне 2 с.л. (30 мл) оцет 9 %,\n"
                                   "2 с.л. (30 мл) лимонов сок или 1/2 ч.л. лимонена киселина"),
                         (800, 30, 9, 30, Fraction(5, 2)))

    def test_tested_doses(self):
        self.assertEqual(tested_doses((946, 60, 5, 30, Fraction(5, 2))), (1, 1, 1))
        self.assertEqual(tested_doses((473, 15, 9, 30, Fraction(5, 2)))[0], Fraction(9, 10))

    def test_brine(self):
        cases = (("За 6 буркана по 720 мл\r\n1,5 л вода\r\n400 мл оцет 9 %\r\n2 с.л. сол", (1500, [(400, 9)])),
                 ("За 1 съд\r\n5 л вода\r\n1,25 л оцет 9 %", (5000, [(1250, 9)])),
                 ("За 4 порции\r\n3 л вода\r\n100 мл оцет", None),
                 ("За 4 порции\r\n100 мл оцет 9 %", None))
        for products, expected in cases:
            with self.subTest(products=products):
                self.assertEqual(brine(products), expected)

    def test_underheated_egg_steps(self):
        cream = "За 1 торта\r\n3 жълтъка\r\n100 г захар"
        cases = (("1. Жълтъците се бъркат на водна баня, докато се сгъстят.\r\n2. Охлажда се.", 1),
                 ("1. Жълтъците се бъркат на водна баня до 75 °C.\r\n2. Охлажда се.", 0),
                 ("1. Купата се слага над леко къкреща вода.\r\n2. Жълтъците се бъркат до 72 °C.", 0),
                 ("1. Жълтъците се бъркат на водна баня до 65 °C.", 1),
                 ("1. Жълтъците се бъркат на водна баня.\r\n2. Пече се във фурна.", 0),
                 ("1. Шоколадът се разтопява на водна баня.\r\n2. Охлажда се.\r\n3. Вбъркват се жълтъците.", 0))
        for burn, faults in cases:
            with self.subTest(burn=burn):
                self.assertEqual(len(underheated_egg_steps(cream, burn)), faults)
        self.assertEqual(underheated_egg_steps("За 6 порции\r\n3 пастьоризирани яйца", cases[0][0]), [])

    def test_rests_in_the_cool(self):
        cool = ("Оставя се да престои на хладно няколко часа.", "Почива още 12 часа на студено.")
        fridge = ("Оставя се да престои в хладилника няколко часа.", "Почива още 12 часа на студено (до 4 °C).",
                  "Съхраняват се на хладно и сухо.")
        for text in cool:
            with self.subTest(cool=text):
                self.assertIsNotNone(RESTS_IN_THE_COOL_RE.search(text))
        for text in fridge:
            with self.subTest(fridge=text):
                self.assertIsNone(RESTS_IN_THE_COOL_RE.search(text))

    def test_mixed_script(self):
        self.assertEqual(MIXED_SCRIPT_RE.findall("с джодженa и Piper nigrum, 180 °C"), ["джодженa"])

    def test_dried(self):
        self.assertIsNotNone(DRIED_RE.search("Луканките се окачват да се сушат на проветриво място."))
        self.assertIsNone(DRIED_RE.search("Бахурът е пресен продукт и не се суши."))

    def test_ragged_lines(self):
        even = "Заглавие\n" + "дума " * 15 + "\nпродължение.\n\nКраят на абзаца.\nНов ред."
        self.assertEqual(ragged_lines(even), [])
        self.assertEqual(len(ragged_lines("Заглавие\nкъс ред\nи продължение.")), 1)
        kept_together = "Заглавие\n" + "дума " * 14 + "и\n20 минути – 15 минути."
        self.assertEqual(ragged_lines(kept_together), [])
        self.assertEqual(first_unit("мл – 20 минути, а"), "мл – 20 минути,")


class Safety(unittest.TestCase):
    def test_raw_fish_is_frozen_by_the_rule(self):
        raw = []
        for table, name, products, burn in catalogue(self):
            if not (FISH_RE.search(products) and RAW_FISH_RE.search(burn)):
                continue
            raw.append(name)
            with self.subTest(recipe=f"{table}: {name}"):
                missing = [p.pattern for p in FREEZING_RULE_RES if not p.search(burn)]
                self.assertEqual(missing, [], "freeze at -20 °C for 24 hours, or a week at -18 °C")
        for name in RAW_FISH_DISHES:
            with self.subTest(dish=name):
                self.assertIn(name, raw, "a dish of raw fish that says nothing of freezing")

    def test_sterilised_preserves_hold_the_acid_of_the_rule(self):
        rule = acid_rule(read_text(self, "Favour Advice", "Konservirane.txt"))
        self.assertIsNotNone(rule, "the preserving advice states the acid rule per jar volume")
        checked = 0
        for table, name, products, burn in catalogue(self):
            needed = doses_needed(products, rule)
            if needed is None or "стерилиз" not in burn or SUGAR_PRESERVE_RE.search(name):
                continue
            checked += 1
            with self.subTest(recipe=f"{table}: {name}"):
                doses, unnamed = acid_in_rule_doses(products, rule)
                self.assertEqual(unnamed, [], "name the strength of the vinegar")
                self.assertGreaterEqual(doses, needed, f"{float(doses):.1f} doses of acid for "
                                                       f"{float(needed):.1f} jars of {rule[0]} мл")
        self.assertGreater(checked, 0, "no sterilised preserve found")

    def test_raw_eggs_are_pasteurised(self):
        recipes = {name: products for _, name, products, _ in catalogue(self)}
        for name in RAW_EGG_DISHES:
            with self.subTest(dish=name):
                self.assertIn(name, recipes)
                eggs = [line for line in recipes[name].split("\r\n") if EGG_RE.search(line)]
                self.assertTrue(eggs, "no eggs listed")
                self.assertEqual([line for line in eggs if not PASTEURISED_RE.search(line)], [])

    def test_yolks_of_cold_creams_are_pasteurised_or_cooked(self):
        recipes = {name: (products, burn) for _, name, products, burn in catalogue(self)}
        for name in COLD_CREAM_EGG_DISHES:
            with self.subTest(dish=name):
                self.assertIn(name, recipes)
                products, burn = recipes[name]
                eggs = [line for line in products.split("\r\n") if EGG_RE.search(line)]
                self.assertTrue(eggs, "no eggs listed")
                if all(PASTEURISED_RE.search(line) for line in eggs):
                    continue
                heats = [int(t) for step in burn.split("\r\n") if EGG_IN_METHOD_RE.search(step)
                         for t in CELSIUS_RE.findall(step)]
                self.assertTrue(any(t >= SAFE_EGG_CELSIUS for t in heats),
                                f"the yolks are pasteurised or the method cooks them to {SAFE_EGG_CELSIUS} °C")

    def test_the_acid_rule_gives_three_equal_tested_doses(self):
        rule = acid_rule(read_text(self, "Favour Advice", "Konservirane.txt"))
        self.assertIsNotNone(rule, "the preserving advice states the acid rule per jar volume")
        doses = tested_doses(rule)
        for acid, dose in zip(("vinegar", "lemon juice", "citric acid"), doses):
            with self.subTest(acid=acid):
                self.assertGreaterEqual(dose, 1, f"{float(dose):.2f} of the tested dose")
        self.assertLessEqual(max(doses) / min(doses), MAX_ACID_SPREAD,
                             f"the three acids are not equal: {[round(float(d), 2) for d in doses]}")

    def test_vinegar_brines_keep_the_brine_rule(self):
        advice = " ".join(read_text(self, "Favour Advice", "Konservirane.txt").split())
        match = BRINE_RULE_RE.search(advice)
        self.assertIsNotNone(match, "the preserving advice states how much vinegar goes to a litre of water")
        water_l, vinegar_ml, strength = map(int, match.groups())
        checked = 0
        for table, name, products, _ in catalogue(self):
            found = brine(products)
            if found is None:
                continue
            checked += 1
            water, vinegars = found
            acid = sum(ml * percent for ml, percent in vinegars)
            with self.subTest(recipe=f"{table}: {name}"):
                self.assertGreaterEqual(acid / water, Fraction(vinegar_ml * strength, 1000 * water_l),
                                        f"{float(acid / strength):.0f} мл оцет {strength} % to {float(water):.0f} мл вода")
        self.assertGreater(checked, 0, "no vinegar brine found")

    def test_gently_cooked_eggs_reach_a_safe_heat(self):
        for table, name, products, burn in catalogue(self):
            with self.subTest(recipe=f"{table}: {name}"):
                self.assertEqual(underheated_egg_steps(products, burn), [],
                                 f"eggs cooked gently name the {SAFE_EGG_CELSIUS} °C they reach")

    def test_raw_meat_rests_in_the_fridge(self):
        for table, name, products, burn in catalogue(self):
            if not RAW_MEAT_RE.search(products):
                continue
            with self.subTest(recipe=f"{table}: {name}"):
                self.assertEqual([m.group(0).strip() for m in RESTS_IN_THE_COOL_RE.finditer(burn)], [],
                                 "in the fridge, not in the cool")

    def test_cured_pork_and_wild_boar_are_tested_for_trichinella(self):
        found = 0
        for table, name, products, burn in catalogue(self):
            if not (TRICHINELLA_RISK_RE.search(products) or (CURED_RE.search(products) and PORK_RE.search(products))):
                continue
            found += 1
            with self.subTest(recipe=f"{table}: {name}"):
                self.assertRegex(burn, TRICHINELLA_RE)
        self.assertGreater(found, 0, "no cured pork or game found")

    def test_dried_sausages_carry_nitrite_salt(self):
        dried = 0
        for table, name, products, burn in catalogue(self):
            if not (CASING_RE.search(products) and DRIED_RE.search(burn)):
                continue
            dried += 1
            with self.subTest(recipe=f"{table}: {name}"):
                self.assertRegex(products, CURED_RE, "dried without nitrite salt: make it a fresh sausage")
        self.assertGreater(dried, 0, "no dried sausage found")

    def test_wild_mushrooms_are_only_ones_known_for_sure(self):
        found = 0
        for table, name, products, burn in catalogue(self):
            if not WILD_MUSHROOM_RE.search(products):
                continue
            found += 1
            with self.subTest(recipe=f"{table}: {name}"):
                self.assertRegex(burn, IDENTIFIED_RE)
        self.assertGreater(found, 0, "no wild mushrooms found")

    def test_every_drink_in_the_energy_table_names_its_strength(self):
        db = open_db(self, "Favour Advice", "energy.fad")
        drinks = [name for (name,) in db.execute('SELECT "Продукти/100 грама" FROM energy') if SPIRIT_RE.search(name)]
        self.assertTrue(drinks, "no drinks in the table")
        for name in drinks:
            with self.subTest(drink=name):
                self.assertRegex(name, STRENGTH_RE)


class HouseStyle(unittest.TestCase):
    def texts(self):
        found = [(f"{table}: {name}", f"{name}\n{products}\n{burn}") for table, name, products, burn in catalogue(self)]
        db = open_db(self, "Data", "pelnor_recepies.rec")
        found += [(f"{SPICE_TABLE}: {name}", f"{name}\n{info}\n{use}")
                  for name, info, use in db.execute(f'SELECT name, Products, Burn FROM "{SPICE_TABLE}"')]
        found += [(name, read_text(self, "Favour Advice", name)) for name in ADVICE_TEXTS]
        found.append((README, read_text(self, README)))
        return found

    def test_s_and_sas(self):
        for where, text in self.texts():
            with self.subTest(text=where):
                self.assertEqual(preposition_faults(text), [])

    def test_no_word_mixes_latin_and_cyrillic_letters(self):
        for where, text in self.texts():
            with self.subTest(text=where):
                self.assertEqual(MIXED_SCRIPT_RE.findall(text), [])

    def test_counted_items(self):
        for table, name, products, _ in catalogue(self):
            faults = [f"{line!r}: {fault}" for line in products.split("\r\n")[1:] for fault in count_style_faults(line)]
            with self.subTest(recipe=f"{table}: {name}"):
                self.assertEqual(faults, [])

    def test_fried_fish_are_named_adjective_first(self):
        for table, name, _, _ in catalogue(self):
            with self.subTest(recipe=f"{table}: {name}"):
                self.assertNotRegex(name, r"^\w+,? пържен[аио]?\b", "write 'Пържен зарган'")

    def test_advice_texts_wrap_evenly(self):
        for name in ADVICE_TEXTS:
            text = read_text(self, "Favour Advice", name)
            with self.subTest(text=name):
                long = [line for line in text.split("\n") if len(line) > MAX_ADVICE_LINE]
                self.assertEqual(long, [])
                self.assertEqual(ragged_lines(text), [])


if __name__ == "__main__":
    if len(sys.argv) > 1 and not sys.argv[1].startswith("-"):
        os.environ["VELMORA_OUT"] = sys.argv.pop(1)
    unittest.main()
