// Starts the page: Form1 in WebAssembly behind the two fields, one listener
// per field event, each one call into it and at most one write back, and,
// where the page is served over http(s), what installs it and opens it
// offline.
(() => {
  const euro = document.getElementById('Euro');
  const lire = document.getElementById('Lire');
  // What the browser says, until the converter has made it sound.
  let conventions = localeConventions(navigator.language);
  for (const field of [euro, lire]) {
    makeAmountField(field, () => conventions.decimal);
  }

  // EuroLire() throws at once where there is no WebAssembly at all.
  Promise.resolve().then(() => EuroLire()).then((module) => {
    conventions = module.SoundConventions(conventions.decimal,
                                          conventions.grouping);
    const form = new module.Form1(reportRunTimeError, conventions.decimal,
                                  conventions.grouping);
    // What the converter answers a field's event with: the other field's
    // new text, or null where it stays as it is.
    const show = (field, text) => {
      if (text !== null) field.value = text;
    };
    euro.addEventListener('focus', () => form.Euro_GotFocus());
    lire.addEventListener('focus', () => form.Lire_GotFocus());
    euro.addEventListener('input',
                          () => show(lire, form.Euro_Change(euro.value)));
    lire.addEventListener('input',
                          () => show(euro, form.Lire_Change(lire.value)));
    document.getElementById('ErrorReport')
        .addEventListener('close', () => form.ReportClosed());
    const lireFirst = document.activeElement === lire;
    show(lireFirst ? euro : lire, form.Show(euro.value, lire.value, lireFirst));
    makeTextConverter((text) => module.Equivalents(
        text, conventions.decimal, conventions.grouping));
    // What the start-up benchmark measures to.
    performance.mark('eurolire-ready');
  }).catch(() => {
    // An old browser, or a policy that forbids WebAssembly: fields that
    // looked alive would convert nothing.
    for (const field of [euro, lire]) field.disabled = true;
    reportRunTimeError(document.title, 'Questo browser non esegue ' +
                       'WebAssembly: il convertitore non può partire.');
  });

  // A page opened from a file has no manifest or worker beside it.
  if (location.protocol !== 'https:' && location.protocol !== 'http:') return;
  for (const [rel, href] of [['manifest', 'eurolire.webmanifest'],
                             ['apple-touch-icon', 'eurolire-192.png']]) {
    const link = document.createElement('link');
    link.rel = rel;
    link.href = href;
    document.head.append(link);
  }
  // No worker (plain http to another host, an old browser): the page works
  // online only.
  if ('serviceWorker' in navigator) {
    navigator.serviceWorker.register('sw.js').catch(() => {});
  }
})();
