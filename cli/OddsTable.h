#pragma once

// The cards and the table a request names, as the engine and the game take
// them: what parsing checks against and what the analysis runs.

#include "CardDistributionManager.h"
#include "OddsRequest.h"
#include "TableEquity.h"

#include <cstdint>
#include <vector>

// Every card of the request known to the manager, the discards flagged.
void MarkCards(const TOddsOptions& options, CCardDistributionManager& manager);

// The hand analysed, as players hold it (groups first, then highest first):
// the dealt five, or after a discard the kept cards and the replacements.
// Keep masks count in this order.
std::vector<int> AnalysedHand(const TOddsOptions& options);

// The opponents, what each was seen to draw and his range, and the model.
TTable OddsTable(const TOddsOptions& options);

// A run of `hand` at `table` with the request's cards out of the opponents'
// reach, over --trials deals or else `defaultTrials`.
TTableSetup SetupFor(const TOddsOptions& options, const std::vector<int>& hand, bool finalHand, const TTable& table,
                     std::uint64_t defaultTrials);

// The --equity run for the hand analysed: all 32 holds of a dealt hand, or
// the final hand as it stands, at the request's table.
TTableSetup EquityTableSetup(const TOddsOptions& options);
