// Key translation: which code a key press in the window gives the lessons.
// It owns the rules alone (which keys are modifiers, which give no
// character, what Ctrl, Alt and the system key do to a key) and knows
// nothing of the window: it is a pure function of the key SDL reports.
#pragma once

#include <SDL_keyboard.h>

namespace lessons {

// The code of a key press that gives no text input (Enter, Backspace, an
// arrow, 127 for a key the lessons do not read): 0 when the key gives
// nothing here (its character arrives as text input, or it is a modifier).
// `rightAltIsAltGr`: the right Alt key held is AltGr in the current layout
// (it shifts to the third level and types characters), not an Alt.
int KeyDownCode(const SDL_Keysym& key, bool rightAltIsAltGr);

}  // namespace lessons
