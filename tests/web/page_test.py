#!/usr/bin/python3
"""The web page as a user meets it, in headless Chromium: typed into with
real key events, fields found by their ids and captions.
Usage: page_test.py BUILD_DIR (the emscripten build, with eurolire.html)."""

import pathlib
import shutil
import socket
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


def field(driver, caption):
    """The input that the caption labels."""
    label = driver.find_element(By.XPATH, f"//label[.='{caption}']")
    return driver.find_element(By.ID, label.get_attribute('for'))


def texts(driver):
    return tuple(driver.find_element(By.ID, name).get_property('value')
                 for name in ('Euro', 'Lire'))


def type_keys(driver, keys):
    """Keys to whatever has the focus; a modifier holds until Keys.NULL."""
    driver.switch_to.active_element.send_keys(keys)


def report(driver):
    """The open error report's title and text, or None."""
    return driver.execute_script(
        "const r = document.getElementById('ErrorReport');"
        "return r.open ? [r.querySelector('h2').textContent,"
        " r.querySelector('p').textContent] : null")


def listening(port):
    with socket.socket() as client:
        return client.connect_ex(('127.0.0.1', port)) == 0


class PageTest(unittest.TestCase):
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
            self.browsers[language] = browser.start(language)
        driver = self.browsers[language]
        browser.open_page(driver, url or self.url)
        self.assertEqual(driver.execute_script('return navigator.language'),
                         language)
        return driver

    def tearDown(self):
        # Nothing is written to the console in normal use.
        for driver in self.browsers.values():
            self.assertEqual(driver.get_log('browser'), [])

    def test_typing_converts_into_the_other_field(self):
        for language, caption, keys, euro, lire in [
                ('it-IT', 'EURO', '12', '12', '23.235,24'),
                ('en-GB', 'EURO', '12', '12', '23,235.24'),
                ('it-IT', 'LIRE', '1000', '0,52', '1000'),
                ('en-GB', 'LIRE', '1000', '0.52', '1000'),
                ('it-IT', 'LIRE', '1.936,27', '1,00', '1.936,27'),
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
        ]:
            with self.subTest(field=name, pasted=pasted[:12], size=len(pasted)):
                driver = self.open()
                box = driver.find_element(By.ID, name)
                box.send_keys('12', SELECT_ALL)
                # Text that comes from no key, as a paste does.
                driver.execute_cdp_cmd('Input.insertText', {'text': pasted})
                euro, lire = texts(driver)
                self.assertEqual(euro if name == 'Euro' else lire, pasted)
                self.assertEqual(lire if name == 'Euro' else euro, other)
                self.assertIsNone(report(driver))
                box.send_keys(SELECT_ALL, '1')
                self.assertEqual(texts(driver), ('1', '1.936,27') if
                                 name == 'Euro' else ('0,00', '1'))

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
                else:  # past the fields, never to Label3
                    self.assertNotIn(active, ('Euro', 'Lire', 'Label3'))

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

    def test_a_narrow_screen_scales_the_window_and_takes_touch(self):
        # A phone's width, less the page's margins; a desktop's.
        for width, window in [(320, 304), (360, 344), (1024, 468)]:
            with self.subTest(width=width):
                driver = browser.start('it-IT')
                try:
                    driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride',
                                           {'width': width, 'height': 640,
                                            'deviceScaleFactor': 2,
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
                    self.assertEqual(driver.get_log('browser'), [])
                finally:
                    driver.quit()

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
                driver = browser.start(language)
                try:
                    driver.execute_cdp_cmd('Network.enable', {})
                    driver.execute_cdp_cmd('Network.emulateNetworkConditions',
                                           OFFLINE)
                    browser.open_page(driver, self.url)
                    self.assertEqual(driver.title,
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
                    self.assertEqual(driver.get_log('browser'), [])
                finally:
                    driver.quit()

    def test_served_page_reloads_offline_through_its_service_worker(self):
        # Under its own name, and renamed as a release ships it.
        for name in ['eurolire.html', 'eurolire-1.1.0.html']:
            with self.subTest(name=name):
                folder = pathlib.Path(tempfile.mkdtemp(prefix='eurolire-www-'))
                for served in ['sw.js', 'eurolire.webmanifest',
                               'eurolire-192.png', 'eurolire-512.png']:
                    shutil.copy(BUILD / served, folder)
                shutil.copy(BUILD / 'eurolire.html', folder / name)
                with socket.socket() as free:
                    free.bind(('127.0.0.1', 0))
                    port = free.getsockname()[1]
                server = subprocess.Popen(
                    ['/usr/bin/python3', '-m', 'http.server', '--bind',
                     '127.0.0.1', '--directory', folder, str(port)],
                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                driver = browser.start('it-IT')
                try:
                    url = f'http://127.0.0.1:{port}/{name}'
                    browser.wait_for(lambda: listening(port))
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


if __name__ == '__main__':
    unittest.main(verbosity=2)
