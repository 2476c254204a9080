#pragma once
// The life of one issue on planted traces, shared by every catalogue group's test:
// not found on a clean sandbox, found with its traces, preview changes nothing,
// Solve removes exactly the traces and keeps the neighbours.
#include "engine/PrivacyIssues.h"
#include "tools/seeder/Seeder.h"

#include <string>
#include <vector>

TPrivacyIssue* IssueNamed(const std::string& className);

// Runs the whole cycle with gtest assertions.
void RunIssueCycle(const SeedPlan& plan);

// Every install value the plan plants (registry values it keeps) is replaced by each
// hostile text in turn; Check and Solve then run, and no file outside the plan's own
// traces may disappear from drive C:.
void RunHostileValues(const SeedPlan& plan);

// gtest parameter names from class names.
struct PlanName {
    std::string operator()(const testing::TestParamInfo<SeedPlan>& info) const { return info.param.ClassName; }
};
