#pragma once
#include <string>

// The program's executable file name without folder and extension
// ("Tempovista"): the program has no other application title.
std::string ExecutableName();
// The folder of the program's executable file, without a trailing slash.
std::string ExecutableFolder();
