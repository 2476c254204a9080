#pragma once
// The issue icons and the two tick-box images of the results list.
#include "ui/Pictures.h"

#include <string>
#include <vector>

// Loads icons\*.tga beside the program into the table; raises Exception on a missing
// or refused file.
void IconsLoad(const std::string& programFolder);
