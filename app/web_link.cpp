#include "app/web_link.h"

#include <QDesktopServices>
#include <QUrl>

namespace eurolire {

void Label3_Click() {
  QDesktopServices::openUrl(QUrl(QString::fromLatin1(SiteAddress)));
}

}  // namespace eurolire
