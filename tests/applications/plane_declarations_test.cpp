// Orvenna's planes: what each one's set-up says it will carry is what its
// screen then draws on it, so that a label placed at the first step is not
// crossed at a later one and nothing is carried twice.
#include <gtest/gtest.h>

#include <string>

#include "applications/orvenna.h"
#include "tests/support/bench.h"

namespace lessons::testing {
namespace {

TEST(OrvennaPlanes, EachScreenDrawsAllItsPlaneWasToldItWouldCarry) {
  struct Screen {
    const char* name;
    void (Orvenna::*run)();
  };
  // (P118 7 is not here: its second page wipes the text column, and with
  // it what the figure knew, before it draws the rest.)
  const Screen screens[] = {
      {"rental fees", &Orvenna::RentalFeeScreen},
      {"tank", &Orvenna::StairTankScreen},
      {"question 5", &Orvenna::OverlapAreaAnswersScreen},
      {"P116 3", &Orvenna::CheckAnswer3Screen},
      {"P116 5", &Orvenna::CheckAnswer5Screen},
      {"P118 1", &Orvenna::MasteryAnswer1Screen},
      {"P118 2", &Orvenna::MasteryAnswer2Screen},
      {"P118 5", &Orvenna::MasteryStepGraphScreen},
      {"P118 8", &Orvenna::MasteryCarScreen},
  };
  for (const Screen& screen : screens) {
    SCOPED_TRACE(screen.name);
    Bench b(std::string(40, 'x'));
    Orvenna o(b.rt);
    (o.*screen.run)();
    ASSERT_TRUE(o.figure.drawn);
    for (const FigureStroke& s : o.figure.strokes)
      EXPECT_TRUE(s.drawn) << "part " << s.part << " at " << s.points.front().x << ", "
                           << s.points.front().y;
  }
}

}  // namespace
}  // namespace lessons::testing
