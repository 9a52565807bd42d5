// Setting the plain-text parameters and drawing in one step.
#pragma once

#include <string>

#include "framework/lesson.h"

namespace lessons {

// YMOTO = colour, (DSM1, DSM2) = (x, y), KKAI$ = text, then DrawPlainText.
void DrawPlainTextAt(Lesson& L, Num x, Num y, Num colour, std::string text);

}  // namespace lessons
