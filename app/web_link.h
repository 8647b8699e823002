// The web link: the site that a click on Label3 opens in the user's browser.
#ifndef EUROLIRE_APP_WEB_LINK_H_
#define EUROLIRE_APP_WEB_LINK_H_

namespace eurolire {

// The site that publishes the irrevocable euro conversion rates. https, so
// that nobody on the network path can alter the page the user lands on.
inline constexpr char SiteAddress[] = "https://www.ecb.europa.eu";

// Opens `SiteAddress` with the desktop's URL handler: no shell and no command
// line built from text. Returns at once; the browser is not waited for.
// Throws RunTimeError (file not found) when no browser could be started.
void OpenSiteAddress();

}  // namespace eurolire

#endif  // EUROLIRE_APP_WEB_LINK_H_
