#pragma once

// The page's simulations run in Web Workers, which share no memory with the
// page: a setup goes to a worker and a tally comes back as plain numbers
// (doubles, whole and below 2^53, so nothing is lost on the way).

#include "TableSimulation.h"

#include <vector>

std::vector<double> SetupNumbers(const TTableSetup& setup);
// False when the numbers are not a setup's.
bool SetupOfNumbers(const std::vector<double>& numbers, TTableSetup& setup);

std::vector<double> TallyNumbers(const TTableTally& tally);
bool TallyOfNumbers(const std::vector<double>& numbers, TTableTally& tally);
