// The web link: a click on Label3 opens the site in the user's browser.
#ifndef EUROLIRE_WIN32_WEB_LINK_H_
#define EUROLIRE_WIN32_WEB_LINK_H_

namespace eurolire {

// Opens `SiteAddress` (form/site_address.h) through the shell in the browser
// registered for https, maximized and in front: no command line built from
// text. Returns at once; the browser is not waited for.
// Throws RunTimeError (file not found) when no browser could be started.
void OpenSiteAddress();

}  // namespace eurolire

#endif  // EUROLIRE_WIN32_WEB_LINK_H_
