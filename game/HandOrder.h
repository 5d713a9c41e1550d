#pragma once

// The five cards as players hold them: the groups first (quads, trips,
// pairs, larger groups before smaller), then by rank, highest first, the
// Ace high; cards of one rank by suit (clubs, diamonds, hearts, spades).
// Kd Ks 8s 4h 2c shows as K♦ K♠ 8♠ 4♥ 2♣.

// Sorts `count` card indices in place; -1 entries (face down) go last.
void SortAsPlayersHold(int* cards, int count);
