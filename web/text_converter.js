// The page's text converter: a text typed or pasted below Form1 comes back
// with every lire and euro amount's equivalent beside it, each insertion
// marked, from the core in WebAssembly as the user types; "Copia" copies
// the converted text.
function makeTextConverter(equivalents) {
  const text = document.getElementById('Text');
  const converted = document.getElementById('Converted');
  const status = document.getElementById('CopyStatus');
  const update = () => {
    // The text and what is inserted in it take turns: text, insertion,
    // text, ..., text.
    converted.replaceChildren(...equivalents(text.value).map((piece, i) => {
      if (i % 2 === 0) return piece;
      const mark = document.createElement('mark');
      mark.textContent = piece;
      return mark;
    }));
    status.textContent = '';
  };
  text.addEventListener('input', update);
  document.getElementById('Copy').addEventListener('click', async () => {
    const copied = converted.textContent;
    try {
      await navigator.clipboard.writeText(copied);
    } catch {
      // No asynchronous clipboard (an old browser, a page not deemed
      // secure): the selection of a text area, copied.
      const area = document.createElement('textarea');
      area.value = copied;
      document.body.append(area);
      area.select();
      document.execCommand('copy');
      area.remove();
      text.focus();
    }
    status.textContent = 'Testo copiato.';
  });
  update();
}
