#include "tools/seeder/Seeder.h"

std::vector<SeedPlan> SeedPlansD()
{
    return {};
}
