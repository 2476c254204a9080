// hushmark-seed: plants the traces of catalogue issues into the sandbox it runs in.
//   hushmark-seed plant CLASS... | --all | --rules      hushmark-seed unplant (the same)
//   (--all: every catalogue issue; --rules: every one of our own rules, by rule name)
//   hushmark-seed cache FOLDER COUNT          (a large browser cache, for the demo and benchmarks)
#include "tools/seeder/Seeder.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: hushmark-seed plant|unplant CLASS...|--all|--rules, or cache FOLDER COUNT\n");
        return 2;
    }
    try {
        RequireSandbox();
        std::string command = argv[1];
        if (command == "cache" && argc == 4) {
            SeedPlan plan;
            plan.ClassName = "cache";
            plan.Items = CacheTree(argv[2], std::atoi(argv[3]), 20);
            Plant(plan);
            std::printf("planted %s files in %s\n", argv[3], ExpandPath(argv[2]).c_str());
            return 0;
        }
        std::vector<SeedPlan> plans;
        for (int i = 2; i < argc; ++i) {
            if (std::string(argv[i]) == "--all" || std::string(argv[i]) == "--rules") {
                std::vector<SeedPlan> more = std::string(argv[i]) == "--all" ? AllSeedPlans() : RuleSeedPlans();
                plans.insert(plans.end(), more.begin(), more.end());
                continue;
            }
            const SeedPlan* plan = FindSeedPlan(argv[i]);
            if (!plan) {
                std::fprintf(stderr, "hushmark-seed: no plan for %s\n", argv[i]);
                return 2;
            }
            plans.push_back(*plan);
        }
        for (const SeedPlan& plan : plans) {
            if (command == "plant")
                Plant(plan);
            else if (command == "unplant")
                Unplant(plan);
            else
                return 2;
        }
        size_t rules = 0;
        for (const SeedPlan& plan : plans)
            rules += plan.ClassName.size() > 2 && plan.ClassName.compare(plan.ClassName.size() - 2, 2, " *") == 0;
        if (rules == plans.size())
            std::printf("%sed the traces of %zu rules\n", command.c_str(), rules);
        else
            std::printf("%sed the traces of %zu issues\n", command.c_str(), plans.size() - rules);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "hushmark-seed: %s\n", error.what());
        return 1;
    }
}
