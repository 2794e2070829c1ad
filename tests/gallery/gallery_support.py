"""Made-up skin packages and a headless Chromium for the gallery page's browser tests and benchmark.

Packages are built from the example skins with other texts; the browser is Debian's chromium driven
by chromedriver through python3-selenium, started offline with a profile of its own each time.
"""
import os
import shutil
import subprocess
import tempfile
import zipfile

CHROMIUM = "/usr/bin/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"
# This machine's network is closed, and a test must not reach out anyway.
CHROMIUM_FLAGS = [
    "--headless", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage", "--disable-quic",
    "--no-first-run", "--disable-background-networking", "--disable-component-update", "--disable-sync",
]


def missing_browser():
    """Why the browser cannot be started here, or None."""
    for path in (CHROMIUM, CHROMEDRIVER):
        if not os.access(path, os.X_OK):
            return path + " is not installed (scripts/deps installs it)"
    try:
        import selenium  # noqa: F401
    except ImportError:
        return "python3-selenium is not installed (scripts/deps installs it)"
    return None


def skin_text(example_ini, settings):
    """The example's skin file with the given settings (skinname, notes, ...) replaced or added, and the
    picture named skin.png; UTF-16 with a byte-order mark, as the designer writes it."""
    with open(example_ini, "rb") as f:
        lines = f.read().decode("utf-16").splitlines()
    settings = dict(settings, bitmap="skin.png")
    # The skin-wide settings come first, before the first [section].
    first_section = next((i for i, line in enumerate(lines) if line.startswith("[")), len(lines))
    head = [line for line in lines[:first_section] if line.split("=", 1)[0] not in settings]
    head = ["%s=%s" % (key, value) for key, value in settings.items()] + head
    return "\r\n".join(head + lines[first_section:]).encode("utf-16")


def write_package(path, example_dir, settings, picture=None, mtime=None, padding=0):
    """A .qsk of the example in example_dir (its .ini and .png) with other settings; `picture` replaces
    its PNG's bytes, `padding` adds an entry of that many bytes (a larger package), `mtime` sets the
    file's modification time."""
    name = os.path.basename(example_dir.rstrip("/"))
    inis = [n for n in os.listdir(example_dir) if n.endswith(".ini")]
    pngs = [n for n in os.listdir(example_dir) if n.endswith(".png")]
    ini = os.path.join(example_dir, inis[0] if inis else name + ".ini")
    png = os.path.join(example_dir, pngs[0] if pngs else name + ".png")
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
        z.writestr("skin.ini", skin_text(ini, settings))
        if picture is None:
            with open(png, "rb") as f:
                picture = f.read()
        z.writestr("skin.png", picture)
        if padding:
            z.writestr("readme.txt", os.urandom(padding), compress_type=zipfile.ZIP_STORED)
    if mtime is not None:
        os.utime(path, (mtime, mtime))


def catalogue(cli, folder, *extra):
    """Runs drapier-cli catalogue FOLDER --html; its exit status, output and errors."""
    run = subprocess.run([cli, "catalogue", folder, "--html", "--quiet", *extra], capture_output=True, text=True)
    return run.returncode, run.stdout, run.stderr


class Browser:
    """One headless Chromium for a whole run of checks; close() ends it and removes its profile."""

    def __init__(self):
        from selenium import webdriver
        from selenium.webdriver.chrome.service import Service

        self.profile = tempfile.mkdtemp(prefix="drapier-chromium-")
        options = webdriver.ChromeOptions()
        options.binary_location = CHROMIUM
        for flag in CHROMIUM_FLAGS + ["--user-data-dir=" + self.profile]:
            options.add_argument(flag)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)

    def viewport(self, width, height):
        # Exact CSS pixels: a headless window cannot be made narrower than 500.
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": 1, "mobile": False})

    def open(self, path, fragment=""):
        """Loads the page from disk and waits until the pictures in sight are in."""
        from selenium.webdriver.support.ui import WebDriverWait

        # From a blank page: an address that differs from the current one only in its fragment would
        # not load the page again, and the page would follow the new fragment only some time later.
        self.driver.get("about:blank")
        self.driver.get("file://" + os.path.abspath(path) + fragment)
        # Only the first cards can be in sight: asking every card of thousands where it is would lay out
        # each one the page leaves unlaid while out of sight, seconds of work no reader causes.
        WebDriverWait(self.driver, 20).until(lambda d: d.execute_script("""
            return document.readyState === "complete" && Array.from(document.images).slice(0, 24).every((i) => {
                const r = i.getBoundingClientRect();
                return r.bottom <= 0 || r.top >= innerHeight || i.complete;
            });"""))

    def close(self):
        try:
            self.driver.quit()
        finally:
            shutil.rmtree(self.profile, ignore_errors=True)
