// The run-time errors that the converter's operations raise. A handler that
// meets one is abandoned at that point; the program's top level reports it.
#ifndef EUROLIRE_CONVERTER_RUN_TIME_ERROR_H_
#define EUROLIRE_CONVERTER_RUN_TIME_ERROR_H_

#include <exception>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>

namespace eurolire {

// The classic run-time error numbers, by which reports name a fault.
inline constexpr int kOverflowNumber = 6;
inline constexpr int kOutOfMemoryNumber = 7;
inline constexpr int kDivisionByZeroNumber = 11;
inline constexpr int kTypeMismatchNumber = 13;
inline constexpr int kInternalErrorNumber = 51;
inline constexpr int kFileNotFoundNumber = 53;

// Base of every error a handler can raise. `Number()` is one of the numbers
// above, kept so a report can name the fault the way users know it.
class RunTimeError : public std::runtime_error {
 public:
  RunTimeError(int number, const std::string& what)
      : std::runtime_error(what), number_(number) {}
  int Number() const { return number_; }

 private:
  int number_;
};

// A text that is not a number was read as one.
class TypeMismatchError : public RunTimeError {
 public:
  explicit TypeMismatchError(const std::string& what)
      : RunTimeError(kTypeMismatchNumber, what) {}
};

// A result left the range of its type (a double, or a `CurrencyValue`), or an
// operation had no defined result.
class OverflowError : public RunTimeError {
 public:
  explicit OverflowError(const std::string& what)
      : RunTimeError(kOverflowNumber, what) {}
};

// An amount was divided by a zero rate.
class DivisionByZeroError : public RunTimeError {
 public:
  explicit DivisionByZeroError(const std::string& what)
      : RunTimeError(kDivisionByZeroNumber, what) {}
};

// Runs `action` and returns the error that abandoned it, if any, for a front
// end to report: a RunTimeError as it is, running out of memory as
// kOutOfMemoryNumber, any other exception as kInternalErrorNumber. Nothing
// escapes, so a handler can run where no exception may pass (a Qt signal, a
// window procedure).
template <typename Action>
std::optional<RunTimeError> CatchRunTimeError(Action&& action) {
  try {
    action();
  } catch (const RunTimeError& error) {
    return error;
  } catch (const std::bad_alloc&) {
    return RunTimeError(kOutOfMemoryNumber, "out of memory");
  } catch (const std::exception& error) {
    return RunTimeError(kInternalErrorNumber, error.what());
  } catch (...) {
    return RunTimeError(kInternalErrorNumber, "unknown exception");
  }
  return std::nullopt;
}

}  // namespace eurolire

#endif  // EUROLIRE_CONVERTER_RUN_TIME_ERROR_H_
