#!/usr/bin/python3
"""The gallery page in a real browser: drapier-cli catalogue --html on a folder of made-up packages
(hostile texts among them), then the page in headless Chromium: its cards and texts, no script from a
package, the search (typed and from the address), the sort, the keyboard, and a phone's width.

    gallery_page_test.py --cli build/dev/src/drapier-cli --examples examples [--shots DIR]

--shots DIR (or DRAPIER_GALLERY_SHOTS) also saves the page at 1280x800 and 390x844. Exit status 77
when the browser is not installed.
"""
import argparse
import os
import sys
import tempfile
import unittest
import urllib.parse

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import gallery_support  # noqa: E402

DAY = 86400
T0 = 1700000000
ARGS = None

HOSTILE_NAME = '<img src=x onerror="window.drapierOwned=1">'
HOSTILE_AUTHOR = '"><svg onload=window.drapierOwned=2>'
HOSTILE_NOTES = "<script>window.drapierOwned=5</script>^M&amp; done"
LONG_NAME = "Averyveryverylongskinnamewithoutanyspaceatallthatmustwrapinsideitscardonaphone"
RTL_NAME = "\u05e9\u05dc\u05d5\u05dd \u05e2\u05dc\u05d9\u05db\u05dd"  # right to left
EMOJI_AUTHOR = "Zo\u00eb \U0001f4dd"  # a character beyond the BMP

# file name: (example, settings, package options)
PACKAGES = {
    "plain paper.qsk": ("plain", {"skinname": "Plain Paper", "authorname": "Ann Author",
                                  "authorurl": "https://ann.example.org/", "notes": "Ruled lines^MSecond line"},
                        {"mtime": T0}),
    "ribbon #2 (100%).qsk": ("rich", {"skinname": "Ribbon", "authorname": "Bo",
                                      "authorurl": "javascript:window.drapierOwned=3", "notes": "Scroll bar"},
                             {"mtime": T0 + 3 * DAY, "padding": 20000}),
    "hostile.qsk": ("plain", {"skinname": HOSTILE_NAME, "authorname": HOSTILE_AUTHOR,
                              "authorurl": 'http://example.org/" onmouseover="window.drapierOwned=4',
                              "notes": HOSTILE_NOTES}, {"mtime": T0 + DAY}),
    "rtl.qsk": ("plain", {"skinname": RTL_NAME, "authorname": EMOJI_AUTHOR, "notes": "bell\x07 rings"},
                {"mtime": T0 + 2 * DAY}),
    "long.qsk": ("plain", {"skinname": LONG_NAME, "authorname": "L",
                           "authorurl": "https://example.org/" + "x" * 120, "notes": ""}, {"mtime": T0 - DAY}),
    "nopicture.qsk": ("plain", {"skinname": "No Picture", "authorname": "N", "notes": "Its picture is damaged"},
                      {"mtime": T0 - 2 * DAY, "picture": b"this is no PNG"}),
}


class GalleryPage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory(prefix="drapier-gallery-")
        folder = cls.folder.name
        for name, (example, settings, options) in PACKAGES.items():
            gallery_support.write_package(os.path.join(folder, name), os.path.join(ARGS.examples, example),
                                          settings, **options)
        broken = os.path.join(folder, "broken.qsk")
        with open(broken, "wb") as f:
            f.write(b"not a package")
        os.utime(broken, (T0 - 3 * DAY, T0 - 3 * DAY))
        status, out, err = gallery_support.catalogue(ARGS.cli, folder)
        cls.status, cls.err = status, err
        cls.page = os.path.join(folder, "index.html")
        cls.browser = gallery_support.Browser()
        cls.driver = cls.browser.driver

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()
        cls.folder.cleanup()

    def setUp(self):
        self.browser.viewport(1280, 800)
        self.browser.open(self.page)

    def script(self, js, *args):
        return self.driver.execute_script(js, *args)

    def cards(self):
        """The cards in page order: name, shown or not, and their parts' texts."""
        return self.script("""
            return Array.from(document.querySelectorAll("#cards > li"), (c) => {
                const text = (s) => { const e = c.querySelector(s); return e ? e.innerText : null; };
                const link = c.querySelector(".author a");
                return {name: text(".name"), shown: !c.hidden, author: text(".author"), notes: text(".notes"),
                        unread: text(".unread"), badges: Array.from(c.querySelectorAll(".badges li"), (b) => b.innerText),
                        authorLink: link ? link.getAttribute("href") : null,
                        img: c.querySelector("img") ? c.querySelector("img").src : null,
                        download: c.querySelector("a.download").href};
            });""")

    def shown(self):
        return [c["name"] for c in self.cards() if c["shown"]]

    def type_search(self, text):
        from selenium.webdriver.common.keys import Keys
        search = self.driver.find_element("id", "search")
        search.send_keys(Keys.CONTROL, "a")
        search.send_keys(Keys.BACKSPACE)
        if text:
            search.send_keys(text)

    def test_run_reports_only_the_broken_packages(self):
        self.assertEqual(self.status, 1, self.err)
        self.assertIn("broken.qsk", self.err)
        self.assertNotIn("index.html", self.err)

    def test_one_card_per_package_with_its_texts(self):
        cards = {c["name"]: c for c in self.cards()}
        self.assertEqual(len(cards), len(PACKAGES) + 1)
        self.assertEqual(self.driver.find_element("id", "count").text, "7 skins")
        self.assertEqual(self.script("return document.documentElement.lang"), "en")

        plain = cards["Plain Paper"]
        self.assertEqual(plain["author"], "by Ann Author")
        self.assertEqual(plain["authorLink"], "https://ann.example.org/")
        self.assertEqual(plain["notes"], "Ruled lines\nSecond line")
        self.assertEqual(plain["badges"], ["Drawn rolled up"])

        ribbon = cards["Ribbon"]
        self.assertIsNone(ribbon["authorLink"])  # a javascript: URL is text, never a link
        self.assertEqual(ribbon["author"], "by Bo \u00b7 javascript:window.drapierOwned=3")
        self.assertIn("Own scroll bar", ribbon["badges"])

        rtl = cards[RTL_NAME]
        self.assertEqual(rtl["author"], "by " + EMOJI_AUTHOR)
        self.assertEqual(rtl["notes"], "bell rings")  # the control character dropped

        broken = cards["broken.qsk"]
        self.assertEqual(broken["unread"], "could not be read")
        self.assertIsNone(broken["img"])
        nopicture = cards["No Picture"]  # its texts, no picture
        self.assertIsNone(nopicture["img"])
        self.assertEqual(nopicture["author"], "by N")

        # Pictures and downloads point at the folder's files, whatever their names hold.
        for card in cards.values():
            self.assertTrue(os.path.isfile(urllib.parse.unquote(urllib.parse.urlparse(card["download"]).path)),
                            card["download"])
            if card["img"]:
                self.assertTrue(os.path.isfile(urllib.parse.unquote(urllib.parse.urlparse(card["img"]).path)))
        self.assertEqual(sum(1 for c in cards.values() if c["img"]), 5)
        loaded = self.script("""return Array.from(document.images).filter((i) => i.complete)
                                    .every((i) => i.naturalWidth > 0);""")
        self.assertTrue(loaded)

    def test_no_script_from_a_package_runs(self):
        from selenium.webdriver.common.action_chains import ActionChains
        # Over every author link (a hostile one among them), then everything has had its chance.
        for link in self.driver.find_elements("css selector", "#cards .author a"):
            ActionChains(self.driver).move_to_element(link).perform()
        self.assertIsNone(self.script("return window.drapierOwned === undefined ? null : window.drapierOwned"))
        hostile = [c for c in self.cards() if c["name"] == HOSTILE_NAME]
        self.assertEqual(len(hostile), 1)
        self.assertEqual(hostile[0]["author"], "by " + HOSTILE_AUTHOR)
        self.assertEqual(hostile[0]["authorLink"], 'http://example.org/" onmouseover="window.drapierOwned=4')
        self.assertEqual(hostile[0]["notes"], "<script>window.drapierOwned=5</script>\n&amp; done")
        # Nor did the page break its own rules: no blocked style, script or picture.
        errors = [e for e in self.driver.get_log("browser") if e["level"] == "SEVERE"]
        self.assertEqual(errors, [])

    def test_search_filters_as_the_user_types(self):
        self.type_search("RULED")  # notes, any case
        self.assertEqual(self.shown(), ["Plain Paper"])
        self.assertEqual(self.driver.find_element("id", "count").text, "1 of 7 skins")
        self.assertEqual(self.script("return location.hash"), "#q=RULED")
        self.type_search("zo\u00cb")  # author, beyond ASCII
        self.assertEqual(self.shown(), [RTL_NAME])
        self.type_search("onerror")  # the hostile name, as text
        self.assertEqual(self.shown(), [HOSTILE_NAME])
        self.type_search("nothing like this")
        self.assertEqual(self.shown(), [])
        self.assertTrue(self.driver.find_element("id", "none").is_displayed())
        self.assertEqual(self.driver.find_element("id", "count").text, "0 of 7 skins")
        self.type_search("")
        self.assertEqual(len(self.shown()), 7)
        self.assertEqual(self.script("return location.hash"), "")

    def test_search_from_the_address(self):
        self.browser.open(self.page, "#q=ribbon")
        self.assertEqual(self.driver.find_element("id", "search").get_attribute("value"), "ribbon")
        self.assertEqual(self.shown(), ["Ribbon"])
        self.browser.open(self.page, "#q=paper&sort=newest")
        self.assertEqual(self.shown(), ["Plain Paper"])
        self.assertEqual(self.driver.find_element("id", "sort").get_attribute("value"), "newest")
        self.browser.open(self.page, "#q=%zz")  # a broken escape filters for itself
        self.assertEqual(self.shown(), [])

    def test_sort(self):
        from selenium.webdriver.support.ui import Select
        names = self.shown()
        self.assertLess(names.index("broken.qsk"), names.index("Plain Paper"))  # by name, case ignored
        self.assertLess(names.index("Plain Paper"), names.index("Ribbon"))
        sort = Select(self.driver.find_element("id", "sort"))
        sort.select_by_value("newest")
        self.assertEqual(self.shown(), ["Ribbon", RTL_NAME, HOSTILE_NAME, "Plain Paper", LONG_NAME, "No Picture",
                                        "broken.qsk"])
        self.assertEqual(self.script("return location.hash"), "#sort=newest")
        sort.select_by_value("largest")
        self.assertEqual(self.shown()[0], "Ribbon")
        self.assertEqual(self.shown()[-1], "broken.qsk")
        sort.select_by_value("name")
        self.assertEqual(self.shown(), names)

    def test_keyboard_reaches_the_controls_with_visible_focus(self):
        from selenium.webdriver.common.action_chains import ActionChains
        from selenium.webdriver.common.keys import Keys
        ActionChains(self.driver).send_keys(Keys.TAB).perform()
        self.assertEqual(self.script("return document.activeElement.id"), "search")
        self.assertNotEqual(self.script("return getComputedStyle(document.activeElement).outlineStyle"), "none")
        ActionChains(self.driver).send_keys("ribbon").perform()
        self.assertEqual(self.shown(), ["Ribbon"])
        ActionChains(self.driver).send_keys(Keys.TAB).perform()
        self.assertEqual(self.script("return document.activeElement.id"), "sort")
        self.assertEqual(self.script("return document.querySelector('label[for=sort]').innerText"), "Sort by")
        ActionChains(self.driver).send_keys(Keys.TAB).perform()
        self.assertEqual(self.script("return document.activeElement.className"), "download")

    def test_nothing_is_wider_than_a_phone(self):
        self.browser.viewport(390, 844)
        self.browser.open(self.page)
        self.assertEqual(self.script("return innerWidth"), 390)
        self.assertLessEqual(self.script("return document.documentElement.scrollWidth"), 390)
        wide = self.script("""
            return Array.from(document.querySelectorAll("body *")).filter((e) => {
                const r = e.getBoundingClientRect();
                return r.width > 0 && (r.right > innerWidth + 0.5 || r.left < -0.5);
            }).map((e) => e.tagName + "." + e.className);""")
        self.assertEqual(wide, [])
        # One column.
        lefts = self.script("return Array.from(document.querySelectorAll('#cards > li'), (c) => c.offsetLeft)")
        self.assertEqual(len(set(lefts)), 1)

    def test_shots(self):
        shots = ARGS.shots or os.environ.get("DRAPIER_GALLERY_SHOTS")
        if not shots:
            self.skipTest("no --shots folder")
        os.makedirs(shots, exist_ok=True)
        for width, height in ((1280, 800), (390, 844)):
            self.browser.viewport(width, height)
            self.browser.open(self.page)
            self.driver.save_screenshot(os.path.join(shots, "gallery-%dx%d.png" % (width, height)))


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True)
    parser.add_argument("--examples", required=True)
    parser.add_argument("--shots")
    ARGS, rest = parser.parse_known_args()
    missing = gallery_support.missing_browser()
    if missing:
        print("gallery_page_test: skipped, " + missing, file=sys.stderr)
        sys.exit(77)
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
