// Our own rules, as the install tree ships them in rules\, on the traces the seeder plants
// for each: every entry loads whole, is found with its traces and not without them, its
// preview changes nothing and lists exactly what the Solve then removes, and the Solve
// leaves the program's logins, bookmarks, games, settings and unsaved work in place.
#include <gtest/gtest.h>

#include "engine/Scanner.h"
#include "primitives/Effects.h"
#include "rules/RuleIssue.h"
#include "rules/RuleLoader.h"
#include "tools/seeder/Seeder.h"

#include <cctype>
#include <set>
#include <tuple>

namespace {

const std::string Tree = "C:\\Program Files\\Hushmark\\";

struct TLoaded {
    TIssueList Rules;
    std::vector<std::string> Messages;
};

const TLoaded& Loaded()
{
    static TLoaded loaded;
    static bool done = false;
    if (!done) {
        LoadRuleIssues(Tree, loaded.Rules, loaded.Messages);
        done = true;
    }
    return loaded;
}

TRuleIssue* RuleNamed(const std::string& name)
{
    for (const auto& issue : Loaded().Rules)
        if (name == issue->ClassName())
            return const_cast<TRuleIssue*>(AsRule(*issue));
    return nullptr;
}

std::string Join(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += "\n  " + line;
    return text;
}

using TEffectSet = std::set<std::tuple<int, std::string, std::string>>;

TEffectSet AsSet(const std::vector<Effect>& effects)
{
    TEffectSet set;
    for (const Effect& effect : effects) {
        std::string path = effect.Path;
        CharUpperA(&path[0]);
        set.emplace(static_cast<int>(effect.Kind), path, effect.Name);
    }
    return set;
}

class OurRules : public testing::TestWithParam<SeedPlan> {};

}  // namespace

// A failing row names its rule.
void PrintTo(const SeedPlan& plan, std::ostream* out) { *out << plan.ClassName; }

TEST(OurRuleFiles, EveryEntryLoadsWholeAndHasItsPlantedTraces)
{
    const TLoaded& loaded = Loaded();
    EXPECT_EQ(Join(loaded.Messages), "");
    ASSERT_GE(loaded.Rules.size(), 40u);
    std::set<std::string> planned;
    for (const SeedPlan& plan : RuleSeedPlans())
        planned.insert(plan.ClassName);
    for (const auto& issue : loaded.Rules) {
        const TRuleIssue* rule = AsRule(*issue);
        ASSERT_NE(rule, nullptr);
        SCOPED_TRACE(rule->Name());
        for (const TRuleRefusal& refusal : rule->Refused())
            ADD_FAILURE() << refusal.Key << " refused: " << refusal.Reason;
        EXPECT_EQ(planned.erase(rule->Name()), 1u) << "no seeder plan";
        EXPECT_NE(rule->Category(), "Other");
        // A rule that can cost the user something is never ticked for them.
        if (!rule->Warning().empty()) {
            EXPECT_FALSE(rule->Default());
        }
    }
    for (const std::string& orphan : planned)
        ADD_FAILURE() << "a plan without a rule: " << orphan;
}

TEST_P(OurRules, FoundWithItsTracesAndSolvedExactly)
{
    const SeedPlan& plan = GetParam();
    TRuleIssue* rule = RuleNamed(plan.ClassName);
    ASSERT_NE(rule, nullptr) << "no rule " << plan.ClassName;

    Unplant(plan);
    EXPECT_FALSE(GuardedCheck(*rule)) << "on a clean sandbox";
    Plant(plan);
    ASSERT_EQ(Join(VerifyAllPresent(plan)), "") << "the seeder did not plant everything";
    EXPECT_TRUE(GuardedCheck(*rule)) << "with its traces planted";

    TEffectSet previewed;
    {
        TPreviewScope preview;
        GuardedSolve(*rule);
        previewed = AsSet(preview.Effects());
    }
    EXPECT_EQ(Join(VerifyAllPresent(plan)), "") << "a preview changed something";
    EXPECT_FALSE(previewed.empty());

    TEffectSet done;
    {
        TEffectLog log;
        GuardedSolve(*rule);
        done = AsSet(log.Effects());
    }
    EXPECT_EQ(Join(Verify(plan)), "") << "after Solve";
    EXPECT_TRUE(previewed == done) << "the preview listed " << previewed.size() << " effects, the Solve did "
                                   << done.size();
    EXPECT_FALSE(GuardedCheck(*rule)) << "after Solve";
    Unplant(plan);
}

INSTANTIATE_TEST_SUITE_P(Rules, OurRules, testing::ValuesIn(RuleSeedPlans()),
                         [](const testing::TestParamInfo<SeedPlan>& info) {
                             std::string name;
                             for (char c : info.param.ClassName)
                                 if (std::isalnum(static_cast<unsigned char>(c)))
                                     name += c;
                             return name;
                         });
