#include "catalogue/Groups.h"

std::vector<TIssueRegistration> CatalogueGroupD()
{
    return {};
}
