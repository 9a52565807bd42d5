// The three lesson programs by name, for the tools and tests.
#pragma once

#include <string>

#include "framework/program.h"

namespace lessons {

// "palisteo", "quendral" or "orvenna"; an empty factory for any other name.
ProgramFactory FindProgram(const std::string& name);

}  // namespace lessons
