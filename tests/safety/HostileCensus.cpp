// Counts, per catalogue group, the seed plans whose install values the hostile runs
// replace (registry values the plan keeps), and how many catalogue issues have a plan.
#include "engine/ScannerInit.h"
#include "tools/seeder/Seeder.h"

#include <cstdio>
#include <set>
#include <string>

int main()
{
    struct Group {
        const char* Name;
        std::vector<SeedPlan> (*Plans)();
    } groups[] = {{"A", SeedPlansA}, {"B", SeedPlansB}, {"C", SeedPlansC}, {"D", SeedPlansD},
                  {"E", SeedPlansE}, {"F", SeedPlansF}, {"G", SeedPlansG}};
    std::set<std::string> planned, hostile;
    for (const Group& group : groups) {
        int plans = 0, withValues = 0, values = 0;
        for (const SeedPlan& plan : group.Plans()) {
            ++plans;
            planned.insert(plan.ClassName);
            int kept = 0;
            for (const TraceItem& item : plan.Items)
                kept += item.What == TraceItem::Value && item.Outcome == Expect::Kept;
            if (kept > 0) {
                ++withValues;
                hostile.insert(plan.ClassName);
            }
            values += kept;
        }
        std::printf("group %s plans=%d plans_with_install_values=%d install_values=%d\n", group.Name, plans,
                    withValues, values);
    }
    TIssueList all;
    CreateAllIssues(all);
    for (auto& issue : all)
        if (!planned.count(issue->ClassName()))
            std::printf("no plan: %s\n", issue->ClassName());
    std::printf("catalogue issues=%d issues_with_plan=%d issues_with_install_values=%d\n",
                static_cast<int>(all.size()), static_cast<int>(planned.size()), static_cast<int>(hostile.size()));
    return 0;
}
