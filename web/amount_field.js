// An amount field of the page: the numeric keypad's decimal key types the
// language's decimal separator, as decimalSeparator() gives it at the time,
// whatever the keyboard layout says.
function makeAmountField(field, decimalSeparator) {
  field.addEventListener('keydown', (event) => {
    const separator = decimalSeparator();
    // With Num Lock off the key is Delete, not a character.
    if (event.code !== 'NumpadDecimal' || event.key.length !== 1 ||
        event.key === separator || event.ctrlKey || event.altKey ||
        event.metaKey) {
      return;
    }
    event.preventDefault();
    // As if typed: one input event, and undo takes it back.
    document.execCommand('insertText', false, separator);
  });
}
