#include "tools/program_table.h"

#include "applications/orvenna.h"
#include "intro/palisteo.h"
#include "values/quendral.h"

namespace lessons {

ProgramFactory FindProgram(const std::string& name) {
  if (name == "palisteo") return MakePalisteo;
  if (name == "quendral") return MakeQuendral;
  if (name == "orvenna") return MakeOrvenna;
  return {};
}

}  // namespace lessons
