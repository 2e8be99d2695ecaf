"""Checks that every ingredient line of the catalogue reads as a program reads it: an amount, a unit
from one fixed list (each written one way) and one product, or one of the few lines without an
amount ("сол на вкус", "щипка сол", "сок от 1 лимон").

Reads the built program folder named by VELMORA_OUT, like test_content.py.
"""
import os
import re
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from test_content import setUpModule  # noqa: E402,F401
from test_kitchen_rules import MEASURE_WORDS, catalogue  # noqa: E402

METRIC_UNITS = frozenset(("г", "кг", "мл", "л", "м", "см"))
SPOON_UNITS = frozenset(("с.л.", "ч.л.", "ч.ч.", "к.ч."))
UNITS = METRIC_UNITS | SPOON_UNITS | {"бр."}
# What a unit looks like when it is written another way than the house writes it.
UNIT_LIKE_RE = re.compile(r"^(?:гр\.?|г\.|кг\.|мл\.|л\.|[скч]\.?[лч]\.?|[скч]\.|бр|бройк\w*|грам\w*|килогр\w*|"
                          r"литр\w*|литър|милилитр\w*|супен\w*|чаен\w*|кафен\w*|чаш\w*|лъжиц\w*|лъжичк\w*)$")
WHOLE = r"\d+"
DECIMAL = r"\d+,\d+"
FRACTION = r"(?:\d+ )?\d+/\d+"
AMOUNT = rf"(?:{FRACTION}|{DECIMAL}|{WHOLE})"
AMOUNT_LINE_RE = re.compile(rf"^(?:около )?({AMOUNT})(?:–({AMOUNT}))? (\S+)(?: (.*))?$")
# "сок от 1 лимон", "настъргана кора от 2 портокала", "люспи от 1 кг стар лук"
PART_OF_RE = re.compile(rf"^(?:настъргана кора|кора|сок|люспи) от {AMOUNT} \S")
SEASONING_RE = re.compile(r"^\D+ на вкус$")
PINCH_RE = re.compile(r"^щипка \D+$")
SECOND_AMOUNT_RE = re.compile(rf"(?<![\w,/]){AMOUNT} (?:{'|'.join(re.escape(u) for u in sorted(UNITS))}|"
                              rf"{'|'.join(sorted(MEASURE_WORDS))})(?!\w)")
BRACKETS_RE = re.compile(r"\([^)]*\)")


def ingredient_line_faults(line):
    """What keeps one ingredient line from reading as amount, unit and one product."""
    if SEASONING_RE.match(line) or PINCH_RE.match(line) or PART_OF_RE.match(line):
        return []
    match = AMOUNT_LINE_RE.match(line)
    if not match:
        return ["the line does not start with an amount (or read 'X на вкус', 'щипка X', 'сок от N X')"]
    amount, upper, first, rest = match.groups()
    rest = rest or ""
    faults = []
    unit = first if first in UNITS or first in MEASURE_WORDS else None
    if unit is None and UNIT_LIKE_RE.match(first):
        faults.append(f"'{first}' is not one of the units {sorted(UNITS)}")
    if unit is not None and not rest.strip():
        faults.append(f"no product after '{unit}'")
    for value in (amount, upper):
        if value is None:
            continue
        if "," in value and unit not in METRIC_UNITS:
            faults.append(f"'{value}': spoons, cups and pieces take fractions (1 1/2), not decimals")
        if "/" in value and unit in METRIC_UNITS:
            faults.append(f"'{value} {unit}': grams, millilitres and metres take decimals, not fractions")
        if value.startswith("0"):
            faults.append(f"'{value} {unit}': write the smaller unit (500 г, not 0,5 кг)")
        if unit in ("г", "мл") and "," not in value and "/" not in value and int(value) >= 1000:
            faults.append(f"'{value} {unit}': write кг or л from 1000 on")
    if unit == "щипка" and amount == "1" and upper is None:
        faults.append("a pinch is written 'щипка сол', without a number")
    outside = BRACKETS_RE.sub("", rest if unit else f"{first} {rest}")
    if SECOND_AMOUNT_RE.search(outside):
        faults.append("a second amount: one product per line, an alternative goes in brackets")
    if re.search(r"(?<!\w)и(?!\w)", outside):
        faults.append("two products joined by 'и': one product per line")
    return faults


class Rules(unittest.TestCase):
    """The reader of the rules catches what it is meant to catch."""

    def test_lines_the_house_writes(self):
        right = ("500 г брашно", "2 с.л. олио", "1 1/2 ч.ч. вода", "1,5 л гореща вода", "1/2 ч.л. сода бикарбонат",
                 "3 яйца", "2 бр. домата", "1 глава лук (малка)", "2–3 с.л. ледена вода", "около 4 1/2 ч.ч. брашно",
                 "сол на вкус", "сол и черен пипер на вкус", "щипка индийско орехче", "сок от 1/2 лимон",
                 "настъргана кора от 2 портокала", "1 кг бяло брашно тип 500", "100 мл оцет 9 %",
                 "1 кг смляно месо (60 % свинско и 40 % телешко)", "20 г прясна мая (или 7 г суха мая)",
                 "150 г гуанчиале или панчета", "1 пръчица канела", "2 ч.ч. гореща вода за плънката",
                 "1 бр. кокошка (около 1,5 кг)", "5–6 капки лимонов сок", "1 ч.л. сол за всеки буркан")
        for line in right:
            with self.subTest(right=line):
                self.assertEqual(ingredient_line_faults(line), [])

    def test_lines_a_reader_would_stumble_on(self):
        wrong = (("брашно – 500 г", "start with an amount"), ("малко олио за тигана", "start with an amount"),
                 ("500 гр брашно", "units"), ("2 с. л. олио", "units"), ("1 ч.ч брашно", "units"),
                 ("2 супени лъжици захар", "units"), ("1,5 ч.ч. вода", "fractions"), ("1/2 кг месо", "decimals"),
                 ("0,5 л мляко", "smaller unit"), ("1500 г картофи", "from 1000 on"), ("1 щипка сол", "pinch"),
                 ("150 г захар или 3 с.л. мед", "second amount"), ("20 г прясна мая или 7 г суха мая", "second amount"),
                 ("1 бр. свински стомах и 1 м черва", "second amount"),
                 ("500 г свински бял дроб и сърце", "joined by 'и'"), ("2 с.л.", "no product"),
                 ("сол и 1 ч.л. черен пипер на вкус", "start with an amount"))
        for line, fault in wrong:
            with self.subTest(wrong=line):
                self.assertIn(fault, " ".join(ingredient_line_faults(line)))


class Catalogue(unittest.TestCase):
    def test_every_ingredient_line_reads_as_amount_unit_and_product(self):
        checked = 0
        for table, name, products, _ in catalogue(self):
            lines = [line for line in products.split("\r\n")[1:] if line.strip() and not line.endswith(":")]
            faults = [f"{line!r}: {fault}" for line in lines for fault in ingredient_line_faults(line)]
            checked += len(lines)
            with self.subTest(recipe=f"{table}: {name}"):
                self.assertEqual(faults, [])
        self.assertGreater(checked, 4000, "the catalogue's ingredient lines were not all read")


if __name__ == "__main__":
    if len(sys.argv) > 1 and not sys.argv[1].startswith("-"):
        os.environ["VELMORA_OUT"] = sys.argv.pop(1)
    unittest.main()
