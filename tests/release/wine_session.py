"""Drives the release under Wine as a Windows user would, and looks at the result from outside.

Uses the Wine prefix in WINEPREFIX (the test prefix of scripts/test.sh), the Wine loader of the
edition under test in VELMORA_WINE and the window probe in VELMORA_PROBE. Everything waited for has a generous deadline, only so that a hang ends the test.
"""
import contextlib
import os
import re
import signal
import subprocess
import time
from pathlib import Path

PREFIX = Path(os.environ["WINEPREFIX"])
PROBE = os.environ["VELMORA_PROBE"]
WINE = os.environ.get("VELMORA_WINE", "wine")
UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora XP"
MAIN_WINDOW_CLASS = "TForm1"
DEADLINE = 90  # seconds

# Wine would mirror every shortcut into the Linux desktop's menus.
ENV = dict(os.environ, WINEDLLOVERRIDES=os.environ.get("WINEDLLOVERRIDES", "") + ";winemenubuilder.exe=d")


def wine(*args, cwd=None):
    """Runs a Windows program to its end; its output is returned as text."""
    result = subprocess.run([WINE, *args], cwd=cwd, env=ENV, stdin=subprocess.DEVNULL,
                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=DEADLINE)
    if result.returncode != 0:
        raise RuntimeError(f"wine {' '.join(map(str, args))} ended with {result.returncode}")
    return result.stdout.decode("ascii", "replace")


def start_server():
    """A wineserver started by a test would keep the test runner's pipes open: start it quietly."""
    subprocess.run([WINE, "cmd", "/c", "exit", "0"], env=ENV, stdin=subprocess.DEVNULL,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=DEADLINE, check=True)


def windows_path(path):
    """Wine's drive Z: is the Linux root."""
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")


def linux_path(path):
    drive, rest = path[0].upper(), path[2:].replace("\\", "/")
    if drive == "Z":
        return Path(rest)
    return Path(os.path.realpath(PREFIX / "dosdevices" / f"{drive.lower()}:")) / rest.lstrip("/")


def user_folder(variable):
    """A folder of the Windows user's environment, e.g. APPDATA, as a Linux path."""
    return linux_path(wine("cmd", "/c", "echo", f"%{variable}%").strip())


def start_menu_shortcut():
    return user_folder("APPDATA") / "Microsoft/Windows/Start Menu/Programs/Велмора XP.lnk"


def desktop_shortcut():
    return user_folder("USERPROFILE") / "Desktop/Велмора XP.lnk"


def install(setup, folder=None):
    """A silent install; into the folder given or, without one, where the installer chooses."""
    # /D= must come last and unquoted, so the command line is handed over as it is.
    command = f"{windows_path(setup)} /S" + (f" /D={windows_path(folder)}" if folder else "")
    wine("cmd", "/c", command)


def _processes(program):
    """Ids of the processes in this prefix running the program (a file name or a full path)."""
    ours = f"WINEPREFIX={PREFIX}".encode()
    found = []
    for proc in Path("/proc").iterdir():
        try:
            arguments = (proc / "cmdline").read_bytes().decode("utf-8", "replace").split("\0")
            if any(arg == program or arg.endswith("\\" + program) for arg in arguments) and \
                    ours in (proc / "environ").read_bytes().split(b"\0"):
                found.append(int(proc.name))
        except (OSError, ValueError):
            continue
    return found


def uninstall(folder):
    """A silent uninstall, waited for to its end."""
    wine(windows_path(Path(folder) / "uninstall.exe"), "/S")
    deadline = time.monotonic() + DEADLINE
    # The uninstaller hands over to a copy of itself in the temporary folder and ends at once.
    while _processes("Un.exe"):
        if time.monotonic() > deadline:
            raise RuntimeError("the uninstaller did not end")
        time.sleep(0.2)


def uninstall_entry():
    """The values of the program's entry in the list of installed programs, or None."""
    export = PREFIX / "drive_c" / "uninstall-entry.reg"
    export.unlink(missing_ok=True)
    try:
        wine("reg", "export", UNINSTALL_KEY, windows_path(export), "/y")
    except RuntimeError:
        return None
    text = export.read_bytes().decode("utf-16").replace("\r\n", "\n")
    export.unlink()
    values = {}
    for name, value in re.findall(r'^"((?:[^"\\]|\\.)*)"=(.*)$', text, re.MULTILINE):
        if value.startswith("dword:"):
            values[name] = int(value[6:], 16)
        else:
            values[name] = re.sub(r"\\(.)", r"\1", value[1:-1])
    return values


@contextlib.contextmanager
def running_program(program, working_folder, desktop):
    """Starts the program in a virtual desktop of its own, as a shortcut starts it, and waits for
    its main window; on leaving, closes that window and waits for the program to end."""
    process = subprocess.Popen([WINE, "explorer", f"/desktop={desktop},800x600", program], cwd=working_folder,
                               env=ENV, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        shown = subprocess.run([WINE, PROBE, desktop, "wait", MAIN_WINDOW_CLASS, str(DEADLINE)], env=ENV,
                               stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                               timeout=DEADLINE + 30).returncode == 0
        yield shown
        if shown:
            subprocess.run([WINE, PROBE, desktop, "close", MAIN_WINDOW_CLASS, "10"], env=ENV,
                           stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                           timeout=DEADLINE)
            process.wait(timeout=DEADLINE)
    finally:
        # A program stuck, e.g. on an error box, is ended with the desktop that holds it.
        for pid in _processes(str(program)):
            os.kill(pid, signal.SIGKILL)
        if process.poll() is None:
            process.kill()
        process.wait()
