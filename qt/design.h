// The stored design of Form1 (form/form1_design.h) in Qt's terms.
#ifndef EUROLIRE_QT_DESIGN_H_
#define EUROLIRE_QT_DESIGN_H_

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <string_view>

#include "form/form1_design.h"

namespace eurolire {

inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QRect ToQRect(const design::Rect& rect) {
  return QRect(rect.left, rect.top, rect.width, rect.height);
}

inline QColor ToQColor(design::Rgb rgb) {
  return QColor(rgb.red, rgb.green, rgb.blue);
}

// Asked for by name: where Arial is missing, fontconfig substitutes
// Liberation Sans, which has Arial's metrics.
inline QFont ToQFont(const design::Font& stored) {
  QFont font(ToQString(stored.family));
  font.setPointSizeF(stored.points);
  font.setWeight(static_cast<QFont::Weight>(stored.weight));
  return font;
}

}  // namespace eurolire

#endif  // EUROLIRE_QT_DESIGN_H_
