// The coordinate plane and its decimal axis labels.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "tests/support/log_reader.h"

namespace lessons::testing {
namespace {

// Draws a plane with its corner at (100, 100), grid on, numbers off: x from
// xFrom to xTo in steps of xStep, y from yFrom to yTo in steps of yStep,
// `unit` units per step.
void DrawUnnumberedPlane(Lesson& L, float xFrom, float xTo, float yFrom, float yTo, float xStep,
                         float yStep, float unit) {
  L.A41 = 100, L.I = 100, L.XI2 = xFrom, L.B3 = xTo, L.B4 = yFrom, L.X = yTo;
  L.XSTEP = xStep, L.GGX = yStep, L.NO = unit, L.SIZE = 1, L.N = -1;
  L.DrawCoordinatePlane();
}

// The lines and outlines drawn, without the filled boxes (the labels' grounds).
std::vector<LineCall> Lines(const Bench& b) {
  std::vector<LineCall> out;
  for (const LineCall& l : LineCalls(b))
    if (l.shape != "fill") out.push_back(l);
  return out;
}

// Every text with ink stands on a white box (pen 1) drawn before it.
void ExpectTextsOnGrounds(const Bench& b) {
  const LogLines& log = b.Log();
  for (size_t i = 0; i < log.size(); ++i) {
    std::vector<std::string> f = Fields(log[i]);
    if (f[0] != "DrawText" || f.back().empty() || std::stof(f[2]) > 900) continue;
    const float x = std::stof(f[1]), y = std::stof(f[2]);
    bool grounded = false;
    for (size_t j = 0; j < i && !grounded; ++j) {
      if (!log[j].starts_with("DrawLine\t") || !log[j].ends_with("\tfill\t15\t15\t1")) continue;
      std::vector<std::string> g = Fields(log[j]);
      grounded = std::stof(g[1]) <= x && x < std::stof(g[3]) && std::stof(g[2]) <= y &&
                 y < std::stof(g[4]);
    }
    EXPECT_TRUE(grounded) << log[i];
  }
}

const TextCall* FindText(const std::vector<TextCall>& texts, const std::string& s) {
  for (const auto& t : texts)
    if (t.text == s) return &t;
  return nullptr;
}

TEST(CoordinatePlane, PlainPlaneLeavesItsFrameAndDrawsGridNumbersAndLetters) {
  Bench b;
  auto& L = b.L;
  b.rt.SetDrawWidth(0, 2);
  SetSixPlane(L);
  L.DrawCoordinatePlane();

  EXPECT_EQ(L.X8, 704);
  EXPECT_EQ(L.R, 364);
  EXPECT_EQ(L.GY0, 440);
  EXPECT_EQ(L.GY1, 968);
  EXPECT_EQ(L.ZX, 100);
  EXPECT_EQ(L.ZY, 628);
  EXPECT_EQ(L.NAGASA, 30);
  EXPECT_EQ(L.N, 0);
  EXPECT_EQ(L.KKAI_s, "y");
  EXPECT_EQ(L.DSM1, 704);
  EXPECT_EQ(L.DSM2, 85);
  EXPECT_EQ(L.YMOTO, 0);
  EXPECT_EQ(L.YI3, 2);
  EXPECT_EQ(b.rt.GetDrawWidth(0), 2);
  EXPECT_EQ(b.rt.FontSize(), 16);
  EXPECT_FALSE(b.rt.FontBold());
  EXPECT_FALSE(b.rt.FontItalic());

  // 13 thin lines each way, heavy lines at -5, 0 and 5 each way, two axes,
  // the y axis again over the band of the x axis's numbers; every label on
  // its ground.
  ExpectTextsOnGrounds(b);
  auto lines = Lines(b);
  ASSERT_EQ(lines.size(), 13u + 13u + 3u + 3u + 2u + 1u);
  EXPECT_EQ(lines[34].x1, 704);
  // Lines by index: x of the upright ones (32 is the y axis), y of the level
  // ones (33 is the x axis).
  const std::pair<size_t, float> uprightX[] = {{0, 439.5f}, {12, 967.5f}, {26, 484}, {28, 924}, {32, 704}};
  const std::pair<size_t, float> levelY[] = {{13, 627.5f}, {25, 99.5f}, {29, 584}, {31, 144}, {33, 364}};
  for (auto [i, x] : uprightX) EXPECT_EQ(lines[i].x1, x) << i;
  for (auto [i, y] : levelY) EXPECT_EQ(lines[i].y1, y) << i;
  EXPECT_EQ(lines[0].width, 1);
  EXPECT_EQ(lines[26].width, 3);
  EXPECT_EQ(lines[26].colour, 1);
  EXPECT_EQ(lines[32].width, 4);

  // Numbers under the x axis centred on their heavy lines, beside the y axis
  // level with theirs (index 0 has none); the origin's 0 below left of it;
  // the letters at the axes' ends. Each is found by its text and where its
  // cell stands.
  std::vector<TextCall> texts;
  for (const auto& t : VisibleTexts(b))
    if (!t.text.empty()) texts.push_back(t);
  ASSERT_EQ(texts.size(), 7u);
  struct Place {
    const char* text;
    float x0, x1, y0, y1;  // where its anchor lies
  };
  const Place places[] = {{"-5", 440, 484, 364, 400},  {"5", 890, 924, 364, 400},
                          {"-5", 620, 704, 540, 584},  {"5", 650, 704, 100, 144},
                          {"0", 640, 704, 364, 400},   {"x", 900, 968, 300, 364},
                          {"y", 685, 740, 55, 100}};
  for (const Place& p : places)
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&](const TextCall& t) {
      return t.text == p.text && t.x >= p.x0 && t.x <= p.x1 && t.y >= p.y0 && t.y <= p.y1;
    })) << p.text << " near (" << p.x0 << ", " << p.y0 << ")";
  EXPECT_EQ(FindText(texts, "-5")->size, 30);
  EXPECT_EQ(FindText(texts, "x")->face, "Times New Roman");
  EXPECT_EQ(FindText(texts, "x")->size, 24);
}

TEST(CoordinatePlane, StepsCornerSizeAndNumberingOptions) {
  {
    // Zero and negative steps; the default corner; NO below 40.
    Bench b;
    auto& L = b.L;
    L.XI2 = 0, L.B3 = 10, L.B4 = -4, L.X = 8;
    L.XSTEP = 0, L.GGX = -2, L.NO = 39, L.SIZE = 1;
    L.DrawCoordinatePlane();
    EXPECT_EQ(L.XSTEP, 1);
    EXPECT_EQ(L.GGX, 2);
    EXPECT_EQ(L.B4, -2);
    EXPECT_EQ(L.X, 4);
    EXPECT_EQ(L.GY0, 640);
    EXPECT_EQ(L.ZX, 180);
    EXPECT_EQ(L.R, 180 + 39 * 4);
    EXPECT_EQ(L.NAGASA, 26);
    auto texts = VisibleTexts(b);
    EXPECT_NE(FindText(texts, "5"), nullptr);
    // The last heavy line is the plane's right edge: its number would cover
    // the edge, and is left out.
    EXPECT_EQ(FindText(texts, "10"), nullptr);
  }
  {
    // A corner with x 0 is kept when y is not 0; SIZE 0 draws the axes only.
    Bench b;
    auto& L = b.L;
    L.A41 = 0, L.I = 50, L.XI2 = -2, L.B3 = 2, L.B4 = -2, L.X = 2, L.NO = 40, L.SIZE = 0;
    L.XI0 = 77;
    L.DrawCoordinatePlane();
    EXPECT_EQ(L.GY0, 0);
    EXPECT_EQ(L.ZX, 50);
    EXPECT_EQ(Lines(b).size(), 2u);
    EXPECT_EQ(L.XI0, 77);
    std::vector<std::string> expected{"0", "x", "y"};
    EXPECT_EQ(b.Texts(), expected);
    EXPECT_EQ(L.NAGASA, 30);
  }
  {
    // N = -1 draws no numbers and is 0 afterwards: the next plane is numbered.
    Bench b;
    auto& L = b.L;
    SetSixPlane(L);
    L.N = -1;
    L.DrawCoordinatePlane();
    for (const auto& t : VisibleTexts(b))
      EXPECT_TRUE(t.text.empty() || t.text == "x" || t.text == "0" || t.text == "y") << t.text;
    EXPECT_EQ(L.N, 0);
    b.ClearLog();
    SetSixPlane(L);
    L.DrawCoordinatePlane();
    EXPECT_NE(FindText(VisibleTexts(b), "-5"), nullptr);
  }
  {
    // A range whose start lies above its end still draws its start once.
    Bench b;
    auto& L = b.L;
    L.A41 = 100, L.I = 100, L.XI2 = 0, L.B3 = -3, L.B4 = 0, L.X = 0, L.NO = 20, L.SIZE = 1;
    L.DrawCoordinatePlane();
    // One thin line each way, one heavy line each way (index 0), two axes.
    EXPECT_EQ(Lines(b).size(), 6u);
  }
}

TEST(DecimalAxisLabels, DecimalPlaneOfTwoHundredthsIsLabelledInTenths) {
  Bench b;
  auto& L = b.L;
  DrawUnnumberedPlane(L, 0, 0.5f, 0, 0.5f, 0.02f, 0.02f, 20);
  EXPECT_EQ(L.B3, 25);
  EXPECT_EQ(L.X, 25);
  // 26 thin and 6 heavy lines each way, two axes.
  EXPECT_EQ(Lines(b).size(), 26u + 26u + 6u + 6u + 2u);

  b.ClearLog();
  L.BB1 = 5, L.BB2 = 5;
  L.DrawDecimalAxisLabels();
  ExpectTextsOnGrounds(b);
  auto texts = VisibleTexts(b);
  // Five labels on each axis, each followed by its point.
  ASSERT_EQ(texts.size(), 20u);
  const char* labels[] = {"01", "02", "03", "04", "05"};
  for (int i = 0; i < 5; ++i) {
    const auto& label = texts[2 * i];
    const auto& point = texts[2 * i + 1];
    EXPECT_EQ(label.text, labels[i]);
    EXPECT_EQ(label.x, L.X8 + 20 * 5 * (i + 1) - 26);  // two characters centred
    EXPECT_EQ(label.y, L.R + 7);  // its ground's margin a unit clear of the axis
    EXPECT_EQ(point.text, ".");
    EXPECT_EQ(point.x, label.x + 26 - 6);
    EXPECT_EQ(point.y, label.y + 4);
  }
  const auto& y1 = texts[10];
  EXPECT_EQ(y1.text, "01");
  EXPECT_EQ(y1.x, L.X8 - 52 - 7);  // its ground's margin a unit clear of the axis
  EXPECT_EQ(y1.y, L.R - 100 - 13);
  EXPECT_EQ(texts[11].y, L.R - 100 - 13 + 4);
  EXPECT_EQ(L.BB1, 5);
  EXPECT_EQ(L.BB2, 5);
  EXPECT_EQ(b.rt.FontSize(), 16);
}

TEST(DecimalAxisLabels, LabelStepsAndWholeValues) {
  {
    // Steps of 0.5 labelled every second index: whole values without a point.
    // "-3" (47 units of ink at size 26) 60 units from "-2" is narrowed (to
    // 15 sixteenths or less), and the origin's "0" with them: wiped and drawn
    // again at the axis.
    Bench b;
    auto& L = b.L;
    DrawUnnumberedPlane(L, -3.5f, 3.5f, 0, 0, 0.5f, 1, 30);
    b.ClearLog();
    L.XSTEP = 0.5f;
    L.BB1 = 2, L.BB2 = 0;
    L.DrawDecimalAxisLabels();
    std::vector<std::string> expected{"0", "-3", "-2", "-1", "1", "2", "3"};
    EXPECT_EQ(b.Texts(), expected);
    const std::vector<TextCall> texts = VisibleTexts(b);
    // The plane's "0" wiped (its ground clear of the axes), then drawn below
    // left of the origin.
    float x0, y0, x1, y1;
    ASSERT_EQ(std::sscanf(FilledBoxes(b.Log())[0].c_str(), "%f %f %f %f", &x0, &y0, &x1, &y1), 4);
    EXPECT_LE(x1, L.X8 - 3);
    EXPECT_GE(y0, L.R + 3);
    EXPECT_EQ(texts[0].text, "0");
    EXPECT_LT(texts[0].x, L.X8);
    EXPECT_GT(texts[0].y, L.R);
    const int narrowed = texts[1].a;
    EXPECT_LE(narrowed, 15);
    EXPECT_EQ(texts[1].x, L.X8 - 60 * 3 - 26 * narrowed / 16.0f);
    for (const TextCall& t : texts) EXPECT_EQ(std::make_pair(t.a, t.b), std::make_pair(narrowed, 8));
  }
  {
    // y step 200, every index labelled.
    Bench b;
    auto& L = b.L;
    DrawUnnumberedPlane(L, 0, 0, 0, 2000, 1, 200, 30);
    b.ClearLog();
    L.BB1 = 5, L.BB2 = 1;
    L.DrawDecimalAxisLabels();
    auto texts = b.Texts();
    ASSERT_EQ(texts.size(), 10u);
    EXPECT_EQ(texts.front(), "200");
    EXPECT_EQ(texts.back(), "2000");
  }
}

TEST(DecimalAxisLabels, ValuesOfOneOrMoreGetNoLeadingZero) {
  Bench b;
  auto& L = b.L;
  struct Case {
    float value;
    const char* text;
    float point;
  } cases[] = {{0.5f, "05", 1}, {-0.5f, "-05", 2}, {2.5f, "25", 1},
               {-2.5f, "-25", 2}, {12.25f, "1225", 2}, {3, "3", 0}};
  for (const auto& c : cases) {
    L.HHP = c.value;
    L.FormatDecimalLabel();
    EXPECT_EQ(L.P1_s, c.text) << c.value;
    EXPECT_EQ(L.H, c.point) << c.value;
  }

  // On a plane of half steps labelled at every index, 2.5 reads "2.5".
  DrawUnnumberedPlane(L, 0, 3, 0, 0, 0.5f, 1, 40);
  b.ClearLog();
  L.BB1 = 1;
  L.DrawDecimalAxisLabels();
  auto texts = VisibleTexts(b);
  std::vector<std::string> all;
  for (const auto& t : texts) all.push_back(t.text);
  std::vector<std::string> expected{"0", "05", ".", "1", "15", ".", "2", "25", ".", "3"};
  EXPECT_EQ(all, expected);
  // The point of "25" stands after its first character (narrowed to nine
  // sixteenths).
  EXPECT_EQ(texts[8].a, 9);
  EXPECT_EQ(texts[8].x, texts[7].x + (30 - 6) / 2.0f * 9 / 8);
}

TEST(DecimalAxisLabels, LabelStepsBelowOneBecomeFive) {
  for (float every : {0.4f, -3.0f, 0.0f}) {
    Bench b;
    auto& L = b.L;
    DrawUnnumberedPlane(L, 0, 10, 0, 10, 1, 1, 20);
    b.ClearLog();
    L.BB1 = every, L.BB2 = every;
    L.DrawDecimalAxisLabels();
    std::vector<std::string> expected{"5", "10", "5", "10"};
    EXPECT_EQ(b.Texts(), expected) << every;
    EXPECT_EQ(L.BB1, 5);
    EXPECT_EQ(L.BB2, 5);
  }
}

}  // namespace
}  // namespace lessons::testing
