#include "catalogue/Groups.h"

std::vector<TIssueRegistration> CatalogueGroupE()
{
    return {};
}
