#include "catalogue/Groups.h"

std::vector<TIssueRegistration> CatalogueGroupF()
{
    return {};
}
