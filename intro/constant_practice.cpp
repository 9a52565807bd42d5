// Unit 3, screens ④ to ⑦: the answers of question 3 and the worked solutions
// of practice problems 1 to 3, all on finding a in y = ax².
#include "intro/palisteo.h"

namespace lessons {

void Palisteo::ConstantAnswersScreen() {
  WipeScreen(1320, 1300);
  TextAt(121, 30, 7, "<問3 解答>");

  // (1) in the left column, indent 40, margin 121.
  B1 = 121;
  TextAt(40, 80, 7, "(1)");
  Continue(3, "y=ax^2 に");
  NewLine(0, 50, 0, "x=4,y=48を代入して");
  NewLine(0, 60, 0, "48=a*4^2");
  NewLine(0, 60, 0, "16a=48");
  NewLine(0, 50, 0, "a=3");
  NewLine(0, 60, 5, "答 y=3x^2");
  WaitAnyKey();

  // (2) in the right column, indent 600, margin 681, on the heading's line.
  B1 = 681;
  TextAt(B1 - 88, 30, 7, "(2)");
  Continue(3, "y=ax^2 に");
  NewLine(0, 50, 0, "x=-3,y=72を代入して");
  NewLine(0, 60, 0, "72=a*(-3)^2");
  NewLine(0, 60, 0, "9a=72");
  NewLine(0, 50, 0, "a=8");
  NewLine(0, 60, 5, "答 y=8x^2");
}

void Palisteo::PracticeHeading(const std::string& number, Num penWidth) {
  WipeScreen(1760, 1800);
  rt.SetDrawWidth(0, penWidth);
  CellStyle(44, 5, 4, 13);
  DSM1 = 40;
  DSM2 = 30;
  Cell(170, "練習問題");
  DSM1 += 30;
  CellStyle(44, 4, 3, 13);
  Cell(38, number);
}

void Palisteo::Practice1Screen() {
  PracticeHeading("1", 3);
  B1 = 121;
  TextAt(B1, 80, 0, "y=2x^2 にy=18を代入して");
  NewLine(0, 50, 0, "18=2x^2");
  NewLine(0, 50, 0, "x^2=9");
  NewLine(0, 50, 0, "x=@3");
  NewLine(0, 50, 0, "x>0 だから");
  NewLine(0, 50, 0, "x=3");
  NewLine(0, 50, 5, "3秒");
}

void Palisteo::Practice2Screen() {
  PracticeHeading("2", 3);
  B1 = 40;
  TextAt(B1, 90, 3, "(1) y=ax^2に、x=2,y=-8を代入して");
  NewLine(81, 50, 0, "-8=a*2^2");
  NewLine(81, 50, 0, "4a=-8");
  NewLine(81, 50, 0, "a=-2");
  NewLine(81, 50, 5, "y=-2x^2");
  WaitAnyKey();
  NewLine(0, 60, 3, "(2) y=-2x^2にx=5を代入して、");
  NewLine(81, 50, 0, "y=-2*5^2");
  NewLine(81, 50, 0, "y=-2*25");
  NewLine(81, 50, 5, "y=-50");
}

void Palisteo::Practice3Screen() {
  PracticeHeading("3", 5);

  // The value table; the circled numbers are the values worked out below.
  auto row = [&](Num top, const std::vector<std::string>& texts) {
    CellStyle(50, 9, 15, 0);
    DSM1 = 40;
    DSM2 = top;
    Cell(60, texts.front());
    for (size_t k = 1; k < texts.size(); ++k) Cell(90, texts[k]);
  };
  row(100, {"x", "-3", "0.5", "1", "2", "③"});
  row(150, {"y", "①", "1", "②", "16", "100"});
  WaitAnyKey();

  B1 = 40;
  TextAt(B1, 210, 3, "y=ax^2 に、x=2,y=16 を代入して");
  NewLine(0, 50, 0, "16=a*2^2");
  NewLine(0, 50, 0, "4a=16");
  NewLine(0, 50, 0, "a=4");
  Continue(3, "  この関数は、y=4x^2…ア");
  WaitAnyKey();
  NewLine(0, 60, 3, "①　アにx=-3 を代入して");
  NewLine(40, 50, 0, "y=4*(-3)^2=");
  Continue(0, "4*9=");
  Continue(5, "36");
  WaitAnyKey();
  NewLine(0, 60, 3, "②　アにx=1 を代入して");
  NewLine(40, 50, 0, "y=4*1^2=");
  Continue(0, "4*1=");
  Continue(5, "4");
  WaitAnyKey();

  // ③ in the second column, half a unit lower than the first one's lines.
  B1 = 680;
  TextAt(B1, 30 + 50.5f, 3, "③　アにy=100 を代入して");
  NewLine(40, 50, 0, "100=4x^2");
  NewLine(40, 50, 0, "x^2=25");
  NewLine(40, 50, 0, "x=@5");
  Continue(0, "  x>0 だから ");
  Continue(5, "5");
}

}  // namespace lessons
