#include "framework/program.h"
#include "values/quendral.h"

int main() { return lessons::RunInWindow("Quendral", lessons::MakeQuendral); }
