#!/usr/bin/env python3
"""Builds the shipped databases, texts and sound from the content sources.

usage: build_content.py CONTENT_DIR OUT_DIR
"""
import os
import re
import sqlite3
import sys

CATALOGUE_FIELDS = ("name", "Products", "Burn")


class ContentError(Exception):
    pass


def crlf(lines):
    while lines and not lines[0].strip():
        lines = lines[1:]
    while lines and not lines[-1].strip():
        lines = lines[:-1]
    return "\r\n".join(line.rstrip() for line in lines)


def parse_catalogue(path):
    """Returns (table name, [(name, products, burn)])."""
    with open(path, encoding="utf-8") as f:
        lines = f.read().splitlines()
    if not lines or not lines[0].startswith("table:"):
        raise ContentError(f"{path}:1: the first line must be 'table: <name>'")
    table = lines[0][len("table:"):].strip()
    recipes = []
    current = None
    for number, line in enumerate(lines[1:], start=2):
        if line.startswith("==="):
            current = {"name": line[3:].strip(), "products": [], "burn": [], "in_burn": False, "line": number}
            recipes.append(current)
        elif current is None:
            if line.strip():
                raise ContentError(f"{path}:{number}: text before the first '===' line")
        elif line.strip() == "---" and not current["in_burn"]:
            current["in_burn"] = True
        else:
            current["burn" if current["in_burn"] else "products"].append(line)
    rows = []
    for r in recipes:
        if not r["in_burn"]:
            raise ContentError(f"{path}:{r['line']}: recipe '{r['name']}' has no '---' line")
        rows.append((r["name"], crlf(r["products"]), crlf(r["burn"])))
    return table, rows


def build_catalogue(src_dir, db_path):
    tmp = db_path + ".tmp"
    if os.path.exists(tmp):
        os.remove(tmp)
    db = sqlite3.connect(tmp)
    seen = {}
    for file in sorted(os.listdir(src_dir)):
        if not file.endswith(".txt"):
            continue
        table, rows = parse_catalogue(os.path.join(src_dir, file))
        if table in seen:
            raise ContentError(f"{file}: table '{table}' is also in {seen[table]}")
        seen[table] = file
        db.execute(f'CREATE TABLE "{table}" (ID INTEGER PRIMARY KEY, name TEXT, Products TEXT, Burn TEXT)')
        db.executemany(f'INSERT INTO "{table}" (name, Products, Burn) VALUES (?, ?, ?)', rows)
    db.commit()
    db.close()
    os.replace(tmp, db_path)


# The search index beside the catalogue, as the program builds it for a catalogue that has none:
# the same tables, the same format mark, the same fingerprint of the catalogue file.
SEARCH_INDEX_FORMAT = "1"


def catalogue_fingerprint(path):
    """Size, last write (whole seconds), and the header's change counter and schema cookie."""
    with open(path, "rb") as f:
        header = f.read(100)
    info = os.stat(path)
    counter = int.from_bytes(header[24:28], "big")
    cookie = int.from_bytes(header[40:44], "big")
    return f"{info.st_size}:{int(info.st_mtime)}:{counter}:{cookie}"


def build_search_index(catalogue_path, index_path):
    tmp = index_path + ".tmp"
    if os.path.exists(tmp):
        os.remove(tmp)
    catalogue = sqlite3.connect(f"file:{catalogue_path}?mode=ro", uri=True)
    db = sqlite3.connect(tmp, isolation_level=None)
    db.execute("PRAGMA journal_mode = OFF")
    db.execute("CREATE TABLE velmora_index (key TEXT PRIMARY KEY, value TEXT)")
    db.execute("CREATE TABLE places (docid INTEGER PRIMARY KEY, tbl TEXT NOT NULL, row INTEGER NOT NULL, "
               "ordinal INTEGER NOT NULL)")
    db.execute("CREATE VIRTUAL TABLE recipes USING fts5(name, products, burn, content='', "
               "tokenize='unicode61 remove_diacritics 0')")
    db.execute("BEGIN")
    docid = 0
    tables = [row[0] for row in catalogue.execute("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name")]
    for table in tables:
        rows = catalogue.execute(f'SELECT rowid, name, Products, Burn FROM "{table}" ORDER BY rowid')
        for ordinal, (rowid, name, products, burn) in enumerate(rows):
            docid += 1
            db.execute("INSERT INTO recipes (rowid, name, products, burn) VALUES (?, ?, ?, ?)",
                       (docid, name or "", products or "", burn or ""))
            db.execute("INSERT INTO places (docid, tbl, row, ordinal) VALUES (?, ?, ?, ?)", (docid, table, rowid, ordinal))
    db.execute("INSERT INTO recipes (recipes) VALUES ('optimize')")
    db.execute("INSERT INTO velmora_index (key, value) VALUES ('format', ?)", (SEARCH_INDEX_FORMAT,))
    db.execute("INSERT INTO velmora_index (key, value) VALUES ('catalogue', ?)", (catalogue_fingerprint(catalogue_path),))
    db.execute("COMMIT")
    db.close()
    catalogue.close()
    os.replace(tmp, index_path)


def cell(text):
    text = text.strip()
    if re.fullmatch(r"-?\d+", text):
        return int(text)
    if re.fullmatch(r"-?\d+\.\d+", text):
        return float(text)
    return text.replace("\\n", "\r\n")


def build_table(tsv_path, db_path, table):
    with open(tsv_path, encoding="utf-8") as f:
        lines = [line for line in f.read().splitlines() if line.strip()]
    header = lines[0].split("\t")
    tmp = db_path + ".tmp"
    if os.path.exists(tmp):
        os.remove(tmp)
    db = sqlite3.connect(tmp)
    columns = ", ".join(f'"{c}"' for c in header)
    db.execute(f'CREATE TABLE "{table}" (ID INTEGER PRIMARY KEY, {columns})')
    marks = ", ".join("?" for _ in header)
    for number, line in enumerate(lines[1:], start=2):
        values = line.split("\t")
        if len(values) != len(header):
            raise ContentError(f"{tsv_path}:{number}: {len(values)} cells, the header has {len(header)}")
        db.execute(f'INSERT INTO "{table}" ({columns}) VALUES ({marks})', [cell(v) for v in values])
    db.commit()
    db.close()
    os.replace(tmp, db_path)


MY_RECIPES_TABLE = "Моите рецепти"


def build_my_recipes(db_path):
    """The own-recipe database, shipped empty. A copy already in the program folder holds the
    user's recipes and is never replaced."""
    if os.path.exists(db_path):
        return
    tmp = db_path + ".tmp"
    if os.path.exists(tmp):
        os.remove(tmp)
    db = sqlite3.connect(tmp)
    db.execute(f'CREATE TABLE "{MY_RECIPES_TABLE}" (ID INTEGER PRIMARY KEY AUTOINCREMENT, '
               'Name TEXT CHECK (length(Name) <= 50), Products TEXT, Burn TEXT)')
    db.commit()
    db.close()
    os.replace(tmp, db_path)


def to_cp1251(src, dst):
    with open(src, encoding="utf-8") as f:
        text = f.read()
    text = text.replace("\r\n", "\n").replace("\n", "\r\n")
    try:
        data = text.encode("cp1251")
    except UnicodeEncodeError as e:
        line = text[: e.start].count("\n") + 1
        raise ContentError(f"{src}:{line}: '{text[e.start]}' (U+{ord(text[e.start]):04X}) has no place in Windows-1251")
    with open(dst + ".tmp", "wb") as f:
        f.write(data)
    os.replace(dst + ".tmp", dst)


def main(content, out):
    data_dir = os.path.join(out, "Data")
    advice_dir = os.path.join(out, "Favour Advice")
    os.makedirs(data_dir, exist_ok=True)
    os.makedirs(advice_dir, exist_ok=True)
    catalogue = os.path.join(data_dir, "pelnor_recepies.rec")
    build_catalogue(os.path.join(content, "catalogue"), catalogue)
    build_search_index(catalogue, os.path.join(data_dir, "pelnor_recepies.idx"))
    build_my_recipes(os.path.join(data_dir, "pelnor_myrecepies.rec"))
    advice = os.path.join(content, "advice")
    for name in sorted(os.listdir(advice)):
        path = os.path.join(advice, name)
        stem, ext = os.path.splitext(name)
        if ext == ".tsv":
            build_table(path, os.path.join(advice_dir, stem + ".fad"), stem)
        elif ext == ".txt":
            to_cp1251(path, os.path.join(advice_dir, name))
    readme = os.path.join(content, "Readme 1.02.txt")
    if os.path.exists(readme):
        to_cp1251(readme, os.path.join(out, "Readme 1.02.txt"))


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    try:
        main(sys.argv[1], sys.argv[2])
    except ContentError as e:
        sys.exit(f"build_content: {e}")
