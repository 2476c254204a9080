#include "engine/PrivacyIssues.h"

bool RestartRequired = false;
