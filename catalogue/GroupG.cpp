#include "catalogue/Groups.h"

std::vector<TIssueRegistration> CatalogueGroupG()
{
    return {};
}
