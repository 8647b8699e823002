// The page's top-level error report: what the user sees when a run-time
// error abandoned a handler, in a modal dialog; once it is closed (its
// `close` event), the page goes on.
function reportRunTimeError(title, text) {
  const report = document.getElementById('ErrorReport');
  document.getElementById('ErrorReportTitle').textContent = title;
  document.getElementById('ErrorReportText').textContent = text;
  report.showModal();
}
