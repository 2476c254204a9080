#include "tools/seeder/Seeder.h"

std::vector<SeedPlan> SeedPlansA()
{
    return {};
}
