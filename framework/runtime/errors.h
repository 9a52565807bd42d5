// Exceptions that end a lesson program's normal course.
#pragma once

#include <source_location>
#include <stdexcept>
#include <string>

namespace lessons {

// Error numbers shown on the error screen (see docs/runtime.md).
enum ErrorNumber : int {
  kErrInvalidArgument = 5,   // a value a routine cannot work with
  kErrOverflow = 6,          // conversion of a number to an integer out of range
  kErrOutOfMemory = 7,
  kErrSubscript = 9,         // array index outside its bounds
  kErrDivisionByZero = 11,   // a checked division by zero
  kErrRuntimeFailure = 51,   // a graphics runtime operation failed
};

// A run-time error: its number and the source line where it happened.
class RuntimeError : public std::runtime_error {
 public:
  RuntimeError(int number, std::source_location where, const std::string& what = "")
      : std::runtime_error(what.empty() ? "run-time error " + std::to_string(number) : what),
        number_(number),
        line_(static_cast<int>(where.line())),
        file_(where.file_name()) {}
  int number() const { return number_; }
  int line() const { return line_; }
  const char* file() const { return file_; }

 private:
  int number_;
  int line_;
  const char* file_;
};

// The user closed the window (or a scripted run ran out of keys): the
// program ends at once, wherever it was waiting or drawing.
struct WindowClosed {};

}  // namespace lessons
