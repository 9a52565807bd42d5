// The main menu's number question.
#pragma once

#include "framework/lesson.h"

namespace lessons {

// Asks for an item number with the main-menu prompt and erases the prompt.
// Returns `lastItem` when the entry's value is the end item; 0 when the menu
// is to be shown again (a value outside 1 to lastItem, or typed text whose
// number is no item below the end item); otherwise, after wiping the window,
// the item to run, taken from the typed text.
int AskMainMenuItem(Lesson& L, int lastItem);

}  // namespace lessons
