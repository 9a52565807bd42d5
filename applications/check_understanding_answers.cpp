// Unit 4: the worked answers of textbook page P116 "学びをたしかめよう",
// questions 1 to 7 on six screens, each on the answer-page frame.
#include "applications/orvenna.h"

namespace lessons {

namespace {

const char kTitle[] = "学びをたしかめよう";

// The eight blanks of question 4: the circled number shown first, the box
// width (the same empty and filled) and the answer.
struct Blank {
  const char* mark;
  Num width;
  const char* answer;
};
const Blank kBlanks[] = {
    {"①", 120, "放物線"}, {"②", 80, "y軸"}, {"③", 80, "原点"}, {"④", 80, "上側"},
    {"⑤", 40, "上"},      {"⑥", 80, "下側"}, {"⑦", 40, "下"},  {"⑧", 216, "小さくなる"},
};

constexpr bool kKey = true;    // the row waits for a key first
constexpr bool kWith = false;  // the row comes with the one before

}  // namespace

// ① questions 1 and 2: the cube's surface area, and the formulas through
// (2, 8) and (-3, -27), the second in a column of its own.
void Orvenna::CheckAnswers12Screen() {
  ExerciseAnswersScreen(kTitle, "1", 40, 0, 30, 5);
  const Num boxEdge = YI1;
  NewLine(0, 60, 0, "y=6*x*x だから ");
  YI1 = boxEdge;  // the answer stands level with the number box's edge
  Continue(5, "y=6x^2");
  WaitAnyKey();
  NewLine(0, 50, 0, "1辺の長さが2倍,3倍,4倍,…になると");
  NewLine(0, 50, 3, "表面積は2^2倍,3^2倍,4^2倍,…になる");
  WaitAnyKey();
  // Question 2's number box in the text flow; part (2) starts level with it.
  DSM1 = B1, DSM2 = B2 + 60;
  CellStyle(48, 4, 3, 13);
  Cell(48, "2");
  YI1 = DSM1, B2 = DSM2;
  GY3(1) = B2;
  TextAt(YI1 + 10, B2, 3, "(1)");
  FormulaThroughPoint("x=2 のとき y=8 だから", "8=a*2^2", "4a=8", "a=2", "  y=2x^2");
  WaitAnyKey();
  A1 = 600, B1 = A1 + 81, B2 = GY3(1);
  rt.SetDrawWidth(0, 5);
  TextAt(B1, B2, 3, "(2)");
  FormulaThroughPoint("x=-3 のとき y=-27 だから", "-27=a*(-3)^2", "9a=-27", "a=-3", "  y=-3x^2");
}

void Orvenna::FormulaThroughPoint(const std::string& point, const std::string& substituted,
                                  const std::string& equation, const std::string& a,
                                  const std::string& formula) {
  const Num lineEnd = YI1;
  NewLine(0, 60, 0, "求める式を y=ax^2 とすると");
  YI1 = lineEnd;
  for (const std::string& line : {point, substituted, equation, a}) {
    WaitAnyKey();
    NewLine(0, 50, 0, line);
  }
  WaitAnyKey();
  NewLine(0, 50, 5, formula);
}

// ② question 3: y = x² and y = -½x² on one plane after one key.
void Orvenna::CheckAnswer3Screen() {
  ExerciseAnswersScreen(kTitle, "3", 40, 0, 30, 5);
  WaitAnyKey();
  // Each curve over the plane's whole width, cut off at its top and bottom;
  // its label stands where it leaves the plane. The plane knows both, so
  // that its "0" and numbers stand clear of them. Its numbers are the value
  // labels of every fifth line (the grid's own index numbers stand a little
  // above their lines).
  const GraphSetup up{.a = 1, .colour = 5, .label = "y=x^2"};
  const GraphSetup down{.a = -0.5f, .colour = 5, .label = "y=-ﾀ1/2ﾀx^2"};
  Plane({.left = 480, .top = 60, .xFrom = -8, .xTo = 8, .yFrom = -8, .yTo = 8, .numbers = false,
         .labelEveryX = 5, .labelEveryY = 5, .curves = {up, down}});
  Graph(up);
  Graph(down);
}

// ③ question 4: the three sentences with their blanks at once, then one
// answer a key, each in a box over its blank.
void Orvenna::CheckAnswer4Screen() {
  ExerciseAnswersScreen(kTitle, "4", 30, 81, 20, 3);
  // Blank k at `gap` after the last piece.
  auto blank = [this](int k, Num gap) {
    T(k) = YI1 + gap;
    F(k) = B2;
    AnswerBlank(k, kBlanks[k - 1].mark);
  };
  TextAt(A1, B2 + 60, 3, "(1)");
  Continue(0, "関数y=ax^2のグラフは、");
  blank(1, 0);
  TextAt(YI1 + 10, B2, 0, "で、その軸は");
  blank(2, 10);
  NewLine(0, 60, 0, "頂点は");
  blank(3, 10);
  TextAt(YI1 + 10, B2, 0, "である。");

  TextAt(A1, B2 + 60, 3, "(2)");
  Continue(0, "関数y=ax^2のグラフは、a>0のとき、x軸の");
  blank(4, 0);
  NewLine(0, 60, 0, "にあり、");
  blank(5, 10);
  TextAt(YI1 + 10, B2, 0, "に開いている。");
  NewLine(0, 60, 0, "a<0のとき、x軸の");
  blank(6, 0);
  TextAt(YI1 + 10, B2, 0, "にあり、");
  blank(7, 10);
  TextAt(YI1 + 10, B2, 0, "に開いている。");

  TextAt(A1, B2 + 60, 3, "(3)");
  Continue(0, "関数y=ax^2のグラフは、比例定数aの絶対値が");
  NewLine(0, 60, 0, "大きいほど開き方が");
  blank(8, 10);
  TextAt(YI1 + 10, B2, 0, "。");

  for (int k = 1; k <= 8; ++k) {
    WaitAnyKey();
    AnswerBlank(k, kBlanks[k - 1].answer);
  }
}

void Orvenna::AnswerBlank(int k, const std::string& text) {
  TextBoxAround({.x = T(k), .y = F(k), .width = kBlanks[k - 1].width, .border = 3, .fill = 13,
                 .textColour = 5, .text = text});
  YI1 = DSM1, B2 = DSM2;
}

// ④ question 5: the range of y over a domain, one page per part: the arc
// over the domain, then the values at its ends and at 0.
void Orvenna::CheckAnswer5Screen() {
  struct Page {
    const char* label;
    Num bottom, top, from, to, a;
    const char* function;
    Num labelDy;
    const char* leftEnd;
    const char* rightEnd;
    const char* range;
  };
  // The label of the first arc stands above its end, which lies just over
  // the x axis, so that it clears the axis and its value labels.
  const Page pages[] = {
      {"(1)", -1, 5.5f, -2, 1, 0.5f, "y=ﾀ1/2ﾀx^2", -48, "x=-2 のとき y=2", "x=1 のとき y=ﾀ1/2ﾀ",
       "0≦y≦2"},
      {"(2)", -5.5f, 1, -1, 2, -1, "y=-x^2", 0, "x=-1 のとき y=-1", "x=2 のとき y=-4",
       "-4≦y≦0"},
  };
  for (const Page& p : pages) {
    if (&p != pages) WaitAnyKey();
    ExerciseAnswersScreen(kTitle, "5", 40, 0, 30, 5);
    Continue(3, p.label);
    WaitAnyKey();
    // The arc over the domain only, labelled at its right end.
    const GraphSetup arc{.a = p.a, .colour = 5, .label = p.function, .dy = p.labelDy,
                         .xFrom = p.from, .xTo = p.to};
    Plane({.left = 600, .top = 90, .xFrom = -3.5f, .xTo = 3.5f, .yFrom = p.bottom, .yTo = p.top,
           .xStep = 0.5f, .yStep = 0.5f, .unit = 40, .numbers = false, .labelEveryX = 2,
           .labelEveryY = 2, .curves = {arc}});
    Graph(arc);
    WaitAnyKey();
    TextAt(A1, B2 + 60, 0, p.leftEnd);
    NewLine(0, 70, 0, p.rightEnd);
    NewLine(0, 60, 0, "x=0 のとき y=0");
    NewLine(0, 60, 0, "したがって、");
    Continue(5, p.range);
  }
}

// ⑤ question 6: the rate of change of y = -x² from 2 to 4 and from -4 to -1.
void Orvenna::CheckAnswer6Screen() {
  TwoColumnAnswer("6",
                  {
                      {kKey, 60, 0, "y=-x^2 にx=2を代入して、"},
                      {kKey, 50, 0, "y=-1*2^2="},
                      {kWith, 0, 5, "-4"},
                      {kKey, 50, 0, "y=-x^2 にx=4を代入して、"},
                      {kKey, 50, 0, "y=-1*4^2="},
                      {kKey, 0, 5, "-16"},
                      {kKey, 50, 0, "変化の割合は、"},
                      {kKey, 70, 0, " ﾀ-16-(-4)/4-2ﾀ"},
                      {kKey, 80, 0, "=ﾀ-16+4/2ﾀ=ﾀ-12/2ﾀ="},
                      {kWith, 0, 5, "-6"},
                  },
                  {
                      {kKey, 50, 0, "y=-x^2 にx=-4を代入して、"},
                      {kKey, 50, 0, "y=-1*(-4)^2="},
                      {kWith, 0, 5, "-16"},
                      {kKey, 50, 0, "y=-x^2 にx=-1を代入して、"},
                      {kKey, 50, 0, "y=-1*(-1)^2="},
                      {kWith, 0, 5, "-1"},
                      {kKey, 50, 0, "変化の割合は、"},
                      {kKey, 70, 0, "ﾀ-1-(-16)/-1-(-4)ﾀ="},
                      {kKey, 0, 0, "ﾀ-1+16/-1+4ﾀ="},
                      {kKey, 0, 0, "ﾀ15/3ﾀ="},
                      {kWith, 0, 5, "5"},
                  });
}

// ⑥ question 7: the average speeds of y = 3x² from 1 to 3 s and from 3 to 5 s.
void Orvenna::CheckAnswer7Screen() {
  TwoColumnAnswer("7",
                  {
                      {kKey, 60, 0, "y=3x^2 にx=1を代入して、"},
                      {kKey, 50, 0, "y=3*1^2="},
                      {kKey, 0, 0, "3*1="},
                      {kKey, 0, 5, "3"},
                      {kKey, 50, 0, "y=3x^2 にx=3を代入して、"},
                      {kKey, 50, 0, "y=3*3^2="},
                      {kKey, 0, 0, "3*9="},
                      {kKey, 0, 5, "27"},
                      {kKey, 50, 0, "変化の割合は、"},
                      {kKey, 70, 0, "ﾀ27-3/3-1ﾀ="},
                      {kKey, 0, 0, "ﾀ24/2ﾀ="},
                      {kKey, 0, 5, "12"},
                      {kKey, 70, 5, "答 秒速12m"},
                  },
                  {
                      {kKey, 50, 0, "y=3x^2 にx=3を代入して、"},
                      {kKey, 50, 0, "y=3*3^2="},
                      {kKey, 0, 0, "3*9="},
                      {kKey, 0, 5, "27"},
                      {kKey, 50, 0, "y=3x^2 にx=5を代入して、"},
                      {kKey, 50, 0, "y=3*5^2="},
                      {kKey, 0, 0, "3*25="},
                      {kKey, 0, 5, "75"},
                      {kKey, 50, 0, "変化の割合は、"},
                      {kKey, 70, 0, "ﾀ75-27/5-3ﾀ="},
                      {kKey, 0, 0, "ﾀ48/2ﾀ="},
                      {kKey, 0, 5, "24"},
                      {kKey, 70, 5, "答 秒速24m"},
                  });
}

void Orvenna::TwoColumnAnswer(const std::string& number, std::initializer_list<AnswerRow> first,
                              std::initializer_list<AnswerRow> second) {
  ExerciseAnswersScreen(kTitle, number, 40, 0, 30, 5);
  TextAt(B1, B2 + 50, 3, "＜(1)解答＞");
  AnswerRows(first);
  // The right column's label comes with the last row of part (1).
  A1 = 600, B1 = 600, B2 = 30;
  rt.SetDrawWidth(0, 5);
  TextAt(600, 80, 3, "＜(2)解答＞");
  AnswerRows(second);
}

void Orvenna::AnswerRows(std::initializer_list<AnswerRow> rows) {
  for (const AnswerRow& row : rows) {
    if (row.afterKey) WaitAnyKey();
    if (row.gap == 0) {
      Continue(row.colour, row.text);
    } else {
      NewLine(0, row.gap, row.colour, row.text);
    }
  }
}

}  // namespace lessons
