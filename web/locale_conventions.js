// The number conventions of the browser's language, as the browser says
// them: the decimal and grouping separators that Intl.NumberFormat writes,
// "," and "." for it-IT, "." and "," for en-GB. The converter makes them
// sound (SoundConventions) before it works with them.
function localeConventions(language) {
  const separators = {decimal: '', group: ''};
  try {
    const format = new Intl.NumberFormat(language);
    for (const part of format.formatToParts(1234567.5)) {
      if (part.type in separators) separators[part.type] = part.value;
    }
  } catch (unknownLanguage) {
    return localeConventions(undefined);
  }
  return {decimal: separators.decimal, grouping: separators.group};
}
