#pragma once
#include <string>

// The program's executable file name without folder and extension
// ("Tempovista"): the program has no other application title.
std::string ExecutableName();
