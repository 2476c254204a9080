#pragma once
// The parts that the browser and mail families share.
#include <string>

// Firefox: its profile folders lie under "Phoenix" (the early name) or "Mozilla\Firefox".
bool FirefoxCheck();
// The Firefox folder the Solves work in (empty without application data), after
// ending a running Firefox so that its files are free.
std::string FirefoxPreamble();
