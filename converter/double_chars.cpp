#include "converter/double_chars.h"

#if defined(__cpp_lib_to_chars) && !defined(EUROLIRE_CHARCONV_FALLBACK)

namespace eurolire {

std::from_chars_result ReadDouble(const char* first, const char* last,
                                  double& value, std::chars_format format) {
  return std::from_chars(first, last, value, format);
}

const char* WriteScientific(char* first, char* last, double value,
                            int precision) {
  return std::to_chars(first, last, value, std::chars_format::scientific,
                       precision)
      .ptr;
}

}  // namespace eurolire

#else

#include <fast_float/fast_float.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>

namespace eurolire {
namespace {

// An unsigned integer of up to 1,280 bits. A double is m x 2^e, with m
// below 2^53 and e from -1074 to 971; the digits below scale it by powers
// of ten to between 1 and 100, which never takes more than 1,140 bits.
class BigUnsigned {
 public:
  explicit BigUnsigned(std::uint64_t value) {
    for (; value != 0; value >>= 32) {
      limbs_[size_++] = static_cast<std::uint32_t>(value);
    }
  }

  void Multiply(std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (int i = 0; i < size_; ++i) {
      const std::uint64_t product = std::uint64_t{limbs_[i]} * factor + carry;
      limbs_[i] = static_cast<std::uint32_t>(product);
      carry = product >> 32;
    }
    if (carry != 0) limbs_[size_++] = static_cast<std::uint32_t>(carry);
  }

  void MultiplyByPowerOfTwo(int power) {
    for (; power >= 31; power -= 31) Multiply(1u << 31);
    Multiply(1u << power);
  }

  void MultiplyByPowerOfTen(int power) {
    for (; power >= 9; power -= 9) Multiply(1'000'000'000);
    for (; power > 0; --power) Multiply(10);
  }

  bool LessThan(const BigUnsigned& other) const {
    if (size_ != other.size_) return size_ < other.size_;
    for (int i = size_ - 1; i >= 0; --i) {
      if (limbs_[i] != other.limbs_[i]) return limbs_[i] < other.limbs_[i];
    }
    return false;
  }

  // `other` must not be larger.
  void Subtract(const BigUnsigned& other) {
    std::uint64_t borrow = 0;
    for (int i = 0; i < size_; ++i) {
      const std::uint64_t subtrahend =
          (i < other.size_ ? other.limbs_[i] : 0) + borrow;
      borrow = limbs_[i] < subtrahend;
      limbs_[i] = static_cast<std::uint32_t>(limbs_[i] - subtrahend);
    }
    while (size_ > 0 && limbs_[size_ - 1] == 0) --size_;
  }

 private:
  std::array<std::uint32_t, 40> limbs_{};
  int size_ = 0;
};

// The first digits.size() significant digits of `value` (finite, above
// zero), correctly rounded, halves to even as printf and to_chars round
// them, into `digits`; returns the power of ten of the first. Exact: the
// value is held as the quotient of two big integers, and each digit is
// taken out of it by subtraction, so no binary rounding comes in. This
// rather than the C library's printf, which would weigh 9 KB of the page's
// WebAssembly.
int ExactDigits(double value, std::string& digits) {
  int binary_exponent = 0;
  const double fraction = std::frexp(value, &binary_exponent);
  BigUnsigned remainder(static_cast<std::uint64_t>(std::ldexp(fraction, 53)));
  BigUnsigned divisor(1);
  const int power_of_two = binary_exponent - 53;
  if (power_of_two > 0) remainder.MultiplyByPowerOfTwo(power_of_two);
  if (power_of_two < 0) divisor.MultiplyByPowerOfTwo(-power_of_two);
  // value / 10^power = remainder / divisor, brought to [1, 10) from a
  // guess that is off by one at most.
  int power =
      static_cast<int>(std::floor((binary_exponent - 1) * 0.30102999566398120));
  if (power > 0) divisor.MultiplyByPowerOfTen(power);
  if (power < 0) remainder.MultiplyByPowerOfTen(-power);
  while (remainder.LessThan(divisor)) {
    remainder.Multiply(10);
    --power;
  }
  for (BigUnsigned ten = divisor;;) {
    ten.Multiply(10);
    if (remainder.LessThan(ten)) break;
    divisor = ten;
    ++power;
  }
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0) remainder.Multiply(10);
    char digit = '0';
    for (; !remainder.LessThan(divisor); ++digit) remainder.Subtract(divisor);
    digits[i] = digit;
  }
  // What is left against half a unit of the last digit.
  remainder.Multiply(2);
  const bool above_half = divisor.LessThan(remainder);
  const bool half = !above_half && !remainder.LessThan(divisor);
  if (above_half || (half && (digits.back() - '0') % 2 == 1)) {
    std::size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i > 0) {
      ++digits[i - 1];
    } else {
      digits[0] = '1';
      ++power;
    }
  }
  return power;
}

}  // namespace

// The core reads fixed texts, and general ones only to read back what
// WriteScientific wrote.
std::from_chars_result ReadDouble(const char* first, const char* last,
                                  double& value, std::chars_format format) {
  double read = 0;
  auto [end, error] = fast_float::from_chars(
      first, last, read,
      format == std::chars_format::fixed ? fast_float::chars_format::fixed
                                         : fast_float::chars_format::general);
  // fast_float rounds a number beyond the range of a double to infinity,
  // and one too small for it to zero, without an error: the standard call
  // reports both out of range. Only "inf" and "nan" have no digits.
  std::string_view number(first, end - first);
  number = number.substr(0, number.find_first_of("eE"));
  if (error == std::errc() &&
      ((std::isinf(read) &&
        number.find_first_of("0123456789") != std::string_view::npos) ||
       (read == 0 &&
        number.find_first_of("123456789") != std::string_view::npos))) {
    error = std::errc::result_out_of_range;
  }
  // Like the standard call, a failed read leaves `value` alone.
  if (error == std::errc()) value = read;
  return {end, error};
}

const char* WriteScientific(char* first, char* last, double value,
                            int precision) {
  std::string digits(static_cast<std::size_t>(precision) + 1, '0');
  const bool negative = std::signbit(value);
  const int power =
      value == 0 ? 0 : ExactDigits(negative ? -value : value, digits);
  // "-d.ddde+XX", with two exponent digits at least, as to_chars writes it.
  std::string text = negative ? "-" : "";
  text += digits[0];
  if (precision > 0) {
    text += '.';
    text.append(digits, 1);
  }
  text += power < 0 ? "e-" : "e+";
  const int magnitude = power < 0 ? -power : power;
  if (magnitude >= 100) text += static_cast<char>('0' + magnitude / 100);
  text += static_cast<char>('0' + magnitude / 10 % 10);
  text += static_cast<char>('0' + magnitude % 10);
  if (text.size() > static_cast<std::size_t>(last - first)) return last;
  return std::copy(text.begin(), text.end(), first);
}

}  // namespace eurolire

#endif
