#include "catalogue/Groups.h"

std::vector<TIssueRegistration> CatalogueGroupB()
{
    return {};
}
