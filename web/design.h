// The stored design of Form1 (form/form1_design.h) and the product's words
// in the page's terms: CSS lengths in the page's unit --px, boxes, colours
// and fonts, and the texts, each the value of a placeholder in the page's
// templates (web/page_generator.cpp fills them).
#ifndef EUROLIRE_WEB_DESIGN_H_
#define EUROLIRE_WEB_DESIGN_H_

#include <map>
#include <string>

namespace eurolire {

// Placeholder names (TITLE, EURO_BOX, ...) and their values.
std::map<std::string, std::string> DesignValues();

}  // namespace eurolire

#endif  // EUROLIRE_WEB_DESIGN_H_
