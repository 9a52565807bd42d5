// The fraction text kit: reducing, adding and the texts it writes.
#include <gtest/gtest.h>

#include "tests/support/bench.h"

namespace lessons::testing {
namespace {

void Reduce(Lesson& L, float num, float den) {
  L.FRACNUM = num;
  L.FRACDEN = den;
  L.FormatFractionPair();
}

TEST(FractionKit, ReducedFractionTexts) {
  Bench b;
  auto& L = b.L;
  Reduce(L, 6, 8);
  EXPECT_EQ(L.DB, 2);
  EXPECT_EQ(L.FRACNUM, 3);
  EXPECT_EQ(L.FRACDEN, 4);
  EXPECT_EQ(L.YY_s, "ﾀ6/8ﾀ");
  EXPECT_EQ(L.T_s, "ﾀ3/4ﾀ");
  EXPECT_EQ(L.F_s, "+ﾀ3/4ﾀ");
  EXPECT_EQ(L.U_s, "ﾀ6/8ﾀ=ﾀ3/4ﾀ");
  EXPECT_EQ(L.DB_s, "+ﾀ6/8ﾀ=+ﾀ3/4ﾀ");
  EXPECT_EQ(L.HYOUJI_s, "3/4");
  EXPECT_EQ(L.PLAINF_s, "+3/4");
  EXPECT_EQ(L.TKAI, 2);
  EXPECT_EQ(L.TBBOYAKY, 24);

  Reduce(L, -6, 8);
  EXPECT_EQ(L.DB, 2);
  EXPECT_EQ(L.FRACNUM, -3);
  EXPECT_EQ(L.DA1_s, "3");
  EXPECT_EQ(L.YY_s, "ﾀ-6/8ﾀ");
  EXPECT_EQ(L.T_s, "-ﾀ3/4ﾀ");
  EXPECT_EQ(L.F_s, "-ﾀ3/4ﾀ");
  EXPECT_EQ(L.XX_s, "");
  EXPECT_EQ(L.U_s, "ﾀ-6/8ﾀ=-ﾀ3/4ﾀ");
  EXPECT_EQ(L.DB_s, L.U_s);
  EXPECT_EQ(L.HYOUJI_s, "-3/4");

  Reduce(L, 6, -8);
  EXPECT_EQ(L.FRACNUM, -3);
  EXPECT_EQ(L.FRACDEN, 4);
  EXPECT_EQ(L.YY_s, "ﾀ6/-8ﾀ");

  Reduce(L, 8, 4);
  EXPECT_EQ(L.DB, 1);
  EXPECT_EQ(L.T_s, "2");
  EXPECT_EQ(L.F_s, "+2");
  EXPECT_EQ(L.U_s, "ﾀ8/4ﾀ=2");
  EXPECT_EQ(L.DB_s, "+ﾀ8/4ﾀ=+2");

  Reduce(L, 3, 5);
  EXPECT_EQ(L.DB, 3);
  EXPECT_EQ(L.U_s, "ﾀ3/5ﾀ");
  EXPECT_EQ(L.DB_s, "+ﾀ3/5ﾀ");
  Reduce(L, -3, 5);
  EXPECT_EQ(L.DB, 2);
  EXPECT_EQ(L.U_s, "ﾀ-3/5ﾀ=-ﾀ3/5ﾀ");

  Reduce(L, 0, 5);
  EXPECT_EQ(L.DB, 1);
  EXPECT_EQ(L.T_s, "0");
  EXPECT_EQ(L.F_s, "+0");
  L.TKAI = 99;
  Reduce(L, 5, 1);
  EXPECT_EQ(L.DB, 1);
  EXPECT_EQ(L.TKAI, 99);  // no reduction needed
  Reduce(L, 5, -1);
  EXPECT_EQ(L.FRACNUM, -5);
  EXPECT_EQ(L.FRACDEN, 1);
  EXPECT_EQ(L.DB, 1);
}

TEST(FractionKit, ZeroDenominatorAndTwoZerosGiveNoResult) {
  Bench b;
  auto& L = b.L;
  Reduce(L, 6, 8);  // leaves texts that must not reappear
  L.TKAI = 7, L.TBBOYAKY = 8;
  Reduce(L, 5, 0);
  EXPECT_EQ(L.DB, 0);
  EXPECT_EQ(L.FRACNUM, 5);
  EXPECT_EQ(L.FRACDEN, 0);
  EXPECT_EQ(L.TKAI, 7);
  EXPECT_EQ(L.TBBOYAKY, 8);
  EXPECT_EQ(L.YY_s, "ﾀ5/0ﾀ");
  for (const std::string* t : {&L.T_s, &L.F_s, &L.U_s, &L.DB_s, &L.HYOUJI_s, &L.PLAINF_s})
    EXPECT_EQ(*t, "");

  L.FRACNUM = 0, L.FRACDEN = 0;
  L.GcdLcm();
  EXPECT_EQ(L.TKAI, 0);
  EXPECT_EQ(L.TBBOYAKY, 0);
  L.FRACNUM = 4, L.FRACDEN = 0;
  L.GcdLcm();
  EXPECT_EQ(L.TKAI, 4);
  EXPECT_EQ(L.TBBOYAKY, 0);
  L.FRACNUM = 12, L.FRACDEN = 18;
  L.GcdLcm();
  EXPECT_EQ(L.TKAI, 6);
  EXPECT_EQ(L.TBBOYAKY, 36);
  EXPECT_EQ(Lesson::FloorMod(-7, 3), 2);
  EXPECT_EQ(Lesson::FloorMod(7, -3), -2);
}

void Add(Lesson& L, float n1, float d1, float n2, float d2) {
  L.DS = n1, L.A31 = d1, L.YAK1 = n2, L.LB8 = d2;
  L.AddFractionsText();
}

TEST(FractionKit, SumsOverTheCommonDenominator) {
  Bench b;
  auto& L = b.L;
  Add(L, 1, 6, 1, 3);
  EXPECT_EQ(L.FRACDEN, 6);
  EXPECT_EQ(L.KJ2, 1);
  EXPECT_EQ(L.X2, 2);
  EXPECT_EQ(L.X4, 3);
  EXPECT_EQ(L.YY_s, "ﾀ1/6ﾀ");
  EXPECT_EQ(L.F_s, "+ﾀ2/6ﾀ");
  EXPECT_EQ(L.V_s, "ﾀ3/6ﾀ");
  EXPECT_EQ(L.U_s, "ﾀ1+2/6ﾀ");
  EXPECT_EQ(L.E1_s, "ﾀ1/6ﾀ+ﾀ2/6ﾀ");
  EXPECT_EQ(L.A4_s, "ﾀ1/6ﾀ");
  EXPECT_EQ(L.A5_s, "ﾀ2/6ﾀ");

  Add(L, 2, -3, 1, 3);
  EXPECT_EQ(L.DS, -2);
  EXPECT_EQ(L.A31, 3);
  EXPECT_EQ(L.X4, -1);
  EXPECT_EQ(L.YY_s, "-ﾀ2/3ﾀ");
  EXPECT_EQ(L.U_s, "ﾀ-2+1/3ﾀ");
  EXPECT_EQ(L.E1_s, "-ﾀ2/3ﾀ+ﾀ1/3ﾀ");
  EXPECT_EQ(L.V_s, "-ﾀ1/3ﾀ");

  Add(L, -2, -1, 1, 3);
  EXPECT_EQ(L.X4, 7);
  EXPECT_EQ(L.FRACDEN, 3);

  Add(L, 1, 2, -1, 2);
  EXPECT_EQ(L.X4, 0);
  EXPECT_EQ(L.V_s, "-ﾀ0/2ﾀ");
  EXPECT_EQ(L.DBM2_s, "-ﾀ0/2ﾀ");
  EXPECT_EQ(L.U_s, "ﾀ1-1/2ﾀ");
  EXPECT_EQ(L.E1_s, "ﾀ1/2ﾀ-ﾀ1/2ﾀ");

  // A zero denominator: no sum and every text empty, none left over.
  Add(L, 1, 0, 1, 3);
  EXPECT_EQ(L.FRACDEN, 0);
  EXPECT_EQ(L.X4, 0);
  for (const std::string* t : {&L.DS1_s, &L.YY_s, &L.U_s, &L.V_s, &L.E1_s, &L.A4_s, &L.A5_s})
    EXPECT_EQ(*t, "");
  Add(L, 1, 6, 1, 3);
  Add(L, 1, 4, 1, 0);
  EXPECT_EQ(L.U_s, "");
  EXPECT_EQ(L.F_s, "");
}

TEST(FractionKit, RemovingMarkupMarks) {
  Bench b;
  auto& L = b.L;
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {{"-ﾀ3/4ﾀ", "-3/4"}, {"ﾀ6/8ﾀ=ﾀ3/4ﾀ", "6/83/4"}, {"x^2", "x2"}, {"abc", "abc"},
               {"!2ﾝ", "!2"}};
  for (const auto& c : cases) {
    L.A_s = c.in;
    L.RemoveMarkupMarks();
    EXPECT_EQ(L.A_s, c.out) << c.in;
  }
}

}  // namespace
}  // namespace lessons::testing
