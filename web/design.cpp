#include "web/design.h"

#include <cstdio>
#include <sstream>

#include "form/form1_design.h"
#include "form/product.h"
#include "form/site_address.h"

namespace eurolire {
namespace {

using design::Control;
using design::Font;
using design::Rgb;

// Every length of the design is a multiple of --px, one CSS pixel on a
// screen wide enough for the window and less on a narrower one.
std::string Length(double pixels) {
  std::ostringstream out;
  out << "calc(" << pixels << "*var(--px))";
  return out.str();
}

std::string Box(const Control& control) {
  const design::Rect& r = control.geometry;
  return "left:" + Length(r.left) + ";top:" + Length(r.top) +
         ";width:" + Length(r.width) + ";height:" + Length(r.height);
}

std::string Colour(Rgb rgb) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb.red, rgb.green,
                rgb.blue);
  return text;
}

// Where Arial is missing, a face with its metrics.
std::string FontCss(const Font& font) {
  // 72 points to the inch, 96 CSS pixels.
  return std::to_string(font.weight) + " " + Length(font.points * 4 / 3) + " " +
         std::string(font.family) +
         ", Liberation Sans, Arimo, Helvetica, sans-serif";
}

}  // namespace

std::map<std::string, std::string> DesignValues() {
  return {
      {"TITLE", std::string(design::kTitle)},
      {"CLIENT_WIDTH", std::to_string(design::kClientWidth)},
      {"CLIENT_HEIGHT", std::to_string(design::kClientHeight)},
      {"BACKGROUND", Colour(design::kBackground)},
      {"FIELD_FONT", FontCss(design::kFieldFont)},
      {"CAPTION_FONT", FontCss(design::kCaptionFont)},
      {"CAPTION_COLOUR", Colour(design::kCaptionColour)},
      {"EURO_BOX", Box(design::kEuro)},
      {"LIRE_BOX", Box(design::kLire)},
      {"LABEL1_BOX", Box(design::kLabel1)},
      {"LABEL2_BOX", Box(design::kLabel2)},
      {"LABEL3_BOX", Box(design::kLabel3)},
      {"LABEL3_FONT_SIZE", Length(design::kLabel3.geometry.height)},
      {"LABEL1", std::string(design::kLabel1.text)},
      {"LABEL2", std::string(design::kLabel2.text)},
      {"LABEL3", std::string(design::kLabel3.text)},
      {"EURO_DESCRIPTION", std::string(design::kEuroDescription)},
      {"LIRE_DESCRIPTION", std::string(design::kLireDescription)},
      {"SITE_ADDRESS", SiteAddress},
      {"PRODUCT_NAME", std::string(kProductName)},
      {"PUBLISHER", std::string(kPublisher)},
      {"VERSION", std::string(kVersion)},
  };
}

}  // namespace eurolire
