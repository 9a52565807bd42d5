#include "framework/runtime/key_codes.h"

#include "framework/runtime/runtime.h"

namespace lessons {

namespace {

bool IsModifier(SDL_Keycode sym) {
  switch (sym) {
    case SDLK_LSHIFT: case SDLK_RSHIFT: case SDLK_LCTRL: case SDLK_RCTRL:
    case SDLK_LALT: case SDLK_RALT: case SDLK_LGUI: case SDLK_RGUI:
    case SDLK_CAPSLOCK: case SDLK_NUMLOCKCLEAR: case SDLK_SCROLLLOCK: case SDLK_MODE:
    case SDLK_APPLICATION:
      return true;
    default:
      return false;
  }
}

// A keypad key that types a character while Num Lock is on.
bool IsKeypadCharacter(SDL_Keycode sym) {
  return (sym >= SDLK_KP_1 && sym <= SDLK_KP_0) || sym == SDLK_KP_PERIOD || sym == SDLK_KP_DIVIDE ||
         sym == SDLK_KP_MULTIPLY || sym == SDLK_KP_MINUS || sym == SDLK_KP_PLUS ||
         sym == SDLK_KP_EQUALS || sym == SDLK_KP_COMMA;
}

}  // namespace

// Any key with Ctrl, Alt or the system key held is none the lessons read
// (Alt+Enter is not Enter). The right Alt key is an Alt on some layouts (us,
// jp) and AltGr on many others, where it types characters.
int KeyDownCode(const SDL_Keysym& key, bool rightAltIsAltGr) {
  SDL_Keycode sym = key.sym;
  if (IsModifier(sym)) return 0;
  if (key.mod & (KMOD_CTRL | KMOD_GUI | (rightAltIsAltGr ? KMOD_LALT : KMOD_ALT))) return kKeyOther;
  switch (sym) {
    case SDLK_RETURN: case SDLK_RETURN2: case SDLK_KP_ENTER: return kKeyEnter;
    case SDLK_BACKSPACE: case SDLK_KP_BACKSPACE: return kKeyBackspace;
    case SDLK_DELETE: return kKeyClear;
    case SDLK_TAB: case SDLK_KP_TAB: return kKeyTab;
    case SDLK_ESCAPE: return kKeyEscape;
    case SDLK_RIGHT: return kKeyRight;
    case SDLK_LEFT: return kKeyLeft;
    case SDLK_UP: return kKeyUp;
    case SDLK_DOWN: return kKeyDown;
    default: break;
  }
  if (sym >= SDLK_F1 && sym <= SDLK_F12) return kKeyFunction1 + (sym - SDLK_F1);
  if (sym >= 0x20 && sym < 0x7F) return 0;
  if (IsKeypadCharacter(sym)) return key.mod & KMOD_NUM ? 0 : kKeyOther;
  if (!(sym & SDLK_SCANCODE_MASK)) return 0;  // a character key of another layout
  return kKeyOther;
}

}  // namespace lessons
