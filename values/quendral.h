// The lesson program Quendral: its main menu, units and screens.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/lesson.h"

namespace lessons {

class Quendral : public Lesson {
 public:
  explicit Quendral(Runtime& runtime) : Lesson(runtime, "Quendral") {}

  void ValuesMainMenu();

  // ---- summary sheets and average speed ----
  // The three fill-in summary sheets of the feature summary: two sheets side
  // by side, numbered blanks revealed one per key; no key wait after the last.
  void ShapeSummaryScreen();
  void IncreaseSummaryScreen();
  void RateSummaryScreen();
  // A heading box of a sheet at (x, y): 490 by 50, outline 3, fill 13, text
  // colour 0; leaves YI1 = its right edge, B2 = its top.
  void SummaryHeadingBox(Num x, Num y, const std::string& text);
  // Blank k of a sheet: a box 50 high and `width` wide at (x, y), outline 3,
  // fill 13, with its number `label` in colour 5; the position and width are
  // kept in BLANKX, BLANKY, BLANKW(k). Leaves YI1 = its right edge, B2 = its top.
  void FillInBlank(int k, Num x, Num y, Num width, const std::string& label);
  // The same box drawn again at the kept place with the answer: it covers the
  // number exactly, whatever pen width is in force.
  void RevealBlank(int k, const std::string& answer);
  // For each answer in turn: a key wait, then the reveal of blanks 1, 2, ...
  void RevealBlanks(const std::vector<std::string>& answers);
  // Figure point k at the value point (x, y) of the plane drawn last, as
  // pixels X8 + NO x, R - NO y, in FIGX, FIGY(k).
  void SetFigurePoint(int k, Num x, Num y);
  NumArray BLANKX{8}, BLANKY{8}, BLANKW{8};
  NumArray FIGX{8}, FIGY{8};
  // The average speed: its definition with the train exercise (8 keys), the
  // cart example y = 2x² from 2 s to 4 s with its graph (22 keys), and the
  // answers of the textbook exercise (no key wait).
  void AverageSpeedDefinitionScreen();
  void AverageSpeedExampleScreen();
  void AverageSpeedAnswersScreen();
  // Where the example's closing note goes: after "32", on the line below it.
  Num NOTEX = 0, NOTEY = 0;

  // ---- variables of Quendral's own ----

 protected:
  void MainMenu() override { ValuesMainMenu(); }
};

std::unique_ptr<Lesson> MakeQuendral(Runtime& runtime);

}  // namespace lessons
