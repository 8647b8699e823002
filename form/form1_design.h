// The stored design of the converter window, Form1: its title, client size,
// colours and fonts, and each control's name, text and geometry. Standard
// C++ only: every front end draws Form1 from these values, so no number or
// text is written twice. Only the fields take the focus, Euro first, then
// Lire.
// Geometry is stored in twips, as the window was designed; at 96 dots per
// inch 15 twips make one pixel, and every stored value is a whole number of
// pixels (checked at compile time below).
#ifndef EUROLIRE_FORM_FORM1_DESIGN_H_
#define EUROLIRE_FORM_FORM1_DESIGN_H_

#include <cstdint>
#include <string_view>

namespace eurolire::design {

inline constexpr int kTwipsPerPixel = 15;
// The density at which one pixel is one device pixel.
inline constexpr int kBaseDpi = 96;

// A rectangle in pixels at `kBaseDpi`.
struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

consteval int Pixels(int twips) {
  // Not a constant expression, so a stored value that is not a whole number
  // of pixels fails to compile.
  if (twips % kTwipsPerPixel != 0) throw "not a whole number of pixels";
  return twips / kTwipsPerPixel;
}

consteval Rect FromTwips(int left, int top, int width, int height) {
  return {Pixels(left), Pixels(top), Pixels(width), Pixels(height)};
}

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
};

struct Font {
  std::string_view family;
  double points = 0;
  int weight = 400;  // 400 normal, 700 bold
};

// One control as the window description stores it.
struct Control {
  std::string_view name;
  std::string_view text;  // the caption; empty for the fields
  Rect geometry;
};

inline constexpr std::string_view kTitle =
    "Convertitore Euro/Lire .....by Morvek";
inline constexpr int kClientWidth = Pixels(7020);   // 468
inline constexpr int kClientHeight = Pixels(2175);  // 145
inline constexpr Rgb kBackground{64, 64, 64};

// The amount fields; the platform's own field colours.
inline constexpr Font kFieldFont{"Arial", 18, 700};
// "EURO" and "LIRE": yellow on the window's grey, which shows through.
inline constexpr Font kCaptionFont{"Arial", 21.75, 700};
inline constexpr Rgb kCaptionColour{255, 255, 0};

inline constexpr Control kLire{"Lire", "", FromTwips(1680, 1200, 4815, 555)};
inline constexpr Control kEuro{"Euro", "", FromTwips(1680, 420, 4815, 555)};
// In the platform's font and colours, opaque. Its top lies below the client
// area, so at the window's fixed size it is never seen.
inline constexpr Control kLabel3{"Label3", "Label3",
                                 FromTwips(2970, 2790, 2400, 195)};
inline constexpr Control kLabel2{"Label2", "LIRE",
                                 FromTwips(360, 1260, 1155, 435)};
inline constexpr Control kLabel1{"Label1", "EURO",
                                 FromTwips(360, 480, 1275, 435)};

// What a screen reader says of each field beyond its name.
inline constexpr std::string_view kEuroDescription = "Importo in euro";
inline constexpr std::string_view kLireDescription = "Importo in lire italiane";

}  // namespace eurolire::design

#endif  // EUROLIRE_FORM_FORM1_DESIGN_H_
