"""What one edition of the Windows release in VELMORA_DIST is and holds, shared by its tests.

    VELMORA_ARCH=x86_64 VELMORA_ROOT=. VELMORA_DIST=dist VELMORA_PROGRAM=build/x86_64/app/velmora.exe \\
    VELMORA_PROBE=build/x86_64/window_probe.exe VELMORA_WINE=/usr/lib/wine/wine64 WINEPREFIX=... \\
    python3 -m unittest discover -s tests/release
"""
import os
import re
import sqlite3
import zipfile
from pathlib import Path

ARCH = os.environ["VELMORA_ARCH"]
ROOT = Path(os.environ["VELMORA_ROOT"])
DIST = Path(os.environ["VELMORA_DIST"])
BUILT_PROGRAM = Path(os.environ["VELMORA_PROGRAM"])

FOLDER = "Велмора XP"
NOTE = "Прочети ме.txt"
PROGRAM = "velmora.exe"
UNINSTALLER = "uninstall.exe"
OWN_RECIPES = "Data/pelnor_myrecepies.rec"
OWN_RECIPES_TABLE = "Моите рецепти"
MEASURES = "Favour Advice/dpm.fad"
MEASURES_TABLE = "dpm"
SETTINGS = "velmora.ini"
# What the program opens from its folder, besides the files it writes itself.
PROGRAM_FILES = (
    PROGRAM, "Data/pelnor_recepies.rec", OWN_RECIPES,
    "Favour Advice/energy.fad", "Favour Advice/merki.fad", "Favour Advice/dpm.fad",
    "Favour Advice/MKT.txt", "Favour Advice/ZDP.txt", "Favour Advice/KNS.txt", "Favour Advice/KMG.txt",
    "Favour Advice/Konservirane.txt", "Readme 1.02.txt", "about.wav",
)
SETTINGS_TEXT = "[Settings]\r\nColor=255\r\n".encode("utf-16")


def version():
    header = (ROOT / "res" / "resource_ids.h").read_text("utf-8")
    return re.search(r'#define\s+VELMORA_VERSION_TEXT\s+"([^"]+)"', header).group(1)


# The ending of each edition's file names, and the machine its programs are built for (PE header).
EDITIONS = {"i686": ("", 0x014C), "x86_64": ("-x64", 0x8664)}
VERSION = version()


def release_files(arch):
    """An edition's installer and portable zip."""
    ending = EDITIONS[arch][0]
    return DIST / f"velmora-xp-{VERSION}-setup{ending}.exe", DIST / f"velmora-xp-{VERSION}-portable{ending}.zip"


SETUP, PORTABLE = release_files(ARCH)


def portable_files():
    """The program folder as the zip holds it: relative path -> contents."""
    with zipfile.ZipFile(PORTABLE) as archive:
        return {name[len(FOLDER) + 1:]: archive.read(name)
                for name in archive.namelist() if not name.endswith("/")}


def shipped_files():
    """The program folder as shipped, without the note that only the zip carries."""
    files = portable_files()
    del files[NOTE]
    return files


def write_cooks_data(folder, recipe):
    """What a cook leaves in an installed program folder: settings, an own recipe (name, products,
    method) and a deleted row of the measures table. Returns the files' contents by their names."""
    folder = Path(folder)
    (folder / SETTINGS).write_bytes(SETTINGS_TEXT)
    with sqlite3.connect(folder / OWN_RECIPES) as db:
        db.execute(f'INSERT INTO "{OWN_RECIPES_TABLE}" (Name, Products, Burn) VALUES (?, ?, ?)', recipe)
    db.close()
    with sqlite3.connect(folder / MEASURES) as db:
        db.execute(f'DELETE FROM "{MEASURES_TABLE}" WHERE ID = (SELECT MIN(ID) FROM "{MEASURES_TABLE}")')
    db.close()
    return {name: (folder / name).read_bytes() for name in (SETTINGS, OWN_RECIPES, MEASURES)}
