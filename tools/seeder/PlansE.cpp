#include "tools/seeder/Seeder.h"

std::vector<SeedPlan> SeedPlansE()
{
    return {};
}
