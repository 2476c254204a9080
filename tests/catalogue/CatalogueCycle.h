#pragma once
// The life of one issue on planted traces, shared by every catalogue group's test:
// not found on a clean sandbox, found with its traces, preview changes nothing,
// Solve removes exactly the traces and keeps the neighbours.
#include "engine/PrivacyIssues.h"
#include "tools/seeder/Seeder.h"

#include <set>
#include <string>
#include <vector>

TPrivacyIssue* IssueNamed(const std::string& className);

// Runs the whole cycle with gtest assertions.
void RunIssueCycle(const SeedPlan& plan);

// Every install value the plan plants (registry values it keeps) is replaced by each
// hostile text in turn; Check and Solve then run, and no file outside the plan's own
// traces may disappear from drive C:.
void RunHostileValues(const SeedPlan& plan);

// A plan of the given items alone, for the named cases of a group's test.
SeedPlan Only(const std::string& className, std::vector<TraceItem> items);
// The issue's Check, guarded as a scan runs it.
bool Found(const std::string& className);
// Plants the items, runs the issue's Check, removes them again.
bool FoundWith(const std::string& className, const std::vector<TraceItem>& items);

// The lines, each on its own indented line, for a failure message.
std::string Join(const std::vector<std::string>& lines);
// Every file of drive C: (the system's own DLL folders aside), upper-cased.
std::set<std::string> DriveFiles();

// The two tests every plan of a group goes through, named after the group.
#define HM_CATALOGUE_GROUP_TESTS(Group, Plans)                                              \
    class Group : public ::testing::TestWithParam<SeedPlan> {};                             \
    TEST_P(Group, FoundWithItsTracesAndSolvedExactly) { RunIssueCycle(GetParam()); }        \
    TEST_P(Group, HostileInstallValuesDeleteNothingOutside) { RunHostileValues(GetParam()); } \
    INSTANTIATE_TEST_SUITE_P(Catalogue, Group, ::testing::ValuesIn(Plans()), PlanName())

// gtest parameter names from class names.
struct PlanName {
    std::string operator()(const testing::TestParamInfo<SeedPlan>& info) const { return info.param.ClassName; }
};
