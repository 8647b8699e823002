#!/usr/bin/python3
"""The web page as a user meets it, in Chromium, Firefox ESR and WebKitGTK:
typed into with real key events, fields found by their ids and captions,
audited by axe-core (npm ci in tests/web).
Usage: page_test.py BUILD_DIR (the emscripten build, with eurolire.html)."""

import collections
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

import browser

BUILD = pathlib.Path(sys.argv.pop(1) if len(sys.argv) > 1 else 'build-web')
SELECT_ALL = Keys.CONTROL + 'a' + Keys.NULL
OFFLINE = {'offline': True, 'latency': 0, 'downloadThroughput': -1,
           'uploadThroughput': -1}
AXE = (pathlib.Path(__file__).parent /
       'node_modules/axe-core/axe.min.js').read_text()
WINDOW_CASES = pathlib.Path(__file__).parents[1] / 'form' / 'window_cases.txt'
TEXT = r'(?:"[^"]*"(?:\*\d+)?\s*)+'


def text(written):
    """A TEXT of window_cases.txt: pieces side by side, each maybe repeated."""
    return ''.join(piece * int(times or 1) for piece, times in
                   re.findall(r'"([^"]*)"(?:\*(\d+))?', written))


def window_cases():
    """The cases every window passes (tests/form/window_cases.txt, which
    says how they are written): each case's name and steps, each step its
    line, action, field, text and expectations."""
    cases = []
    for number, line in enumerate(WINDOW_CASES.read_text().splitlines(), 1):
        if not line or line.startswith('#'):
            continue
        if line.startswith('case: '):
            cases.append((line[6:], []))
            continue
        step, _, expected = line.partition('=>')
        action, field, written = re.fullmatch(
            r'(\S+)(?: (Euro|Lire))?\s*(.*?)\s*', step).groups()
        expectations = {name or key: text(texts) if name else value
                        for name, texts, key, value in re.findall(
                            rf'(Euro|Lire)=({TEXT})|(ran|reports)=(\S*)',
                            expected)}
        cases[-1][1].append((number, action, field, text(written),
                             expectations))
    return cases


def field(driver, caption):
    """The input that the caption labels."""
    label = driver.find_element(By.XPATH, f"//label[.='{caption}']")
    return driver.find_element(By.ID, label.get_attribute('for'))


def texts(driver):
    return tuple(driver.execute_script(
        "return ['Euro', 'Lire'].map(id =>"
        " document.getElementById(id).value)"))


def type_keys(driver, keys):
    """Keys to whatever has the focus; a modifier holds until Keys.NULL."""
    driver.switch_to.active_element.send_keys(keys)


def report(driver):
    """The open error report's title and text, or None."""
    return driver.execute_script(
        "const r = document.getElementById('ErrorReport');"
        "return r.open ? [r.querySelector('h2').textContent,"
        " r.querySelector('p').textContent] : null")


def audit(driver):
    """axe-core's violations of WCAG 2.2 A and AA and of its best practices:
    each rule with the elements that break it."""
    return driver.execute_script(AXE + """
        return axe.run({runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa',
                                  'wcag22aa', 'best-practice']})
          .then(r => r.violations.map(v => [v.id, v.nodes.map(n => n.html)]));
        """)


def chromium_only(why):
    """A case only Chromium's DevTools drive; the others say so, and why."""
    return lambda case: setattr(case, 'chromium_only', why) or case


class PageCases:
    """The page's cases; each engine's class below runs them all."""
    version = longest_text = None  # None: no limit

    def setUp(self):
        why = getattr(getattr(self, self._testMethodName), 'chromium_only', 0)
        if why and self.name != 'Chromium':
            self.skipTest(f'cannot run in {self.name}: {why}')

    @classmethod
    def setUpClass(cls):
        # The page alone in a folder: nothing beside it to load.
        cls.folder = pathlib.Path(tempfile.mkdtemp(prefix='eurolire-page-'))
        shutil.copy(BUILD / 'eurolire.html', cls.folder)
        cls.url = (cls.folder / 'eurolire.html').as_uri()
        cls.browsers = {}

    @classmethod
    def tearDownClass(cls):
        for driver in cls.browsers.values():
            driver.quit()
        shutil.rmtree(cls.folder)

    def open(self, language='it-IT', url=None):
        if language not in self.browsers:
            self.browsers[language] = self.start(language)
            type(self).version = self.browsers[language].capabilities[
                'browserVersion']
        driver = self.browsers[language]
        browser.open_page(driver, url or self.url)
        self.assertEqual(driver.execute_script('return navigator.language'),
                         language)
        return driver

    def tearDown(self):
        # Nothing is written to the console in normal use.
        for driver in self.browsers.values() if self.console else ():
            self.assertEqual(driver.get_log('browser'), [])

    # The steps of the shared cases as a user takes them in the page.
    STEPS = {'type': lambda d, t: type_keys(d, t),
             'backspace': lambda d, t: type_keys(d, Keys.BACKSPACE),
             'select-all': lambda d, t: type_keys(d, SELECT_ALL),
             'cut': lambda d, t: type_keys(d, Keys.CONTROL + 'x' + Keys.NULL),
             # Text that comes from no key, as a paste does.
             'paste': lambda d, t: d.execute_script(
                 "document.execCommand('insertText', false, arguments[0])", t),
             'tab': lambda d, t: type_keys(d, Keys.TAB),
             'close': lambda d, t: type_keys(d, Keys.ENTER)}

    def test_the_cases_every_window_passes(self):
        # Handlers' names are the desktop windows' to compare: the page has
        # none to show.
        for name, steps in window_cases():
            with self.subTest(case=name):
                if any(action not in self.STEPS for _, action, *_ in steps):
                    self.skipTest('the page sets no field\'s text itself')
                driver = self.open()
                driver.execute_script(
                    "const report = document.getElementById('ErrorReport');"
                    "window.reports = 0; report.showModal = ((show) => () =>"
                    " { ++window.reports; show.call(report); })"
                    "(report.showModal);")
                for line, action, _, written, expected in steps:
                    if report(driver) and action != 'close':
                        self.skipTest('behind a modal report the fields '
                                      'take no keys')
                    self.STEPS[action](driver, written)
                    euro, lire = texts(driver)
                    got = {'Euro': euro, 'Lire': lire, 'reports': str(
                        driver.execute_script('return window.reports'))}
                    for key in expected.keys() & got.keys():
                        self.assertEqual(got[key][:60], expected[key][:60],
                                         f'line {line}: {key}')

    def test_typing_converts_into_the_other_field(self):
        for language, caption, keys, euro, lire in [
                ('it-IT', 'EURO', '12', '12', '23.235,24'),
                ('en-GB', 'EURO', '12', '12', '23,235.24'),
                ('it-IT', 'LIRE', '1000', '0,52', '1000'),
                ('en-GB', 'LIRE', '1000', '0.52', '1000'),
                ('it-IT', 'LIRE', '1.936,27', '1,00', '1.936,27'),
                ('it-IT', 'LIRE', '1.000.000', '516,46', '1.000.000'),
                # The keypad's decimal key types the language's separator.
                ('it-IT', 'EURO', '1' + Keys.DECIMAL + '5', '1,5', '2.904,41'),
        ]:
            with self.subTest(language=language, caption=caption, keys=keys):
                driver = self.open(language)
                field(driver, caption).send_keys(keys)
                self.assertEqual(texts(driver), (euro, lire))

    def test_texts_that_are_not_numbers(self):
        for caption, keys, euro, lire in [
                ('EURO', ['12', 'a'], '12a', ''),
                ('LIRE', ['1000', 'x'], '', '1000x'),
                ('EURO', ['12', Keys.BACKSPACE * 2], '', ''),
                ('LIRE', ['1000', SELECT_ALL + Keys.DELETE], '', ''),
                # Zero and negative amounts leave the other field alone.
                ('EURO', ['12', Keys.HOME + '-'], '-12', '23.235,24'),
                ('EURO', ['12', SELECT_ALL + '0'], '0', '23.235,24'),
        ]:
            with self.subTest(caption=caption, keys=keys):
                driver = self.open()
                for step in keys:
                    field(driver, caption).send_keys(step)
                self.assertEqual(texts(driver), (euro, lire))
                self.assertIsNone(report(driver))

    def test_hostile_pastes_are_kept_and_the_page_goes_on(self):
        for name, pasted, other in [
                ('Euro', '7' * (1 << 20), ''),
                ('Lire', '7' * (1 << 20), ''),
                ('Euro', '\u200f12\u200f', ''),
                ('Lire', '12\U0001F600', ''),
                ('Euro', '1' + '0' * 399, ''),
                ('Euro', '0,' + '1' * 398, '215,14'),
                ('Lire', '0,' + '1' * 398, '0,00'),
                # An amount as deeds write it, its currency's sign and all.
                ('Lire', 'L. 1.000.000', '516,46'),
                ('Lire', 'lire cinquecentomila', '258,23'),
        ]:
            with self.subTest(field=name, pasted=pasted[:12], size=len(pasted)):
                driver = self.open()
                box = driver.find_element(By.ID, name)
                box.send_keys('12', SELECT_ALL)
                # Text that comes from no key, as a paste does.
                driver.execute_script("document.execCommand('insertText',"
                                      " false, arguments[0])", pasted)
                euro, lire = texts(driver)
                self.assertEqual(euro if name == 'Euro' else lire,
                                 pasted[:self.longest_text])
                self.assertEqual(lire if name == 'Euro' else euro, other)
                self.assertIsNone(report(driver))
                box.send_keys(SELECT_ALL, '1')
                self.assertEqual(texts(driver), ('1', '1.936,27') if
                                 name == 'Euro' else ('0,00', '1'))

    def test_a_text_gets_its_equivalents_and_copia_copies_it(self):
        # A text is read as it writes numbers, whatever the browser's language.
        careful = (
            'Da 60 a 72 lire turche; una lira a 7 corde; 700-800 euro; '
            '1 milione 200 mila lire; di lire\n1.500 milioni; L. 241 del '
            '1990; nel 1997 lire 5.000; L. 150.000.000 (lire '
            'centocinquantamilioni); euro 1.000,-',
            'Da 60 a 72 lire turche; una lira a 7 corde; 700-800 euro (L. '
            '1.355.389,00-1.549.016,00); 1 milione 200 mila lire (€ 619,75); '
            'di lire\n1.500 milioni (€ 774.685,35); L. 241 del 1990; nel 1997 '
            'lire 5.000 (€ 2,58); L. 150.000.000 (lire centocinquantamilioni) '
            '(€ 77.468,53); euro 1.000,- (L. 1.936.270,00)', 6)
        for language, (text, converted, marks) in [
                ('it-IT',
                 ('Il canone di lire 850.000 mensili, da L. 587.500 a L. '
                  '2.350.000; art. 3 del 1997.\nPrezzo: euro 12,50 '
                  '(dodici/50).',
                  'Il canone di lire 850.000 (€ 438,99) mensili, da L. '
                  '587.500 (€ 303,42) a L. 2.350.000 (€ 1.213,67); art. 3 '
                  'del 1997.\nPrezzo: euro 12,50 (dodici/50) (L. 24.203,38).',
                  4)),
                ('it-IT', careful),
                ('en-GB', careful),
        ]:
            driver = self.open(language)
            # Closed at first, so that the page looks as it always has.
            self.assertFalse(driver.execute_script(
                "return document.querySelector('#Texts details').open"))
            driver.execute_script(
                "document.querySelector('#Texts summary').click()")
            area = driver.find_element(By.ID, 'Text')
            area.send_keys('x', Keys.BACKSPACE)
            driver.execute_script("document.execCommand('insertText',"
                                  " false, arguments[0])", text)
            self.assertEqual(driver.execute_script(
                "const c = document.getElementById('Converted');"
                "return [c.textContent, c.querySelectorAll('mark').length]"),
                [converted, marks])
            driver.find_element(By.ID, 'Copy').send_keys(Keys.ENTER)
            self.assertTrue(browser.wait_for(lambda: driver.execute_script(
                "return document.getElementById('CopyStatus').textContent")))
            # What was copied, pasted over the text: converted once more, it
            # stays as it is.
            area.send_keys(SELECT_ALL, Keys.CONTROL + 'v' + Keys.NULL)
            self.assertEqual(driver.execute_script(
                "return [document.getElementById('Text').value,"
                " document.getElementById('Converted').textContent]"),
                [converted, converted])
            self.assertEqual(audit(driver), [])

    def test_tab_moves_between_the_fields_and_sets_the_direction(self):
        driver = self.open()
        for keys, focus, euro, lire in [
                ('12', 'Euro', '12', '23.235,24'),
                (Keys.TAB, 'Lire', '12', '23.235,24'),
                (SELECT_ALL + '1000', 'Lire', '0,52', '1000'),
                (Keys.SHIFT + Keys.TAB + Keys.NULL, 'Euro', '0,52', '1000'),
                (Keys.END + '0', 'Euro', '0,520', '1.006,86'),
                (Keys.TAB + Keys.TAB, None, '0,520', '1.006,86'),
        ]:
            with self.subTest(keys=keys):
                type_keys(driver, keys)
                self.assertEqual(texts(driver), (euro, lire))
                active = driver.switch_to.active_element.get_attribute('id')
                if focus:
                    self.assertEqual(active, focus)
                else:
                    # Past the fields, never to Label3: to the text
                    # converter below the window.
                    self.assertNotIn(active, ('Lire', 'Label3'))
                    self.assertEqual(driver.execute_script(
                        "return document.activeElement.tagName"), 'SUMMARY')

    def test_overflow_is_reported_in_italian_and_the_page_goes_on(self):
        for language, lire_start, then in [
                ('it-IT', '19.362.700.000', '3.872,54'),
                ('en-GB', '19,362,700,000', '3,872.54')]:
            with self.subTest(language=language):
                driver = self.open(language)
                # 1e304 euros convert; 1e305 times the rate is beyond the
                # largest double.
                field(driver, 'EURO').send_keys('1' + '0' * 305)
                title, text = browser.wait_for(lambda: report(driver))
                self.assertEqual(title, 'Convertitore Euro/Lire')
                self.assertTrue(text.startswith(
                    'Errore di run-time 6: overflow.\n'), text)
                euro, lire = texts(driver)
                self.assertEqual(len(euro), 306)
                self.assertTrue(lire.startswith(lire_start), lire)
                type_keys(driver, Keys.ENTER)
                self.assertIsNone(report(driver))
                # The focus is back in Euro.
                type_keys(driver, SELECT_ALL + '2')
                self.assertEqual(texts(driver), ('2', then))

    @chromium_only('a phone is emulated through DevTools')
    def test_a_phone_scales_the_window_and_takes_touch(self):
        # Phones' widths, less the page's margins; a desktop's.
        for width, window in [(320, 304), (390, 374), (1024, 468)]:
            with self.subTest(width=width):
                driver = browser.start('it-IT')
                try:
                    driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride',
                                           {'width': width, 'height': 640,
                                            'deviceScaleFactor': 3,
                                            'mobile': True})
                    driver.execute_cdp_cmd('Emulation.setTouchEmulationEnabled',
                                           {'enabled': True})
                    browser.open_page(driver, self.url)
                    size, page_width, x, y = driver.execute_script(
                        "const w = document.getElementById('Form1')"
                        ".getBoundingClientRect(), f = document."
                        "getElementById('Lire').getBoundingClientRect();"
                        "return [[w.width, w.height], document.documentElement"
                        ".scrollWidth, f.x + f.width / 2, f.y + f.height / 2]")
                    self.assertEqual(page_width, width)
                    self.assertAlmostEqual(size[0], window, delta=0.5)
                    self.assertAlmostEqual(size[1], window * 145 / 468,
                                           delta=0.5)
                    # Text that iOS does not zoom into, and targets of at
                    # least 24 by 24: the fields, and Label3 where it shows.
                    targets = driver.execute_script(
                        "return [...document.querySelectorAll('#Form1 > "
                        "input, #Label3')].map(e => [e, e.getBoundingClientRe"
                        "ct()]).filter(([e, r]) => document.elementFromPoint("
                        "r.x + r.width / 2, r.y + r.height / 2) === e).map(("
                        "[e, r]) => [e.id, r.width, r.height, parseFloat("
                        "getComputedStyle(e).fontSize)])")
                    self.assertEqual([t[0] for t in targets][:2],
                                     ['Euro', 'Lire'])
                    for name, target_width, height, font in targets:
                        self.assertGreaterEqual(min(target_width, height), 24,
                                                name)
                        self.assertGreaterEqual(font, 16, name)
                    for kind, points in [('touchStart', [{'x': x, 'y': y}]),
                                         ('touchEnd', [])]:
                        driver.execute_cdp_cmd('Input.dispatchTouchEvent',
                                               {'type': kind,
                                                'touchPoints': points})
                    self.assertTrue(browser.wait_for(
                        lambda: driver.switch_to.active_element
                        .get_attribute('id') == 'Lire'))
                    type_keys(driver, '1000')
                    self.assertEqual(texts(driver), ('0,52', '1000'))
                    # The text converter, open with a long line, wraps
                    # within the screen.
                    self.assertEqual(driver.execute_script(
                        "document.querySelector('#Texts details').open = true;"
                        "const t = document.getElementById('Text');"
                        "t.value = 'L.' + '1'.repeat(200) + ' euro 5';"
                        "t.dispatchEvent(new Event('input'));"
                        "return document.documentElement.scrollWidth"), width)
                    self.assertEqual(driver.get_log('browser'), [])
                finally:
                    driver.quit()

    @chromium_only('DevTools take WebAssembly away before the page starts')
    def test_a_browser_without_webassembly_says_so(self):
        driver = browser.start('it-IT')
        try:
            driver.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument',
                                   {'source': 'delete window.WebAssembly'})
            driver.get(self.url)
            self.assertIn('WebAssembly',
                          browser.wait_for(lambda: report(driver))[1])
            self.assertFalse(field(driver, 'EURO').is_enabled())
        finally:
            driver.quit()

    def test_the_page_alone_from_a_file_with_the_network_off(self):
        for language, lire in [('it-IT', '23.235,24'), ('en-GB', '23,235.24')]:
            with self.subTest(language=language):
                driver = self.open(language)
                # Firefox's profile sends every request to a proxy that is
                # not there; WebKit's network is left on.
                if self.name == 'Chromium':
                    driver.execute_cdp_cmd('Network.enable', {})
                    driver.execute_cdp_cmd('Network.emulateNetworkConditions',
                                           OFFLINE)
                    self.addCleanup(driver.execute_cdp_cmd,
                                    'Network.emulateNetworkConditions',
                                    dict(OFFLINE, offline=False))
                    browser.open_page(driver, self.url)
                self.assertEqual(driver.execute_script(
                    'return document.title'),
                    'Convertitore Euro/Lire .....by Morvek')
                self.assertEqual(
                    driver.switch_to.active_element.get_attribute('id'),
                    'Euro')
                type_keys(driver, '12')
                self.assertEqual(texts(driver), ('12', lire))
                # Nothing asked of the network or the disk beside it.
                self.assertEqual(driver.execute_script(
                    "return performance.getEntriesByType('resource')"
                    ".length + document.querySelectorAll("
                    "'link[rel=manifest]').length"), 0)
                # Label3 opens the site in a new tab, and lies below the
                # window's client area, where it is never seen.
                self.assertEqual(driver.execute_script(
                    "const a = document.getElementById('Label3'),"
                    " r = a.getBoundingClientRect();"
                    "return [a.href, a.target, a.rel, document"
                    ".elementFromPoint(r.x + 5, r.y + 5) === a]"),
                    ['https://www.ecb.europa.eu/', '_blank', 'noopener',
                     False])

    @chromium_only('installability is read through DevTools')
    def test_served_page_reloads_offline_through_its_service_worker(self):
        # Under its own name, and renamed as a release ships it.
        for name in ['eurolire.html', 'eurolire-1.1.0.html']:
            with self.subTest(name=name):
                folder = pathlib.Path(tempfile.mkdtemp(prefix='eurolire-www-'))
                for served in ['sw.js', 'eurolire.webmanifest',
                               'eurolire-192.png', 'eurolire-512.png']:
                    shutil.copy(BUILD / served, folder)
                shutil.copy(BUILD / 'eurolire.html', folder / name)
                port = browser.free_port()
                server = subprocess.Popen(
                    ['/usr/bin/python3', '-m', 'http.server', '--bind',
                     '127.0.0.1', '--directory', folder, str(port)],
                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                driver = browser.start('it-IT')
                try:
                    url = f'http://127.0.0.1:{port}/{name}'
                    browser.wait_for(lambda: browser.listening(port))
                    browser.open_page(driver, url)
                    self.assertTrue(browser.wait_for(lambda: driver.execute_script(
                        'return !!navigator.serviceWorker.controller')))
                    if name == 'eurolire.html':
                        self.assertEqual(driver.execute_cdp_cmd(
                            'Page.getInstallabilityErrors', {}),
                            {'installabilityErrors': []})
                    server.terminate()
                    server.wait()
                    browser.open_page(driver, url)
                    type_keys(driver, '12')
                    self.assertEqual(texts(driver), ('12', '23.235,24'))
                    self.assertEqual(driver.get_log('browser'), [])
                finally:
                    driver.quit()
                    server.kill()
                    shutil.rmtree(folder)

    def test_axe_finds_no_violation_at_start_nor_in_the_error_report(self):
        driver = self.open()
        self.assertEqual(audit(driver), [])
        field(driver, 'EURO').send_keys('1' + '0' * 305)
        self.assertTrue(browser.wait_for(lambda: report(driver)))
        self.assertEqual(audit(driver), [])

    @chromium_only('the accessibility tree is read through DevTools')
    def test_the_accessibility_tree_names_the_fields_and_the_report(self):
        driver = self.open()

        def nodes(role):  # each one's name, and whether it has the focus
            return [(n['name']['value'], {'name': 'focused', 'value': {
                'type': 'booleanOrUndefined', 'value': True}} in n.get(
                    'properties', [])) for n in driver.execute_cdp_cmd(
                'Accessibility.getFullAXTree', {})['nodes']
                if n.get('role', {}).get('value') == role]

        self.assertEqual(nodes('textbox'), [('EURO', True), ('LIRE', False)])
        self.assertEqual(nodes('dialog'), [])
        field(driver, 'EURO').send_keys('1' + '0' * 305)
        browser.wait_for(lambda: report(driver))
        self.assertEqual([name for name, _ in nodes('dialog')],
                         ['Convertitore Euro/Lire'])


class ChromiumPage(PageCases, unittest.TestCase):
    name, start = 'Chromium', staticmethod(browser.start)
    console = True


class FirefoxPage(PageCases, unittest.TestCase):
    name, start = 'Firefox ESR', browser.Firefox
    console = True


class WebKitPage(PageCases, unittest.TestCase):
    # MiniBrowser: no console to read; WebKit keeps the first 2^19
    # characters of a longer text in a field.
    name, start = 'WebKitGTK', staticmethod(browser.start_webkit)
    console = False
    longest_text = 1 << 19


class CountingResult(unittest.TextTestResult):
    passed = collections.Counter()

    def addSuccess(self, test):
        super().addSuccess(test)
        self.passed[type(test)] += 1


if __name__ == '__main__':
    result = unittest.main(exit=False, testRunner=unittest.TextTestRunner(
        verbosity=2, resultclass=CountingResult)).result
    for page in ChromiumPage, FirefoxPage, WebKitPage:
        skipped = [test._testMethodName for test, _ in result.skipped
                   if type(test) is page]
        print(f'page_test: {page.name} {page.version}: '
              f'{CountingResult.passed[page]} cases passed' +
              (f'; cannot run: {", ".join(skipped)}' if skipped else ''))
    sys.exit(not result.wasSuccessful())
