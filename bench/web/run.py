#!/usr/bin/python3
"""Prints the web page's figures in headless Chromium, medians over RUNS
runs (default 21): navigation start to the first conversion possible (the
converter ready, Form_Load and Euro_GotFocus run), one keystroke, from
its key event to LIRE's text converted, and one keystroke in 10 KB of the
text converter; and the page's size. Build first
with scripts/web.
Usage: bench/web/run.py [BUILD_DIR] [RUNS]"""

import gzip
import pathlib
import statistics
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] /
                       'tests' / 'web'))
import browser  # noqa: E402

build = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else 'build-web')
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 21
page = (build / 'eurolire.html').resolve()
data = page.read_bytes()
print(f'eurolire.html: {len(data)} bytes, '
      f'{len(gzip.compress(data, 6))} gzipped (level 6)')


def key(driver, kind, name, code, text=''):
    driver.execute_cdp_cmd('Input.dispatchKeyEvent', {
        'type': kind, 'key': name, 'code': code, 'text': text,
        'windowsVirtualKeyCode': ord(text) if text else 8})


def type_and_delete(driver, times):
    """A 3 typed and taken back, `times` times, where the focus is."""
    for _ in range(times):
        key(driver, 'keyDown', '3', 'Digit3', '3')
        key(driver, 'keyUp', '3', 'Digit3')
        key(driver, 'rawKeyDown', 'Backspace', 'Backspace')
        key(driver, 'keyUp', 'Backspace', 'Backspace')


driver = browser.start('it-IT')
try:
    starts, paints = [], []
    for _ in range(runs + 1):  # the first one warms the browser up
        driver.get('about:blank')
        browser.open_page(driver, page.as_uri())
        starts.append(driver.execute_script(
            "return performance.getEntriesByName('eurolire-ready')[0]"
            ".startTime"))
        paints.append(browser.wait_for(lambda: driver.execute_script(
            "return performance.getEntriesByName('first-contentful-paint')"
            ".map((paint) => paint.startTime)[0]")))
    print(f'navigation start to first conversion possible: '
          f'{statistics.median(starts[1:]):.1f} ms '
          f'(first contentful paint {statistics.median(paints[1:]):.1f} ms)')

    # Timed in the page: from the key event's time stamp to just after the
    # page's own input listener, which ran first and converted.
    driver.execute_script("""
        const euro = document.getElementById('Euro');
        const lire = document.getElementById('Lire');
        window.keystrokes = [];
        addEventListener('keydown', (e) => {
          window.down = [e.timeStamp, performance.now()];
        }, true);
        euro.addEventListener('input', (e) => {
          const now = performance.now();
          if (e.inputType === 'insertText') {
            keystrokes.push([now - down[0], now - down[1], lire.value]);
          }
        });""")
    driver.find_element('id', 'Euro').send_keys('12')
    driver.execute_script('keystrokes.length = 0')
    type_and_delete(driver, runs)
    strokes = driver.execute_script('return keystrokes')
    # 123 euros.
    if len(strokes) != runs or any(s[2] != '238.161,21' for s in strokes):
        sys.exit(f'the keystrokes did not convert: {strokes[:3]}')
    # Chromium gives a page's clock in steps of 0.1 ms.
    print(f'one keystroke, key event to LIRE converted: '
          f'{statistics.median(s[0] for s in strokes):.1f} ms '
          f'(from the page\'s first keydown listener: '
          f'{statistics.median(s[1] for s in strokes):.1f} ms)')

    # The handlers alone, without the browser's editing: Euro_Change through
    # the page's listener, one call with EURO's text, its answer written into
    # LIRE, which it changes each time.
    per_call = driver.execute_script("""
        const euro = document.getElementById('Euro');
        const times = [];
        for (let run = 0; run < arguments[0]; ++run) {
          const start = performance.now();
          for (let i = 0; i < 1000; ++i) {
            euro.value = String(100 + i % 2);
            euro.dispatchEvent(new Event('input'));
          }
          times.push(performance.now() - start);
        }
        return times.sort((a, b) => a - b)[times.length >> 1] / 1000;""",
                                     runs)
    print(f'Euro_Change through the page\'s listener, LIRE written: '
          f'{per_call * 1000:.1f} µs')

    # The text converter: a keystroke at the end of 10 KB of a contract, one
    # amount every 200 bytes, from its key event to the converted text
    # rebuilt, marks and all.
    amounts = driver.execute_script("""
        document.querySelector('#Texts details').open = true;
        const text = document.getElementById('Text');
        const line = 'Il canone di lire 850.000 mensili, da pagare entro il ' +
                     'giorno 5 di ogni mese, come previsto dall\\'art. 3 ' +
                     'del contratto firmato nel 1997 tra le parti. ';
        text.value = line.repeat(Math.ceil(10240 / line.length));
        text.dispatchEvent(new Event('input'));
        text.focus();
        text.setSelectionRange(text.value.length, text.value.length);
        window.updates = [];
        text.addEventListener('input', () => {
          updates.push(performance.now() - down[0]);
        });
        return document.querySelectorAll('#Converted mark').length;""")
    type_and_delete(driver, runs)
    updates = driver.execute_script('return updates')
    print(f'one keystroke in 10 KB of text ({amounts} amounts), key event to '
          f'the converted text rebuilt: {statistics.median(updates):.1f} ms '
          f'(the goal: one frame, 16 ms)')
finally:
    driver.quit()
