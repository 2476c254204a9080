#include <gtest/gtest.h>

#include "tests/catalogue/CatalogueCycle.h"

#include "engine/Scanner.h"

namespace {

class GroupF : public ::testing::TestWithParam<SeedPlan> {};

TEST_P(GroupF, FoundWithItsTracesAndSolvedExactly)
{
    RunIssueCycle(GetParam());
}

TEST_P(GroupF, HostileInstallValuesDeleteNothingOutside)
{
    RunHostileValues(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Catalogue, GroupF, ::testing::ValuesIn(SeedPlansF()), PlanName());

}  // namespace
