#include "ui/Icons.h"

void IconsLoad(const std::string&) {}
