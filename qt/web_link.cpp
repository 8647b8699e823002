#include "qt/web_link.h"

#include <QDesktopServices>
#include <QUrl>

#include "converter/run_time_error.h"
#include "form/site_address.h"

namespace eurolire {

void OpenSiteAddress() {
  if (!QDesktopServices::openUrl(QUrl(QString::fromLatin1(SiteAddress)))) {
    throw RunTimeError(kFileNotFoundNumber, "no browser could be started");
  }
}

}  // namespace eurolire
