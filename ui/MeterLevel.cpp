#include "ui/MeterLevel.h"

TMeterLevel MeterLevel(size_t foundCount)
{
    if (foundCount == 0)
        return {"blue", "", "You are highly secured and private now! "};
    if (foundCount <= 10)
        return {"green", "res\\meter_green.jpg", "You privacy level is almost perfect! Minor privacy leaks left."};
    if (foundCount <= 30)
        return {"yellow", "res\\meter_yellow.jpg", "Your privacy level is bad. You have a lot of privacy leaks."};
    return {"red", "res\\meter_red.jpg", "Your privacy level is awful. Scan your PC now!"};
}
