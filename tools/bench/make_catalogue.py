#!/usr/bin/env python3
"""Makes a benchmark catalogue: the shipped catalogue with table "Пролет" holding COUNT generated
recipes of realistic length (a name, about 250 characters of ingredients, about 680 of method).
Only the last recipe's name holds the word FIND_WORD, so a search for it runs to the end.
Usage: make_catalogue.py SHIPPED_CATALOGUE OUT COUNT FIND_WORD"""
import os
import random
import shutil
import sqlite3
import sys

TABLE = "Пролет"

DISHES = ["Чорба", "Яхния", "Гювеч", "Мусака", "Салата", "Супа", "Кавърма", "Сарми", "Пълнени чушки", "Пита",
          "Баница", "Кюфтета", "Кебап", "Рагу", "Пилаф", "Крем", "Торта", "Кекс", "Сладкиш", "Туршия"]
WITH = ["с боб", "с леща", "с агнешко", "с пилешко", "със спанак", "с гъби", "с тиквички", "с праз", "с ориз",
        "с картофи", "с домати", "с кисело мляко", "с орехи", "с мед", "с тиква", "с киселец", "с коприва"]
STYLE = ["по селски", "по родопски", "по тракийски", "по шопски", "по старопланински", "на фурна", "в гърне",
         "на тиган", "по бабина рецепта", "с подправки", "за празник", "постна", "пролетна", "лятна"]
PRODUCTS = ["брашно", "захар", "сол", "черен пипер", "червен пипер", "олио", "масло", "яйца", "кисело мляко",
            "сирене", "кашкавал", "лук", "чесън", "моркови", "картофи", "домати", "чушки", "магданоз", "копър",
            "джоджен", "чубрица", "дафинов лист", "ориз", "боб", "леща", "орехи", "мед", "лимон", "оцет", "вода"]
UNITS = ["г", "кг", "мл", "л", "ч.л.", "с.л.", "ч.ч.", "щипка", "глава", "скилидки", "бр."]
VERBS = ["Нарязва се", "Запържва се", "Задушава се", "Сварява се", "Добавя се", "Разбърква се", "Подправя се",
         "Изсипва се", "Пече се", "Оставя се", "Поръсва се", "Овкусява се", "Разбива се", "Гарнира се"]
OBJECTS = ["лукът", "месото", "зеленчуците", "сместа", "тестото", "сосът", "бобът", "оризът", "сиренето",
           "доматите", "яйцата", "плънката", "гарнитурата", "бульонът"]
HOW = ["на ситно", "на умерен огън", "до омекване", "до златисто", "за 20 минути", "в загрята фурна",
       "с малко вода", "под капак", "докато се сгъсти", "на слаб огън", "в тава", "в тенджера"]


def products(rng):
    lines = []
    while sum(len(line) + 2 for line in lines) < 250:
        lines.append(f"{rng.randint(1, 500)} {rng.choice(UNITS)} {rng.choice(PRODUCTS)}")
    return "\r\n".join(lines)


def method(rng):
    sentences = []
    while sum(len(s) + 1 for s in sentences) < 680:
        sentences.append(f"{rng.choice(VERBS)} {rng.choice(OBJECTS)} {rng.choice(HOW)}.")
    return " ".join(sentences)


def name(rng, number, last, word):
    text = f"{rng.choice(DISHES)} {rng.choice(WITH)} {rng.choice(STYLE)} №{number}"
    return f"{text} {word}" if last else text


def main(shipped, out, count, word):
    rng = random.Random(count)
    tmp = out + ".tmp"
    shutil.copyfile(shipped, tmp)
    db = sqlite3.connect(tmp)
    db.execute(f'DELETE FROM "{TABLE}"')
    db.executemany(f'INSERT INTO "{TABLE}" (name, Products, Burn) VALUES (?, ?, ?)',
                   ((name(rng, n, n == count, word), products(rng), method(rng)) for n in range(1, count + 1)))
    db.commit()
    db.execute("VACUUM")
    db.close()
    os.replace(tmp, out)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4])
