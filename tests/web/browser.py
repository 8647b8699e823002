"""Debian's Chromium, headless, driven through Selenium (python3-selenium and
chromium-driver), in a fresh profile and a given language, kept off the
network: what the page's tests, benchmark and screenshot run in."""

import os
import shutil
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

# Without the background-networking flags Chromium opens connections of its
# own. Every request that would leave the machine goes to a proxy that is not
# there; Chromium never sends 127.0.0.1 through a proxy.
FLAGS = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic',
         '--no-first-run', '--disable-background-networking',
         '--disable-component-update', '--disable-sync',
         '--proxy-server=127.0.0.1:9']


def start(language):
    """A browser whose navigator.language is `language` ("it-IT")."""
    profile = tempfile.mkdtemp(prefix='eurolire-chromium-')
    options = webdriver.ChromeOptions()
    options.binary_location = '/usr/bin/chromium'
    # Headless Chromium takes its language from the accept-languages
    # preference or --accept-lang, not from LANG or --lang: all of them, so
    # that it is the same wherever the language comes from.
    for flag in FLAGS + ['--user-data-dir=' + profile, '--lang=' + language,
                         '--accept-lang=' + language]:
        options.add_argument(flag)
    options.add_experimental_option('prefs',
                                    {'intl.accept_languages': language})
    options.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
    locale = language.replace('-', '_') + '.UTF-8'
    environment = dict(os.environ, LANG=locale, LC_ALL=locale)
    driver = webdriver.Chrome(
        service=Service('/usr/bin/chromedriver', env=environment),
        options=options)
    quit_driver = driver.quit

    def quit_and_clean():
        quit_driver()
        shutil.rmtree(profile, ignore_errors=True)

    driver.quit = quit_and_clean
    return driver


def wait_for(condition, seconds=10):
    """Waits for `condition()` to be true; its last value."""
    deadline = time.monotonic() + seconds
    while not (value := condition()) and time.monotonic() < deadline:
        time.sleep(0.02)
    return value


def open_page(driver, url):
    """Opens the page and waits until its converter is ready."""
    driver.get(url)
    ready = wait_for(lambda: driver.execute_script(
        "return performance.getEntriesByName('eurolire-ready').length"))
    if not ready:
        raise RuntimeError('the converter did not start: ' + url)
