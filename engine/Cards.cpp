#include "Cards.h"

int FormationNameId(int formation)
{
    static const int kNameIds[] = {193, 143, 144, 141, 142, 199, 200, 146, 109,
                                   207, 111, 176, 177, 178, 115, 179, 118};
    if (formation < 0 || formation > fmRoyalFlush)
        return 0;
    return kNameIds[formation];
}
