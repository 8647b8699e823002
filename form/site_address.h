// The site a click on Label3 opens in the user's browser, in every front end.
#ifndef EUROLIRE_FORM_SITE_ADDRESS_H_
#define EUROLIRE_FORM_SITE_ADDRESS_H_

namespace eurolire {

// The site that publishes the irrevocable euro conversion rates. https, so
// that nobody on the network path can alter the page the user lands on.
inline constexpr char SiteAddress[] = "https://www.ecb.europa.eu";

}  // namespace eurolire

#endif  // EUROLIRE_FORM_SITE_ADDRESS_H_
