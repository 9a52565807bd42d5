#include "framework/program.h"
#include "intro/palisteo.h"

int main() { return lessons::RunInWindow("Palisteo", lessons::MakePalisteo); }
