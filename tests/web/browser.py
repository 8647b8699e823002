"""Debian's Chromium (`start`), WebKitGTK (`start_webkit`) and Firefox ESR
(`Firefox`, over its own WebDriver BiDi: Debian has no geckodriver), each in a
fresh profile and a given language, kept off the network, behind Selenium's
WebDriver calls: what the page's tests, benchmark and screenshot run in."""

import atexit
import json
import os
import shutil
import socket
import subprocess
import tempfile
import time
import types

import websocket
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.remote.webelement import WebElement

# Without the background-networking flags Chromium opens connections of its
# own. Every request that would leave the machine goes to a proxy that is not
# there; Chromium never sends 127.0.0.1 through a proxy.
FLAGS = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic',
         '--no-first-run', '--disable-background-networking',
         '--disable-component-update', '--disable-sync',
         '--proxy-server=127.0.0.1:9']
MINIBROWSER = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser'
MODIFIERS = (Keys.SHIFT, Keys.CONTROL, Keys.ALT, Keys.META)


def wait_for(condition, seconds=10):
    """Waits for `condition()` to be true; its last value."""
    deadline = time.monotonic() + seconds
    while not (value := condition()) and time.monotonic() < deadline:
        time.sleep(0.02)
    return value


def listening(port):
    with socket.socket() as client:
        return client.connect_ex(('127.0.0.1', port)) == 0


def free_port():
    with socket.socket() as server:
        server.bind(('127.0.0.1', 0))
        return server.getsockname()[1]


def locale_environment(language, **more):
    locale = language.replace('-', '_') + '.UTF-8'
    return dict(os.environ, LANG=locale, LC_ALL=locale, **more)


def start(language):
    """Chromium, whose navigator.language is `language` ("it-IT")."""
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
    driver = webdriver.Chrome(
        service=Service('/usr/bin/chromedriver',
                        env=locale_environment(language)),
        options=options)
    quit_driver = driver.quit

    def quit_and_clean():
        quit_driver()
        shutil.rmtree(profile, ignore_errors=True)

    driver.quit = quit_and_clean
    return driver


def display(started=[]):
    """An X display of Xvfb's, started once and ended at exit."""
    if not started:
        server = subprocess.Popen(['Xvfb', '-displayfd', '1', '-nolisten',
                                   'tcp'], stdout=subprocess.PIPE,
                                  stderr=subprocess.DEVNULL)
        atexit.register(server.terminate)
        started.append(':' + server.stdout.readline().decode().strip())
    return started[0]


class WebKitElement(WebElement):
    def send_keys(self, *keys):
        # In one call to WebKitWebDriver the keys after Keys.NULL do not
        # arrive as typed (Ctrl+A then 1 leaves the field as it was): one
        # call up to each NULL.
        for part in filter(None, ''.join(keys).split(Keys.NULL)):
            super().send_keys(part)


def start_webkit(language):
    """WebKitGTK's MiniBrowser, whose navigator.language comes from the
    process's locale: `language`'s must be compiled (LOCPATH), or it is
    en-US. Its console cannot be read."""
    port = free_port()
    service = subprocess.Popen(
        ['/usr/bin/WebKitWebDriver', f'--port={port}'],
        env=locale_environment(language, DISPLAY=display()),
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    atexit.register(service.terminate)
    options = webdriver.WebKitGTKOptions()
    options.binary_location = MINIBROWSER
    options.add_argument('--automation')
    wait_for(lambda: listening(port))
    driver = webdriver.Remote(f'http://127.0.0.1:{port}', options=options)
    driver._web_element_cls = WebKitElement
    return driver


class Firefox:
    """Firefox ESR over WebDriver BiDi, behind the WebDriver calls the page's
    cases make: get, execute_script (of plain values), find_element by id or
    XPath, switch_to.active_element, send_keys, get_attribute, get_log."""

    def __init__(self, language):
        self.profile = tempfile.mkdtemp(prefix='eurolire-firefox-')
        prefs = {'intl.accept_languages': language,  # navigator.language
                 'browser.startup.page': 0, 'network.proxy.type': 1,
                 'network.proxy.http': '127.0.0.1',
                 'network.proxy.http_port': 9,
                 'network.proxy.share_proxy_settings': True}
        with open(os.path.join(self.profile, 'user.js'), 'w') as out:
            out.writelines(f'user_pref("{name}", {json.dumps(value)});\n'
                           for name, value in prefs.items())
        port = free_port()
        self.process = subprocess.Popen(
            ['/usr/bin/firefox-esr', '--headless', '--no-remote', '--profile',
             self.profile, f'--remote-debugging-port={port}'],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for(lambda: listening(port), 30)
        # Firefox refuses a handshake that names an origin.
        self.socket = websocket.create_connection(
            f'ws://127.0.0.1:{port}/session', suppress_origin=True)
        self.last_id, self.log, self.context = 0, [], None
        self.switch_to = self
        self.capabilities = self.command('session.new',
                                         capabilities={})['capabilities']
        self.command('session.subscribe', events=['log.entryAdded'])

    def command(self, method, **params):
        self.last_id += 1
        self.socket.send(json.dumps({'id': self.last_id, 'method': method,
                                     'params': params}))
        while (message := json.loads(self.socket.recv())).get(
                'id') != self.last_id:
            if message.get('method') == 'log.entryAdded':
                self.log.append(message['params'])
        if message['type'] == 'error':
            raise RuntimeError(f"{method}: {message['message']}")
        return message['result']

    def get(self, url):
        # Focus events only reach a page whose window has the focus: a new
        # window in the foreground has it, where the first one, or one the
        # focus has left (Tab past the page), has not.
        if not (self.context and self.execute_script(
                'return document.hasFocus()')):
            old, self.context = self.context, self.command(
                'browsingContext.create', type='window',
                background=False)['context']
            if old:
                self.command('browsingContext.close', context=old)
        self.command('browsingContext.navigate', context=self.context,
                     url=url, wait='complete')

    def execute_script(self, script, *args):
        # The value crosses as JSON text: no remote values to decode.
        result = self.command(
            'script.evaluate', target={'context': self.context},
            awaitPromise=True, expression='(async () => JSON.stringify(await'
            f' (function () {{{script}\n}}).apply(null, {json.dumps(args)})'
            '))()')
        if result['type'] == 'exception':
            raise RuntimeError(result['exceptionDetails']['text'])
        value = result['result'].get('value')
        return None if value is None else json.loads(value)

    def element(self, find):
        """An element of the page, found by the script `find` at each call."""
        return types.SimpleNamespace(
            get_attribute=lambda name: self.execute_script(
                f'return {find}.getAttribute(arguments[0])', name),
            send_keys=lambda *keys: self.send_keys(''.join(keys), find))

    def find_element(self, by, value):
        return self.element({
            By.ID: 'document.getElementById(%s)',
            By.XPATH: 'document.evaluate(%s, document, null, 9, null)'
                      '.singleNodeValue'}[by] % json.dumps(value))

    @property
    def active_element(self):
        return self.element('document.activeElement')

    def send_keys(self, keys, find='document.activeElement'):
        """To the element, focused first, as WebDriver's element send keys
        types: a modifier stays down until Keys.NULL or the end."""
        self.execute_script(f'const element = {find};'
                            'if (document.activeElement !== element)'
                            ' element.focus()')
        actions, held = [], []
        for key in keys + Keys.NULL:
            if key == Keys.NULL:
                actions += [{'type': 'keyUp', 'value': k} for k in held]
                held = []
                continue
            actions.append({'type': 'keyDown', 'value': key})
            if key in MODIFIERS:
                held.append(key)
            else:
                actions.append({'type': 'keyUp', 'value': key})
        self.command('input.performActions', context=self.context, actions=[
            {'type': 'key', 'id': 'keyboard', 'actions': actions}])

    def get_log(self, kind):
        self.execute_script('')  # and so every entry sent before it
        log, self.log = self.log, []
        return log

    def quit(self):
        self.process.terminate()
        self.process.wait()
        shutil.rmtree(self.profile, ignore_errors=True)


def open_page(driver, url):
    """Opens the page and waits until its converter is ready."""
    driver.get(url)
    ready = wait_for(lambda: driver.execute_script(
        "return performance.getEntriesByName('eurolire-ready').length"))
    if not ready:
        raise RuntimeError('the converter did not start: ' + url)
