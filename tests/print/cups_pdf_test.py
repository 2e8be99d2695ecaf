"""Prints a recipe through Wine on a CUPS PDF printer and reads the PDF's text back.

The test starts a CUPS server of its own (its own configuration, spool and log folders and a
local socket, nothing of the system's server is used or changed), adds a printer with the
cups-pdf driver whose output goes to a folder of the test's own, points Wine at the server with
CUPS_SERVER and runs the print driver, which prints through the program's printing code. The
PDF's text must hold every line of the recipe.

Wine reads the CUPS printers into its prefix when a program loads its spooler, once for all the
prefix's programs that load it at that moment, with the environment of whichever came first: a
test running beside this one in a shared prefix would read them without CUPS_SERVER and find none.
So the driver runs in a Wine prefix of the test's own. Where CUPS cannot run here the test says why and
exits with 77, which ctest counts as skipped.

    cups_pdf_test.py PRINT_DRIVER_EXE
"""
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import uuid

SKIP = 77
PPD = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"
BACKEND = "/usr/lib/cups/backend/cups-pdf"
# cups-pdf reads the settings of a printer named NAME from here, and from nowhere else.
CUPS_PDF_CONF = "/etc/cups/cups-pdf-{}.conf"

RECIPE_NAME = "Таратор с орехи"
RECIPE_PLACE = "Моите Рецепти"
PRODUCTS = ["2 краставици", "500 г кисело мляко", "3 скилидки чесън", "50 г орехи", "копър, сол, олио"]
STEPS = ["Краставиците се нарязват на малки кубчета.",
         "Млякото се разбърква с вода, чесънът се счуква и се добавя.",
         "Прибавят се краставиците, орехите и копърът; подправя се и се сервира студен."]


def skip(reason):
    print("SKIPPED: " + reason)
    sys.exit(SKIP)


def fail(reason):
    print("FAILED: " + reason)
    sys.exit(1)


def why_cups_cannot_run():
    for tool in ("cupsd", "lpadmin", "lpstat", "pdftotext"):
        if shutil.which(tool) is None:
            return f"{tool} is not installed (packages cups, printer-driver-cups-pdf, poppler-utils)"
    if not os.path.exists(PPD) or not os.path.exists(BACKEND):
        return "the cups-pdf printer driver is not installed (package printer-driver-cups-pdf)"
    if os.geteuid() != 0:
        return "cups-pdf runs only under a CUPS server started as root, and this test is not root"
    if not os.access(os.path.dirname(CUPS_PDF_CONF), os.W_OK):
        return "the cups-pdf settings folder /etc/cups cannot be written"
    return None


def write_config(root):
    # The filters run as the server's user for filters (lp), not as root: they must reach the spool.
    os.chmod(root, 0o755)
    for folder in ("conf", "spool", "cache", "state", "log", "tmp", "out"):
        os.makedirs(os.path.join(root, folder), exist_ok=True)
    os.chmod(os.path.join(root, "out"), 0o1777)
    socket = os.path.join(root, "cups.sock")
    with open(os.path.join(root, "conf", "cupsd.conf"), "w") as f:
        f.write(f"Listen {socket}\nLogLevel info\nWebInterface No\nBrowsing No\nDefaultAuthType None\n"
                "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                "<Location /admin>\n  Order allow,deny\n  Allow all\n</Location>\n"
                "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n")
    with open(os.path.join(root, "conf", "cups-files.conf"), "w") as f:
        f.write(f"ServerRoot {root}/conf\nRequestRoot {root}/spool\nCacheDir {root}/cache\nStateDir {root}/state\n"
                f"TempDir {root}/tmp\nErrorLog {root}/log/error_log\nAccessLog {root}/log/access_log\n"
                f"PageLog {root}/log/page_log\nSystemGroup root\n")
    return socket


def start_cupsd(root, socket):
    server = subprocess.Popen(["cupsd", "-f", "-c", f"{root}/conf/cupsd.conf", "-s", f"{root}/conf/cups-files.conf"],
                              stdout=subprocess.PIPE, stderr=subprocess.STDOUT, start_new_session=True)
    for _ in range(100):
        if server.poll() is not None:
            return server, "cupsd ended at start: " + server.stdout.read().decode(errors="replace").strip()
        if os.path.exists(socket):
            state = subprocess.run(["lpstat", "-h", socket, "-r"], capture_output=True, text=True)
            if "is running" in state.stdout:
                return server, None
        time.sleep(0.1)
    return server, "cupsd did not answer within 10 seconds"


def stop(server):
    if server.poll() is None:
        os.killpg(server.pid, signal.SIGTERM)
        try:
            server.wait(10)
        except subprocess.TimeoutExpired:
            os.killpg(server.pid, signal.SIGKILL)
            server.wait()


def make_prefix(wine, root):
    """A Wine prefix of the test's own, without the browser and .NET engines it does not need."""
    env = dict(os.environ, WINEPREFIX=os.path.join(root, "prefix"), WINEDEBUG="-all",
               WINEDLLOVERRIDES="mscoree,mshtml=")
    env.pop("DISPLAY", None)
    made = subprocess.run([wine, "wineboot", "--init"], capture_output=True, env=env, timeout=240)
    wait_for_wineserver(wine, env)
    if made.returncode != 0:
        fail("the test's Wine prefix could not be made: " + made.stderr.decode(errors="replace")[-2000:])
    return env


def wineserver_of(wine):
    beside = os.path.join(os.path.dirname(wine), "wineserver")
    return beside if os.path.exists(beside) else shutil.which("wineserver")


def wait_for_wineserver(wine, env, kill=False):
    server = wineserver_of(wine)
    if server:
        subprocess.run([server, "-k" if kill else "-w"], env=env, timeout=120)


def wait_for_pdf(folder, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        pdfs = [name for name in os.listdir(folder) if name.endswith(".pdf")]
        if pdfs:
            path = os.path.join(folder, pdfs[0])
            # cups-pdf writes the file in one go once Ghostscript is done; wait for its size to settle.
            size = -1
            while size != os.path.getsize(path):
                size = os.path.getsize(path)
                time.sleep(0.5)
            return path
        time.sleep(0.5)
    return None


def main():
    driver = sys.argv[1]
    reason = why_cups_cannot_run()
    if reason:
        skip(reason)
    wine = os.environ.get("VELMORA_WINE") or shutil.which("wine")
    if not wine:
        skip("no Wine to run the print driver with")
    printer = "velmora" + uuid.uuid4().hex[:8]
    root = tempfile.mkdtemp(prefix="velmora-cups-")
    conf = CUPS_PDF_CONF.format(printer)
    server = None
    env = None
    try:
        socket = write_config(root)
        with open(conf, "w") as f:
            f.write(f"Out {root}/out\nAnonDirName {root}/out\nLabel 0\nGrp root\n")
        server, reason = start_cupsd(root, socket)
        if reason:
            skip("CUPS cannot run here: " + reason)
        added = subprocess.run(["lpadmin", "-h", socket, "-p", printer, "-E", "-v", f"cups-pdf:/{printer}", "-P", PPD],
                               capture_output=True, text=True)
        if added.returncode != 0:
            fail("lpadmin could not add the PDF printer: " + added.stderr)
        recipe = os.path.join(root, "recipe.txt")
        with open(recipe, "w", encoding="utf-8", newline="\n") as f:
            f.write("\n".join([RECIPE_NAME, RECIPE_PLACE] + PRODUCTS + ["---"] + STEPS) + "\n")
        env = make_prefix(wine, root)
        env["CUPS_SERVER"] = socket
        printed = subprocess.run([wine, driver, printer, recipe], capture_output=True, env=env, timeout=240)
        if printed.returncode != 0:
            fail(f"the print driver failed ({printed.returncode}): "
                 + printed.stderr.decode(errors="replace")[-2000:])
        pdf = wait_for_pdf(os.path.join(root, "out"), 120)
        if pdf is None:
            with open(os.path.join(root, "log", "error_log"), errors="replace") as log:
                fail("no PDF came out of the printer; the server's log ends:\n" + log.read()[-3000:])
        text = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True, text=True).stdout
        flat = " ".join(text.split())
        expected = [RECIPE_NAME, RECIPE_PLACE, "Продукти", "Начин на приготвяне", "Страница 1 от 1"] + PRODUCTS + \
                   [f"{number}. {step}" for number, step in enumerate(STEPS, 1)]
        missing = [line for line in expected if " ".join(line.split()) not in flat]
        if missing:
            fail("the PDF lacks " + repr(missing) + "; its text is:\n" + text)
        order = [flat.find(part) for part in (RECIPE_NAME, "Продукти", PRODUCTS[0], "Начин на приготвяне", STEPS[0])]
        if order != sorted(order):
            fail("the parts of the recipe are out of order in the PDF:\n" + text)
        print("printed and read back: " + pdf)
    finally:
        if env is not None:
            # Only this test's own prefix: its wineserver and the programs in it end here.
            wait_for_wineserver(wine, env, kill=True)
        if server is not None:
            stop(server)
        if os.path.exists(conf):
            os.remove(conf)
        shutil.rmtree(root, ignore_errors=True)


if __name__ == "__main__":
    main()
