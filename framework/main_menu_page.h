// The page every program's main menu shows, and its number question.
#pragma once

#include <initializer_list>

#include "framework/lesson.h"

namespace lessons {

// One line of a main menu: its text at (x, y) in a colour.
struct MenuLine {
  Num x, y;
  int colour;
  const char* text;
};

// Wipes the lesson area and the whole window, then draws the menu panel, the
// heading "＜" + title + "　メニュー＞" and the item lines.
void DrawMainMenuPage(Lesson& L, std::initializer_list<MenuLine> items);

// Asks for an item number with the main-menu prompt and erases the prompt.
// Returns `lastItem` when the entry's value is the end item; 0 when the menu
// is to be shown again (a value outside 1 to lastItem, or typed text whose
// number is no item below the end item); otherwise, after wiping the window,
// the item to run, taken from the typed text.
int AskMainMenuItem(Lesson& L, int lastItem);

}  // namespace lessons
