#include "catalogue/Groups.h"

std::vector<TIssueRegistration> CatalogueGroupC()
{
    return {};
}
