#include "OddsText.h"

#include "StringIds.h"
#include "StringTable.h"

std::string OddsText(double odds)
{
    return odds >= 0.0 ? FormatString(LoadString(idOddsFormat).c_str(), odds) : LoadString(idNoOdds);
}
