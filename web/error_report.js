// The page's top-level error report: what the user sees when a run-time
// error abandoned a handler, in a modal dialog. While one report is open,
// later errors add no second one; once it is closed, the page goes on.
function reportRunTimeError(title, text) {
  const report = document.getElementById('ErrorReport');
  if (report.open) return;
  document.getElementById('ErrorReportTitle').textContent = title;
  document.getElementById('ErrorReportText').textContent = text;
  report.showModal();
}
