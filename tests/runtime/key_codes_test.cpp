// The code each key press in the window gives, by the key and the modifiers
// held, without a window.
#include <gtest/gtest.h>

#include "framework/runtime/key_codes.h"
#include "framework/runtime/runtime.h"

namespace lessons {
namespace {

TEST(KeyCodes, Table) {
  struct Row {
    SDL_Keycode sym;
    Uint16 mod;
    int code;
    bool rightAltIsAltGr = false;
  };
  const Row rows[] = {
      // Keys without a character.
      {SDLK_RETURN, KMOD_NONE, kKeyEnter},
      {SDLK_KP_ENTER, KMOD_NUM, kKeyEnter},
      {SDLK_BACKSPACE, KMOD_NONE, kKeyBackspace},
      {SDLK_DELETE, KMOD_NONE, kKeyClear},
      {SDLK_TAB, KMOD_NONE, kKeyTab},
      {SDLK_ESCAPE, KMOD_NONE, kKeyEscape},
      {SDLK_RIGHT, KMOD_NONE, kKeyRight},
      {SDLK_DOWN, KMOD_NONE, kKeyDown},
      {SDLK_F1, KMOD_NONE, kKeyFunction1},
      {SDLK_F12, KMOD_NONE, kKeyFunction1 + 11},
      {SDLK_HOME, KMOD_NONE, kKeyOther},
      // A character comes as text input; so does the keypad's with Num Lock.
      {SDLK_9, KMOD_NONE, 0},
      {SDLK_9, KMOD_LSHIFT, 0},
      {SDLK_KP_9, KMOD_NUM, 0},
      {SDLK_KP_9, KMOD_NONE, kKeyOther},
      {0xE9, KMOD_NONE, 0},  // é, a character key of another layout
      // Modifiers alone give nothing.
      {SDLK_LSHIFT, KMOD_LSHIFT, 0},
      {SDLK_RALT, KMOD_RALT, 0},
      {SDLK_LGUI, KMOD_LGUI, 0},
      // Ctrl, Alt or the system key with a key: none the lessons read.
      {SDLK_9, KMOD_LCTRL, kKeyOther},
      {SDLK_9, KMOD_LALT, kKeyOther},
      {SDLK_RETURN, KMOD_LALT, kKeyOther},
      {SDLK_BACKSPACE, KMOD_RGUI, kKeyOther},
      {SDLK_DELETE, KMOD_RCTRL, kKeyOther},
      // The right Alt key is an Alt, or AltGr, which types.
      {SDLK_9, KMOD_RALT, kKeyOther},
      {SDLK_RETURN, KMOD_RALT, kKeyOther},
      {SDLK_9, KMOD_RALT, 0, true},
      {SDLK_RETURN, KMOD_RALT, kKeyEnter, true},
      {SDLK_9, KMOD_LALT, kKeyOther, true},
  };
  for (const Row& r : rows) {
    SDL_Keysym key{};
    key.sym = r.sym;
    key.mod = r.mod;
    EXPECT_EQ(KeyDownCode(key, r.rightAltIsAltGr), r.code)
        << "key " << r.sym << " with modifiers " << r.mod << (r.rightAltIsAltGr ? " (right Alt is AltGr)" : "");
  }
}

}  // namespace
}  // namespace lessons
