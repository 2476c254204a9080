#include "tools/seeder/Seeder.h"

std::vector<SeedPlan> SeedPlansF()
{
    return {};
}
