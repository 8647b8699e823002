#!/usr/bin/python3
"""Draws the picture of the page that the README shows: the window after 12
has been typed into EURO in an Italian browser, saved as a PNG.
Usage: screenshot.py BUILD_DIR OUTPUT.png"""

import pathlib
import sys

from selenium.webdriver.common.by import By

import browser

build, output = pathlib.Path(sys.argv[1]), sys.argv[2]
driver = browser.start('it-IT')
try:
    browser.open_page(driver, (build / 'eurolire.html').resolve().as_uri())
    driver.find_element(By.ID, 'Euro').send_keys('12')
    driver.find_element(By.ID, 'Form1').screenshot(output)
finally:
    driver.quit()
