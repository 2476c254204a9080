#include "tools/seeder/Seeder.h"

std::vector<SeedPlan> SeedPlansC()
{
    return {};
}
