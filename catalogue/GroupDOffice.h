#pragma once
// Catalogue group D's Microsoft Office issues: Office 2000, XP and 2003, and the
// Word, Publisher, Works and Visual C++ lists.
#include "engine/ScannerInit.h"

#include <vector>

std::vector<TIssueRegistration> CatalogueGroupDOffice();
