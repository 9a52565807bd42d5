// press-keys CHORD...: presses keys by their X key codes through the XTEST
// extension, as a keyboard does. Each CHORD is key codes joined by '+',
// pressed in that order and released in reverse ("108+36": right Alt held
// with Enter), 30 ms before the next chord. Unlike xdotool, it presses
// exactly the keys named (xdotool presses the left Alt along with Alt_R).
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
  Display* display = XOpenDisplay(nullptr);
  int event = 0, error = 0, major = 0, minor = 0;
  if (!display || !XTestQueryExtension(display, &event, &error, &major, &minor)) {
    std::fprintf(stderr, "press-keys: no display with the XTEST extension\n");
    return 1;
  }
  for (int i = 1; i < argc; ++i) {
    std::vector<unsigned> chord;
    for (const char* at = argv[i]; *at;) {
      char* end = nullptr;
      chord.push_back(static_cast<unsigned>(std::strtoul(at, &end, 10)));
      if (end == at || (*end && *end != '+')) {
        std::fprintf(stderr, "usage: press-keys KEYCODE[+KEYCODE...]...\n");
        return 2;
      }
      at = *end ? end + 1 : end;
    }
    for (unsigned key : chord) XTestFakeKeyEvent(display, key, True, CurrentTime);
    for (auto key = chord.rbegin(); key != chord.rend(); ++key) XTestFakeKeyEvent(display, *key, False, CurrentTime);
    XSync(display, False);
    usleep(30000);  // as a person types
  }
  XCloseDisplay(display);
  return 0;
}
