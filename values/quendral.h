// The lesson program Quendral: its main menu, units and screens.
#pragma once

#include <memory>

#include "framework/lesson.h"

namespace lessons {

class Quendral : public Lesson {
 public:
  explicit Quendral(Runtime& runtime) : Lesson(runtime, "Quendral") {}

  void ValuesMainMenu();

  // ---- variables of Quendral's own ----

 protected:
  void MainMenu() override { ValuesMainMenu(); }
};

std::unique_ptr<Lesson> MakeQuendral(Runtime& runtime);

}  // namespace lessons
