#pragma once
#include "engine/PrivacyIssues.h"

#include <functional>
#include <string>
#include <vector>

// Creates one object of every issue class, in catalogue order, into the list.
void CreateAllIssues(TIssueList& allIssues);

// The class names of the whole catalogue, in order (382 names).
const std::vector<std::string>& CatalogueOrder();

// Each catalogue group registers how to make its classes; CreateAllIssues then
// places them by the catalogue order.
using TIssueMaker = std::function<std::unique_ptr<TPrivacyIssue>()>;
struct TIssueRegistration {
    const char* ClassName;
    TIssueMaker Make;
};
template <typename T> TIssueRegistration Register(const char* name)
{
    return {name, [] { return std::unique_ptr<TPrivacyIssue>(new T()); }};
}
#define HM_REGISTER(Name) Register<Name>(#Name)
