#pragma once
// The second half of catalogue group B: media players, Norton tools, image tools.
#include "engine/ScannerInit.h"

#include <vector>

std::vector<TIssueRegistration> CatalogueGroupBMedia();
