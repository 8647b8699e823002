// libFuzzer target for the converter: plays a session of focus changes,
// keystrokes, pastes, deletions and drops decoded from the input through a
// view that behaves like the window, and after every action checks what the
// user must see: the typed text kept as typed, the other field converted,
// emptied or left alone as the rules say, and short handler chains.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "converter/conversion.h"
#include "converter/converter.h"
#include "converter/number_text.h"
#include "converter/run_time_error.h"
#include "fuzz/fuzz_check.h"
#include "tests/converter/fake_view.h"

namespace eurolire::fuzz {
namespace {

Field Other(Field field) {
  return field == Field::Euro ? Field::Lire : Field::Euro;
}

const char* Name(Field field) { return field == Field::Euro ? "euro" : "lire"; }

// A FakeView that also records the converter's writes. Typing goes through
// FakeView::ReplaceText directly, so only the converter reaches this
// override.
class RecordingView : public testing::FakeView {
 public:
  struct Write {
    Field field;
    std::string text;
  };

  void ReplaceText(Field field, const std::string& text) override {
    writes_.push_back({field, text});
    FakeView::ReplaceText(field, text);
  }

  std::vector<Write>& Writes() { return writes_; }

 private:
  std::vector<Write> writes_;
};

// Reads the fuzz input as a stream of small integers and byte strings.
class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size)
      : data_(data), size_(size) {}
  bool Done() const { return pos_ >= size_; }
  std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  std::string Bytes(std::size_t count) {
    count = std::min(count, size_ - pos_);
    std::string bytes(reinterpret_cast<const char*>(data_ + pos_), count);
    pos_ += count;
    return bytes;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

class Player {
 public:
  explicit Player(const NumberConventions& conventions)
      : conventions_(conventions), converter_(view_, conventions) {
    view_.Attach(converter_);
    // As the window starts: the rate set, the euro field focused.
    converter_.Form_Load();
    Focus(Field::Euro);
  }

  void Focus(Field field) {
    const int changes = view_.Changes();
    if (field == Field::Euro) {
      converter_.Euro_GotFocus();
    } else {
      converter_.Lire_GotFocus();
    }
    focus_ = field;
    Check(view_.Changes() == changes,
          [] { return std::string("a focus change touched a field's text"); });
  }

  Field Focused() const { return focus_; }
  std::string Text(Field field) const { return view_.Text(field); }

  // The user replaces the whole text of `field`, as a keystroke, paste,
  // deletion or drop does; then every rule is checked.
  void Act(Field field, const std::string& typed) {
    const Field other = Other(field);
    const std::string before_self = view_.Text(field);
    const std::string before_other = view_.Text(other);
    view_.Writes().clear();
    bool overflow = false;
    try {
      view_.Type(field, typed);
    } catch (const OverflowError&) {
      overflow = true;
    } catch (const std::exception& error) {
      Fail(Describe(field, typed, before_other) + ": threw " + error.what());
    }
    const auto describe = [&](const char* what) {
      return [&, what] {
        return std::string(what) + " after " +
               Describe(field, typed, before_other) + ": other field \"" +
               Escaped(view_.Text(other)) + "\"" +
               (overflow ? ", OverflowError" : "");
      };
    };

    Check(view_.MaxDepth() <= 3, describe("handler chain deeper than three"));
    Check(view_.Text(field) == typed, describe("the typed text was changed"));
    // One write at most, into the other field: its echo must not convert
    // the written value back into the field the user typed into.
    const std::vector<RecordingView::Write>& writes = view_.Writes();
    Check(writes.size() <= 1 && (writes.empty() || writes[0].field == other),
          describe("the converter wrote more than the other field once"));

    std::optional<std::string> expected;  // nullopt: kept its text
    bool overflow_expected = false;
    // Each field reads its own currency's signs.
    const NumberConventions reading = FieldConventions(field, conventions_);
    if (typed != before_self) {  // the same text again runs no handler
      const std::optional<DecimalAmount> amount =
          ReadFieldAmount(typed, reading);
      if (!amount) {
        expected = "";
      } else if (field == focus_ && IsAboveZero(*amount)) {
        // The conversion itself is checked against exact decimals by the
        // accuracy tests; here, that the handlers write it or report it.
        ConvertedText converted = ConvertText(typed, field, conventions_);
        if (converted.fault) {
          overflow_expected = true;
        } else {
          expected = std::move(converted.text);
        }
      }
    }
    Check(overflow == overflow_expected,
          describe(overflow ? "unexpected OverflowError" : "no OverflowError"));
    Check(view_.Text(other) == expected.value_or(before_other),
          describe(expected ? "the other field does not show its result"
                            : "the other field did not keep its text"));
  }

 private:
  std::string Describe(Field field, const std::string& typed,
                       const std::string& before_other) const {
    return std::string("typing \"") + Escaped(typed) + "\" into " +
           Name(field) + " (focus on " + Name(focus_) + ", other field was \"" +
           Escaped(before_other) + "\")";
  }

  const NumberConventions& conventions_;
  RecordingView view_;
  Converter converter_;
  Field focus_ = Field::Euro;
};

}  // namespace
}  // namespace eurolire::fuzz

// Input: one byte choosing the conventions, then actions, each an opcode
// byte and its operands.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  using namespace eurolire;
  using namespace eurolire::fuzz;
  Input input(data, size);
  Player player(kConventions[input.Byte() % kConventions.size()]);
  while (!input.Done()) {
    const Field focused = player.Focused();
    switch (input.Byte() % 6) {
      case 0:
        player.Focus(Field::Euro);
        break;
      case 1:
        player.Focus(Field::Lire);
        break;
      case 2: {  // keystrokes, each appending bytes (one character or more)
        const std::size_t keys = input.Byte() % 16;
        for (std::size_t i = 0; i < keys && !input.Done(); ++i) {
          const std::size_t width = 1 + input.Byte() % 3;
          player.Act(focused, player.Text(focused) + input.Bytes(width));
        }
        break;
      }
      case 3: {  // a paste replacing the whole text
        const std::size_t length = input.Byte() + 256 * (input.Byte() % 4);
        player.Act(focused, input.Bytes(length));
        break;
      }
      case 4: {  // backspaces, one byte each, however the text is encoded
        const std::size_t count = 1 + input.Byte() % 4;
        for (std::size_t i = 0; i < count; ++i) {
          std::string text = player.Text(focused);
          if (!text.empty()) text.pop_back();
          player.Act(focused, text);
        }
        break;
      }
      case 5: {  // a drop into the field without the focus
        const std::size_t length = input.Byte() % 64;
        player.Act(Other(focused), input.Bytes(length));
        break;
      }
    }
  }
  return 0;
}
