#include "catalogue/Groups.h"

std::vector<TIssueRegistration> CatalogueGroupA()
{
    return {};
}
