// Drives a Converter without a window: two texts behind a ConverterView that
// keeps the window's notification rule (a changed text runs the field's
// change handler before SetText returns).
#ifndef EUROLIRE_TESTS_CONVERTER_FAKE_VIEW_H_
#define EUROLIRE_TESTS_CONVERTER_FAKE_VIEW_H_

#include <algorithm>
#include <string>

#include "converter/converter.h"

namespace eurolire::testing {

inline const NumberConventions kItalian{",", "."};
inline const NumberConventions kEnglish{".", ","};

class FakeView : public ConverterView {
 public:
  void Attach(Converter& converter) { converter_ = &converter; }

  std::string Text(Field field) const override { return Slot(field); }

  // ConverterView::SetText gives it only a text that differs.
  void ReplaceText(Field field, const std::string& text) override {
    Slot(field) = text;
    ++changes_;
    struct Depth {
      explicit Depth(FakeView& view) : view(view) {
        view.max_depth_ = std::max(view.max_depth_, ++view.depth_);
      }
      ~Depth() { --view.depth_; }
      FakeView& view;
    } depth(*this);
    if (field == Field::Euro) {
      converter_->Euro_Change();
    } else {
      converter_->Lire_Change();
    }
  }

  // What the user does; typing replaces the field's whole text, and the
  // same text is no edit. Unlike the converter's writes, typing never goes
  // through an override of ReplaceText.
  void Type(Field field, const std::string& text) {
    if (Slot(field) != text) FakeView::ReplaceText(field, text);
  }

  int Changes() const { return changes_; }
  int MaxDepth() const { return max_depth_; }

 private:
  std::string& Slot(Field field) {
    return field == Field::Euro ? euro_ : lire_;
  }
  const std::string& Slot(Field field) const {
    return field == Field::Euro ? euro_ : lire_;
  }

  Converter* converter_ = nullptr;
  std::string euro_;
  std::string lire_;
  int changes_ = 0;
  int depth_ = 0;
  int max_depth_ = 0;
};

// A converter wired to a FakeView, started as the window starts it.
struct Session {
  explicit Session(const NumberConventions& conventions = kItalian)
      : converter(view, conventions) {
    view.Attach(converter);
  }
  void Start() {
    converter.Form_Load();
    converter.Euro_GotFocus();
  }
  void Focus(Field field) {
    if (field == Field::Euro) {
      converter.Euro_GotFocus();
    } else {
      converter.Lire_GotFocus();
    }
  }
  // Focuses `field` and types `text` into it, one keystroke at a time, as a
  // user builds the text up.
  void TypeKeys(Field field, const std::string& text) {
    Focus(field);
    for (std::size_t i = 1; i <= text.size(); ++i) {
      view.Type(field, text.substr(0, i));
    }
  }
  std::string Euro() const { return view.Text(Field::Euro); }
  std::string Lire() const { return view.Text(Field::Lire); }

  FakeView view;
  Converter converter;
};

}  // namespace eurolire::testing

#endif  // EUROLIRE_TESTS_CONVERTER_FAKE_VIEW_H_
