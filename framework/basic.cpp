#include "framework/basic.h"

#include <algorithm>
#include <cfenv>
#include <cstdlib>
#include <cmath>
#include <cstdio>
#include <limits>

namespace lessons {

int CInt(Num v, std::source_location where) {
  if (!std::isfinite(v)) throw RuntimeError(kErrOverflow, where);
  double r = std::nearbyint(static_cast<double>(v));  // ties to even
  if (r < std::numeric_limits<int32_t>::min() || r > std::numeric_limits<int32_t>::max())
    throw RuntimeError(kErrOverflow, where);
  return static_cast<int>(r);
}

Num Int(Num v) { return std::floor(v); }

Num Div(Num a, Num b, std::source_location where) {
  if (b == 0.0f) throw RuntimeError(kErrDivisionByZero, where);
  return a / b;
}

namespace {
// Length in bytes of the UTF-8 sequence that starts with `lead`.
size_t Utf8Len(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 1;  // stray continuation byte: one character of its own
}

uint32_t CodePoint(std::string_view ch) {
  if (ch.empty()) return 0;
  auto b = [&](size_t i) { return static_cast<unsigned char>(ch[i]); };
  size_t n = Utf8Len(b(0));
  if (n > ch.size()) return b(0);
  switch (n) {
    case 1: return b(0);
    case 2: return ((b(0) & 0x1Fu) << 6) | (b(1) & 0x3Fu);
    case 3: return ((b(0) & 0x0Fu) << 12) | ((b(1) & 0x3Fu) << 6) | (b(2) & 0x3Fu);
    default: return ((b(0) & 0x07u) << 18) | ((b(1) & 0x3Fu) << 12) | ((b(2) & 0x3Fu) << 6) | (b(3) & 0x3Fu);
  }
}

template <typename F>
void ForEachChar(std::string_view s, F f) {
  size_t i = 0;
  while (i < s.size()) {
    size_t n = Utf8Len(static_cast<unsigned char>(s[i]));
    if (i + n > s.size()) n = s.size() - i;
    if (!f(s.substr(i, n))) return;
    i += n;
  }
}
}  // namespace

std::vector<std::string> Chars(std::string_view s) {
  std::vector<std::string> out;
  ForEachChar(s, [&](std::string_view c) { out.emplace_back(c); return true; });
  return out;
}

int Len(std::string_view s) {
  int n = 0;
  ForEachChar(s, [&](std::string_view) { ++n; return true; });
  return n;
}

int CharByteLen(std::string_view ch) {
  uint32_t cp = CodePoint(ch);
  if (ch.empty()) return 0;
  if (cp < 0x80) return 1;
  if (cp >= 0xFF61 && cp <= 0xFF9F) return 1;  // half-width katakana
  return 2;
}

int ByteLen(std::string_view s) {
  int n = 0;
  ForEachChar(s, [&](std::string_view c) { n += CharByteLen(c); return true; });
  return n;
}

std::string Mid(std::string_view s, int start, int count) {
  if (start < 1) start = 1;
  std::string out;
  int pos = 0;
  ForEachChar(s, [&](std::string_view c) {
    ++pos;
    if (pos >= start && (count < 0 || pos < start + count)) out.append(c);
    return count < 0 || pos < start + count;
  });
  return out;
}

std::string Left(std::string_view s, int count) { return count <= 0 ? std::string() : Mid(s, 1, count); }

std::string Right(std::string_view s, int count) {
  int n = Len(s);
  if (count <= 0) return {};
  if (count >= n) return std::string(s);
  return Mid(s, n - count + 1);
}

int InStr(std::string_view s, std::string_view what, int start) {
  auto chars = Chars(s);
  auto pat = Chars(what);
  if (start < 1) start = 1;
  if (pat.empty()) return start <= static_cast<int>(chars.size()) + 1 ? start : 0;
  for (size_t i = static_cast<size_t>(start - 1); i + pat.size() <= chars.size(); ++i) {
    bool ok = true;
    for (size_t k = 0; k < pat.size() && ok; ++k) ok = chars[i + k] == pat[k];
    if (ok) return static_cast<int>(i) + 1;
  }
  return 0;
}

std::string Chr(int code) {
  std::string out;
  uint32_t cp = static_cast<uint32_t>(code);
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
  return out;
}

int Asc(std::string_view s) { return static_cast<int>(CodePoint(s)); }

std::string Str(Num v) {
  if (std::isnan(v)) return " NaN";
  if (std::isinf(v)) return v > 0 ? " Inf" : "-Inf";
  if (v == 0.0f) return " 0";  // also -0
  std::string sign = v < 0 ? "-" : " ";
  double a = std::fabs(static_cast<double>(v));
  char buf[64];
  if (a == std::floor(a) && a < 1e15) {
    std::snprintf(buf, sizeof buf, "%.0f", a);
    return sign + buf;
  }
  std::snprintf(buf, sizeof buf, "%.6g", a);
  std::string t = buf;
  size_t e = t.find('e');
  if (e != std::string::npos) {
    // Very small or large values: the same six digits in plain decimal form.
    int exponent = std::atoi(t.c_str() + e + 1);
    std::snprintf(buf, sizeof buf, "%.*f", std::max(0, 5 - exponent), a);
    t = buf;
    if (t.find('.') != std::string::npos) {
      while (t.back() == '0') t.pop_back();
      if (t.back() == '.') t.pop_back();
    }
  }
  if (t.size() > 1 && t[0] == '0' && t[1] == '.') t.erase(0, 1);
  return sign + t;
}

Num Val(std::string_view s) {
  size_t i = 0;
  std::string num;
  if (i < s.size() && s[i] == '-') { num.push_back('-'); ++i; }
  bool point = false, digits = false;
  for (; i < s.size(); ++i) {
    char c = s[i];
    if (c >= '0' && c <= '9') { num.push_back(c); digits = true; }
    else if (c == '.' && !point) { num.push_back(c); point = true; }
    else break;
  }
  if (!digits) return 0.0f;
  return std::strtof(num.c_str(), nullptr);
}

}  // namespace lessons
