#include "tools/seeder/Seeder.h"

std::vector<SeedPlan> SeedPlansB()
{
    return {};
}
