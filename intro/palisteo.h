// The lesson program Palisteo: its main menu, units and screens.
#pragma once

#include <memory>

#include "framework/lesson.h"

namespace lessons {

class Palisteo : public Lesson {
 public:
  explicit Palisteo(Runtime& runtime) : Lesson(runtime, "Palisteo") {}

  void IntroMainMenu();

  // ---- variables of Palisteo's own ----

 protected:
  void MainMenu() override { IntroMainMenu(); }
};

std::unique_ptr<Lesson> MakePalisteo(Runtime& runtime);

}  // namespace lessons
