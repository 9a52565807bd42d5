// The lesson program Orvenna: its main menu, units and screens.
#pragma once

#include <memory>

#include "framework/lesson.h"

namespace lessons {

class Orvenna : public Lesson {
 public:
  explicit Orvenna(Runtime& runtime) : Lesson(runtime, "Orvenna") { largeScriptEll = true; }

  void ApplicationsMainMenu();

  // ---- variables of Orvenna's own ----

 protected:
  void MainMenu() override { ApplicationsMainMenu(); }
};

std::unique_ptr<Lesson> MakeOrvenna(Runtime& runtime);

}  // namespace lessons
