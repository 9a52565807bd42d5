// Numbers, texts and arrays as the lesson programs use them.
//
// Every number is a float. Texts are UTF-8 strings, but lessons count them in
// characters (a double-byte character is one character) and, where the
// original byte lengths matter, in "byte lengths": 1 for ASCII and half-width
// katakana, 2 for every other character.
#pragma once

#include <cstdint>
#include <source_location>
#include <string>
#include <string_view>
#include <vector>

#include "framework/runtime/errors.h"

namespace lessons {

using Num = float;

// ---- conversions -----------------------------------------------------------

// Conversion of a number to an integer where one is needed (indices, colours,
// selectors): rounds to the nearest integer, ties to even. Out of the 32-bit
// range (or NaN) it raises error 6.
int CInt(Num v, std::source_location where = std::source_location::current());
// INT: the floor, as a float.
Num Int(Num v);
// A division that is checked: a zero divisor raises error 11.
Num Div(Num a, Num b, std::source_location where = std::source_location::current());

// ---- texts -----------------------------------------------------------------

// The characters of a text, each as its own UTF-8 string.
std::vector<std::string> Chars(std::string_view s);
// Number of characters.
int Len(std::string_view s);
// Byte length of one character as the original encoding had it (1 or 2).
int CharByteLen(std::string_view ch);
// Byte length of a whole text.
int ByteLen(std::string_view s);
// True for a double-byte character.
inline bool IsDoubleByte(std::string_view ch) { return CharByteLen(ch) == 2; }
// Character-based substrings: start is 1-based; out-of-range parts are empty.
std::string Mid(std::string_view s, int start, int count = -1);
std::string Left(std::string_view s, int count);
std::string Right(std::string_view s, int count);
// 1-based character position of the first `what` at or after `start`, 0 if none.
int InStr(std::string_view s, std::string_view what, int start = 1);
// A one-character text of the given code (e.g. Chr(13) for Enter).
std::string Chr(int code);
// Code of the first character (0 for the empty text).
int Asc(std::string_view s);

// Number text: a blank before zero and positive numbers, "-" before negative
// ones, no "0" before the decimal point, no trailing zeros; whole numbers
// without a point; fractions with six significant digits, never in exponent
// form (0.5 -> " .5", -0.5 -> "-.5", 3 -> " 3", -0 -> " 0").
std::string Str(Num v);
// Decimal reading of a text: the longest leading part that forms a number
// (optional "-", digits with at most one "."); 0 when there is none.
Num Val(std::string_view s);

// ---- arrays ----------------------------------------------------------------

// A one-dimensional array holding the indices 0 to its bound; every index is
// checked (error 9).
template <typename T>
class Array1 {
 public:
  explicit Array1(int bound) : items_(static_cast<size_t>(bound) + 1) {}
  T& operator()(Num index, std::source_location where = std::source_location::current()) {
    return items_[Check(index, where)];
  }
  const T& operator()(Num index, std::source_location where = std::source_location::current()) const {
    return items_[Check(index, where)];
  }
  int bound() const { return static_cast<int>(items_.size()) - 1; }
  void Clear() { for (auto& x : items_) x = T{}; }

 private:
  size_t Check(Num index, std::source_location where) const {
    int i = CInt(index, where);
    if (i < 0 || i >= static_cast<int>(items_.size())) throw RuntimeError(kErrSubscript, where);
    return static_cast<size_t>(i);
  }
  std::vector<T> items_;
};

// A two-dimensional array, indices 0..bound1 by 0..bound2, checked.
template <typename T>
class Array2 {
 public:
  Array2(int bound1, int bound2)
      : n1_(bound1 + 1), n2_(bound2 + 1), items_(static_cast<size_t>(n1_) * n2_) {}
  T& operator()(Num i, Num j, std::source_location where = std::source_location::current()) {
    return items_[Check(i, j, where)];
  }
  const T& operator()(Num i, Num j, std::source_location where = std::source_location::current()) const {
    return items_[Check(i, j, where)];
  }

 private:
  size_t Check(Num i, Num j, std::source_location where) const {
    int a = CInt(i, where), b = CInt(j, where);
    if (a < 0 || a >= n1_ || b < 0 || b >= n2_) throw RuntimeError(kErrSubscript, where);
    return static_cast<size_t>(a) * n2_ + b;
  }
  int n1_, n2_;
  std::vector<T> items_;
};

using NumArray = Array1<Num>;
using TextArray = Array1<std::string>;
using NumArray2 = Array2<Num>;

}  // namespace lessons
