// The fraction text kit: reduces a fraction, adds two fractions over their
// common denominator, and writes the results as markup texts ("ﾀ" numerator
// "/" denominator "ﾀ" is a stacked fraction) and as plain texts.
#include <cmath>
#include <initializer_list>
#include <utility>

#include "framework/lesson.h"

namespace lessons {

namespace {
std::string Stacked(const std::string& num, const std::string& den) {
  return "ﾀ" + num + "/" + den + "ﾀ";
}
}  // namespace

Num Lesson::FloorMod(Num a, Num b) { return a - b * std::floor(a / b); }

void Lesson::GcdLcm() {
  Num a = FRACNUM, b = FRACDEN;
  const Num product = a * b;
  while (b != 0) {
    a = FloorMod(a, b);
    std::swap(a, b);
  }
  TKAI = a;
  // Two zeros have no common divisor: no multiple either.
  TBBOYAKY = TKAI == 0 ? 0 : product / TKAI;
}

void Lesson::FormatFractionPair() {
  GIVENDEN = FRACDEN;
  KJ2 = FRACNUM;
  DB1 = FRACNUM * FRACDEN < 0 ? -1 : 1;

  if (FRACDEN == 0) {
    REDNUM = FRACNUM;
    REDDEN = 0;
    DB = 0;
  } else if (FRACDEN == 1) {
    REDNUM = FRACNUM;
    REDDEN = 1;
    DB = 1;
  } else {
    FRACNUM = std::fabs(FRACNUM);
    FRACDEN = std::fabs(FRACDEN);
    GcdLcm();
    REDNUM = DB1 * FRACNUM / TKAI;
    REDDEN = FRACDEN / TKAI;
    if (REDNUM == 0 || REDDEN == 1) DB = 1;
    else if (REDDEN == GIVENDEN && DB1 == 1) DB = 3;
    else DB = 2;
  }
  FRACNUM = REDNUM;
  FRACDEN = REDDEN;

  DS1_s = StrippedNumberText(KJ2);
  E2_s = StrippedNumberText(GIVENDEN);
  YAK_s = StrippedNumberText(FRACDEN);
  DA1_s = StrippedNumberText(FRACNUM);
  if (Left(DA1_s, 1) == "-") DA1_s = Mid(DA1_s, 2);

  YY_s = Stacked(DS1_s, E2_s);
  bool negative = DB1 == -1;
  XX_s = negative ? "" : "+";

  if (DB == 0) {
    // No value: no result texts.
    T_s.clear();
    F_s.clear();
    U_s.clear();
    DB_s.clear();
    HYOUJI_s.clear();
    PLAINF_s.clear();
    return;
  }
  if (DB == 1) {
    T_s = negative ? "-" + DA1_s : DA1_s;
    F_s = negative ? T_s : "+" + DA1_s;
  } else {
    T_s = (negative ? "-" : "") + Stacked(DA1_s, YAK_s);
    F_s = negative ? T_s : "+" + T_s;
  }
  if (DB == 3) {
    U_s = T_s;
    DB_s = F_s;
  } else {
    U_s = YY_s + "=" + T_s;
    DB_s = XX_s + YY_s + "=" + F_s;
  }

  A_s = T_s;
  RemoveMarkupMarks();
  HYOUJI_s = A_s;
  A_s = F_s;
  RemoveMarkupMarks();
  PLAINF_s = A_s;
}

void Lesson::AddFractionsText() {
  // Each denominator positive, each numerator carrying its fraction's sign.
  if (A31 < 0) {
    DS = -DS;
    A31 = -A31;
  }
  if (LB8 < 0) {
    YAK1 = -YAK1;
    LB8 = -LB8;
  }

  if (A31 == 0 || LB8 == 0) {
    // A zero denominator: no sum and no texts.
    FRACDEN = 0;
    KJ2 = X2 = X4 = 0;
    for (std::string* t : {&DS1_s, &A2_s, &YAK_s, &TERM2_s, &A3_s, &DS4_s, &YY_s, &RABM_s, &T_s,
                           &F_s, &V_s, &DBM2_s, &U_s, &E1_s, &A4_s, &A5_s})
      t->clear();
    return;
  }

  if (A31 == 1 && LB8 == 1) {
    FRACDEN = 1;
    KJ2 = DS;
    X2 = YAK1;
  } else if (A31 == 1) {
    FRACDEN = LB8;
    KJ2 = DS * LB8;
    X2 = YAK1;
  } else if (LB8 == 1) {
    FRACDEN = A31;
    KJ2 = DS;
    X2 = YAK1 * A31;
  } else {
    FRACNUM = std::fabs(A31);
    FRACDEN = std::fabs(LB8);
    FormatFractionPair();
    FRACDEN = TBBOYAKY;
    KJ2 = DS * LB8 / TKAI;
    X2 = YAK1 * A31 / TKAI;
  }
  X4 = KJ2 + X2;

  DS1_s = A2_s = StrippedNumberText(std::fabs(KJ2));
  YAK_s = StrippedNumberText(FRACDEN);
  TERM2_s = A3_s = StrippedNumberText(std::fabs(X2));
  DS4_s = StrippedNumberText(std::fabs(X4));

  // Signed fractions; a zero numerator counts as negative here.
  auto signedPair = [&](Num sign, const std::string& num, std::string& plain, std::string& plus) {
    if (sign > 0) {
      plain = Stacked(num, YAK_s);
      plus = "+" + plain;
    } else {
      plain = plus = "-" + Stacked(num, YAK_s);
    }
  };
  signedPair(DS, DS1_s, YY_s, RABM_s);
  signedPair(YAK1, TERM2_s, T_s, F_s);
  signedPair(X4, DS4_s, V_s, DBM2_s);

  if (DS < 0) DS1_s = "-" + DS1_s;
  TERM2_s = (YAK1 < 0 ? "-" : "+") + TERM2_s;
  U_s = Stacked(DS1_s + TERM2_s, YAK_s);
  E1_s = YY_s + F_s;
  A4_s = Stacked(A2_s, YAK_s);
  A5_s = Stacked(A3_s, YAK_s);
}

void Lesson::RemoveMarkupMarks() {
  // Each mark is taken out, first occurrence first, until none is left; the
  // position (in the original byte count) of the last one taken is kept.
  auto removeAll = [&](const char* mark, Num& position) {
    for (int at = InStr(A_s, mark); at != 0; at = InStr(A_s, mark)) {
      position = static_cast<Num>(ByteLen(Left(A_s, at - 1)) + 1);
      A_s = Left(A_s, at - 1) + Mid(A_s, at + 1);
    }
  };
  removeAll("^", H);
  removeAll("ﾝ", ZX5);
  removeAll("ﾀ", ZY5);
  removeAll("=", ZY5);
}

}  // namespace lessons
