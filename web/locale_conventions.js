// The number conventions of the browser's language, in the converter's
// terms: the decimal and grouping separators that Intl.NumberFormat writes,
// "," and "." for it-IT, "." and "," for en-GB.
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
  // A written amount reads back only with a decimal separator that is not
  // the grouping one; a language that does not group leaves it empty.
  if (!separators.decimal || separators.decimal === separators.group) {
    return {decimal: '.', grouping: ','};
  }
  return {decimal: separators.decimal, grouping: separators.group};
}
