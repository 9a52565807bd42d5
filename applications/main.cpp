#include "framework/program.h"
#include "applications/orvenna.h"

int main() { return lessons::RunInWindow("Orvenna", lessons::MakeOrvenna); }
