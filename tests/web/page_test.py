"""The page in headless Chromium, driven through its labelled controls.

Usage: page_test.py LOTTO739_CLI EXAMPLES_DIR AXE_MIN_JS
"""
import json
import os
import re
import subprocess
import sys
import tempfile
import unittest
from urllib.parse import quote

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

from server import Server

CLI = EXAMPLES = AXE = None


def cli(args, cwd=None):
    done = subprocess.run([CLI, *args], capture_output=True, cwd=cwd or EXAMPLES, timeout=300)
    return done.stdout.decode("utf-8")


class PageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = Server(CLI)
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--window-size=1400,1000"):
            options.add_argument(flag)
        cls.downloads = tempfile.TemporaryDirectory()
        options.add_experimental_option("prefs", {"download.default_directory": cls.downloads.name})
        try:
            cls.browser = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        except Exception:
            cls.server.stop()  # tearDownClass does not run when this fails
            raise

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()
        cls.server.stop()
        cls.downloads.cleanup()

    def open(self, fragment=""):
        self.browser.get("about:blank")  # a new fragment alone would not load the page afresh
        self.browser.get(self.server.url + ("#" + quote(fragment) if fragment else ""))
        self.wait_for(lambda: self.text("stored") != "")

    def wait_for(self, condition):
        WebDriverWait(self.browser, 60).until(lambda _: condition())

    def text(self, element_id):
        found = self.browser.find_elements(By.ID, element_id)
        return found[0].text if found else ""

    def labelled(self, name):
        """The control a visible label, or else an aria-label, names."""
        labels = self.browser.find_elements(By.XPATH, "//label[normalize-space()='%s']" % name)
        if labels:
            return self.browser.find_element(By.ID, labels[0].get_attribute("for"))
        return self.browser.find_element(By.CSS_SELECTOR, "[aria-label^='%s']" % name)

    def button(self, name):
        return self.browser.find_element(By.XPATH, "//button[normalize-space()='%s']" % name)

    def test_a_filter_switched_on_recounts(self):
        self.open()
        self.assertEqual(self.text("stored"), "15380937")
        self.labelled("07) Lucky number:").send_keys("5")
        self.labelled("07) Lucky number").click()
        self.wait_for(lambda: self.text("stored") == "2760681")
        self.assertIn("-f%207%3D5", self.browser.current_url)  # the address holds the settings

    def test_a_link_restores_its_settings_and_their_count(self):
        settings = "-f 1=100,2=180 -f 3=3,4=4 -r C2=5-25"
        self.open(settings)
        expected = cli(settings.split() + ["-q"]).strip()
        self.wait_for(lambda: self.text("stored") == expected)
        self.assertTrue(self.labelled("01) Minimum amount of numbers").is_selected())
        self.assertEqual(self.labelled("02) Maximum amount of numbers:").get_attribute("value"), "180")
        self.assertEqual(self.labelled("Range C2").get_attribute("value"), "5-25")

    def test_a_backtest_shows_what_the_command_line_prints(self):
        self.open("-f 7=5")
        self.labelled("History file").send_keys(os.path.join(EXAMPLES, "random-draws.csv"))
        self.button("Back-test").click()
        expected = cli(["-f", "7=5", "--backtest", "--history", "random-draws.csv"])
        self.wait_for(lambda: self.text("output").startswith("Back-test"))
        self.assertEqual(self.text("output"), expected.strip())

    def test_a_wheel_shows_its_verified_guarantee(self):
        self.open()
        self.labelled("Numbers").send_keys("1-9")
        guarantee = self.labelled("Guarantee")
        guarantee.clear()
        guarantee.send_keys("2-if-3")
        self.button("Build wheel").click()
        self.wait_for(lambda: "verified" in self.text("output"))
        self.assertIn("# guarantee 2 if 3 verified over all 84 3-subsets", self.text("output"))
        self.assertTrue(self.button("Tickets as CSV").is_enabled())

    def test_a_shaped_wheel_prints_what_the_command_line_prints(self):
        cases = (  # page settings, the controls set, the command line's options
            ("", {"Tickets at most": "3", "Key numbers": "30"}, ["--tickets", "3", "--keys", "30"]),
            ("-f 3=3", {"Tickets at most": "2", "Tickets pass my filters": True},
             ["-f", "3=3", "--tickets", "2", "--filtered-tickets"]),
        )
        untimed = lambda text: [line for line in text.splitlines() if "seconds" not in line]
        for fragment, controls, options in cases:
            with self.subTest(options=options):
                self.open(fragment)
                self.labelled("Numbers").send_keys("1-10")
                for name, value in controls.items():
                    self.labelled(name).click() if value is True else self.labelled(name).send_keys(value)
                self.button("Build wheel").click()
                self.wait_for(lambda: "covers" in self.text("output"))
                expected = cli(["--wheel", "1-10", "--guarantee", "3-if-4", "--seed", "1", *options])
                self.assertEqual(untimed(self.text("output")), untimed(expected))
                # The summary lines wrap to the pane: the guarantee is read without scrolling.
                self.assertTrue(self.browser.execute_script(
                    "const o = document.getElementById('output'); return o.scrollWidth <= o.clientWidth;"))
                shown = [line for line in self.text("output").splitlines() if line[:1].isdigit()]
                if "--keys" in options:
                    self.assertEqual({line[-4:] for line in shown}, {", 30"})

    def serious_violations(self):
        with open(AXE, encoding="utf-8") as f:
            self.browser.execute_script(f.read())
        self.browser.set_script_timeout(60)
        violations = self.browser.execute_async_script(
            "const done = arguments[0];"
            "axe.run(document, {resultTypes: ['violations']}).then(r => done(r.violations));")
        return [(v["id"], v["impact"], [n["target"] for n in v["nodes"]]) for v in violations
                if v["impact"] in ("serious", "critical")]

    def test_the_odds_of_a_ticket_file_over_the_filtered_draws(self):
        self.open("-f 7=5")
        self.labelled("Tickets for the odds").send_keys(os.path.join(EXAMPLES, "tickets.txt"))
        self.labelled("Only draws that pass my filters").click()
        self.button("Odds of my tickets").click()
        self.wait_for(lambda: self.text("odds-table") != "")
        expected = json.loads(cli(["--odds", "tickets.txt", "-f", "7=5", "--format", "json"]))["best"]
        rows = self.browser.find_elements(By.CSS_SELECTOR, "#odds-table tbody tr")
        self.assertEqual([int(r.find_elements(By.TAG_NAME, "td")[0].text) for r in rows], expected[::-1])
        self.assertIn("pass your filters", self.text("view"))
        self.assertEqual(self.serious_violations(), [])  # with the funnel and the table shown

    def test_the_history_chart_has_a_bar_per_number(self):
        self.open()
        self.labelled("History file").send_keys(os.path.join(EXAMPLES, "random-draws.csv"))
        self.button("History statistics").click()
        self.wait_for(lambda: self.browser.find_elements(By.ID, "frequency-chart"))
        bars = self.browser.find_elements(By.CSS_SELECTOR, "#frequency-chart rect")
        stats = json.loads(cli(["--history-stats", "--history", "random-draws.csv", "--format", "json"]))
        self.assertEqual(len(bars), 39)
        self.assertEqual(bars[11].get_attribute("data-count"), str(stats["numbers"][11]["count"]))
        self.assertIn("Chance alone gives every number 26.92 draws", self.text("view"))
        self.assertEqual(self.serious_violations(), [])

    def test_a_history_is_read_in_its_encoding_as_on_the_command_line(self):
        # Newest first, as only the dates tell: "März" must survive the upload for them to.
        lines = "Datum;Zahlen\n12. März 2026;2;6;10;13;21;31;38\n5. März 2026;1;5;9;12;20;30;39\n"
        with tempfile.TemporaryDirectory() as folder:
            for encoding in ("cp1252", "utf-16"):
                with self.subTest(encoding=encoding):
                    name = "draws-%s.csv" % encoding
                    with open(os.path.join(folder, name), "wb") as f:
                        f.write(lines.replace("\n", "\r\n").encode(encoding))
                    self.open()
                    self.labelled("History file").send_keys(os.path.join(folder, name))
                    self.button("History statistics").click()
                    self.wait_for(lambda: self.text("output").startswith("History statistics"))
                    expected = cli(["--history-stats", "--history", name], cwd=folder)
                    self.assertIn("ordered by date", expected)
                    self.assertEqual(self.text("output"), expected.strip())

    def test_tickets_are_checked_against_a_history_of_the_same_name(self):
        with tempfile.TemporaryDirectory() as folder:
            for sub, source in (("t", "tickets.txt"), ("h", "random-draws.csv")):
                os.mkdir(os.path.join(folder, sub))
                with open(os.path.join(EXAMPLES, source), "rb") as f:
                    data = f.read()
                with open(os.path.join(folder, sub, "mine.txt"), "wb") as f:
                    f.write(data)
                with open(os.path.join(folder, {"t": "mine.txt", "h": "2-mine.txt"}[sub]), "wb") as f:
                    f.write(data)
            self.open()
            self.labelled("Ticket file").send_keys(os.path.join(folder, "t", "mine.txt"))
            self.labelled("History file").send_keys(os.path.join(folder, "h", "mine.txt"))
            self.button("Check tickets").click()
            self.wait_for(lambda: self.text("output").startswith("Ticket check"))
            expected = cli(["--check-tickets", "mine.txt", "--history", "2-mine.txt"], cwd=folder)
            self.assertEqual(self.text("output"), expected.strip())

    def test_an_export_longer_than_a_browser_string_is_downloaded_whole(self):
        self.open("--game 7/41")  # 22,481,940 lines of 28 bytes: 629 MB
        self.button("Export").click()
        self.wait_for(lambda: self.text("output").startswith("Exported"))
        self.assertEqual(self.text("output"), "Exported 22481940 combinations.")
        path = os.path.join(self.downloads.name, "kvx7_22481940.txt")
        self.wait_for(lambda: os.path.exists(path) and os.path.getsize(path) == 22481940 * 28)
        with open(path, "rb") as f:
            self.assertEqual(f.read(56), b"01, 02, 03, 04, 05, 06, 07\r\n01, 02, 03, 04, 05, 06, 08\r\n")
            f.seek(-28, os.SEEK_END)
            self.assertEqual(f.read(), b"35, 36, 37, 38, 39, 40, 41\r\n")
        os.remove(path)

    def test_a_phone_shows_the_page_without_sideways_scrolling(self):
        metrics = {"width": 360, "height": 780, "deviceScaleFactor": 2, "mobile": True}
        self.browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", metrics)
        try:
            self.open()
            widths = self.browser.execute_script(
                "return [innerWidth, document.documentElement.scrollWidth]")
            self.assertEqual(widths, [360, 360])
        finally:
            self.browser.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})

    def test_a_bad_value_shows_the_message(self):
        self.open()
        self.labelled("01) Minimum amount of numbers").click()
        self.labelled("01) Minimum amount of numbers:").send_keys("300")
        self.wait_for(lambda: self.text("problem") != "")
        self.assertEqual(self.text("problem"), "-f 1=300: parameter 300 of filter 1 is outside 0..252")

if __name__ == "__main__":
    CLI, EXAMPLES, AXE = (os.path.abspath(a) for a in sys.argv[1:4])
    unittest.main(argv=sys.argv[:1], verbosity=2)
