// The main-menu, unit and screen patterns shared by the lesson programs.
#include "framework/lesson.h"

#include "framework/fill_box.h"
#include "framework/main_menu_page.h"
#include "framework/plain_text.h"

namespace lessons {

namespace {
// The program's name in full-width letters: typeset as it stands, its "a"
// would become an italic variable and its "l" a script ell.
std::string FullWidthName(const std::string& name) {
  std::string out;
  for (const std::string& ch : Chars(name)) {
    int code = Asc(ch);
    out += (code > 0x20 && code < 0x7F) ? Chr(code + 0xFEE0) : ch;
  }
  return out;
}
}  // namespace

void Lesson::MainMenuLoop(const std::vector<MenuItem>& items,
                          const std::vector<MenuTarget>& targets) {
  const int endItem = static_cast<int>(items.size());
  for (;;) {
    ClearLessonArea();
    WipeScreen(1760, 1800);
    FillRect(22, 10, 1320, 600, 15, 10);
    YMOTO = 15;
    DSM1 = 264;
    DSM2 = 30;
    KKAI_s = "＜" + FullWidthName(II1_s) + "　メニュー＞";
    PrintMathText();
    for (const MenuItem& item : items) {
      YMOTO = static_cast<Num>(item.colour);
      DSM1 = item.x;
      DSM2 = item.y;
      KKAI_s = item.text;
      PrintMathText();
    }
    DrawPlainTextAt(*this, Y5 - 240, P, 0, "番号を入力して下さい。");
    const int item = AskMainMenuItem(*this, endItem);
    if (item == endItem) return;
    if (item == 0) continue;
    const MenuTarget& target = targets.at(static_cast<size_t>(item - 1));
    if (target) target();
  }
}

void Lesson::UnitSubMenu(const std::string& menuLine, const std::vector<MenuTarget>& targets) {
  const int items = static_cast<int>(targets.size()) + 1;
  for (;;) {
    KKAI_s = menuLine;
    AskSubMenuChoice();
    A = AINP;
    EraseSubMenuLine();
    if (A < 1 || A > items) continue;
    const int item = CInt(A);
    if (item == items) return;
    const MenuTarget& target = targets.at(static_cast<size_t>(item - 1));
    if (target) target();
  }
}

void Lesson::UnitGoalScreen(std::initializer_list<std::string> aimLines) {
  B1 = 44;
  B2 = 240;
  TextAt(B1, B2, 3, "<めあて>");
  for (const std::string& line : aimLines) NewLine(32, 65, 0, line);
}

void Lesson::TextAt(Num x, Num y, int colour, const std::string& text) {
  YMOTO = static_cast<Num>(colour);
  DSM1 = x;
  DSM2 = y;
  KKAI_s = text;
  KeepClearOfText();
  PrintMathText();
  YI1 = DSM1;
  B2 = DSM2;
}

void Lesson::NewLine(Num indent, Num step, int colour, const std::string& text) {
  TextAt(B1 + indent, B2 + step, colour, text);
}

void Lesson::Continue(int colour, const std::string& text) { TextAt(YI1, B2, colour, text); }

void Lesson::LabelAt(Num x, Num y, int colour, const std::string& text) {
  YMOTO = static_cast<Num>(colour);
  DSM1 = x;
  DSM2 = y;
  KKAI_s = text;
  KeepClearOfText();
  PrintMathText();
}

void Lesson::KeepClearOfText() {
  // A figure's labels keep clear of the texts written on the screen.
  if (KKAI_s.empty()) return;
  const InkBox cells = CellsOf([&] { PrintMathText(); });
  if (!cells.Empty()) figure.texts.push_back(cells);
}

void Lesson::FillRect(Num x, Num y, Num w, Num h, int lineColour, int fillColour) {
  FillBoxSized(rt, x, y, w, h, lineColour, fillColour);
  if (lineColour == 15 && fillColour == 15) figure.Wiped({x, y, x + w, y + h});
}

void Lesson::WipeScreen(Num w, Num h) {
  FillBoxSized(rt, 0, 0, w, h, 15, 15);
  figure.Clear();
  figure.area = {0, 0, w, h};
}

void Lesson::CellStyle(Num height, int lineColour, int fillColour, int textColour) {
  GX0 = height;
  SIZE = static_cast<Num>(lineColour);
  TKAI2 = static_cast<Num>(fillColour);
  YMOTO = static_cast<Num>(textColour);
}

void Lesson::Cell(Num width, const std::string& text) {
  TANI = width;
  A_s = text;
  DrawTextBox();
}

void Lesson::RandomDrill(const std::function<void()>& turn) {
  AINP = 3;
  while (AINP != 1) {
    turn();
    AskNextStep();
  }
}

std::string Lesson::NumberText(Num value) {
  A_s = Str(value);
  StripSpaces();
  return A_s;
}

}  // namespace lessons
