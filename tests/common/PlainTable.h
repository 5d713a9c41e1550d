#pragma once

// The tests' own table simulation, written plainly and apart from the
// engine: the whole unseen deck is shuffled and dealt in order, every hold
// gets its own draw from the top of the stub, the opponents draw in turn by
// a separately written usual play, and seen draw counts and ranges are met
// by dealing the whole table again until every seen opponent's play draws his
// count and every hand lies in its opponent's range (the range's own
// membership is checked against the tests' reading in hand_range_test).
// Hands are compared by the plain classifier's ranking.

#include "TableSimulation.h"

#include <cstdint>
#include <string>
#include <vector>

struct TPlainHoldFigures {
    unsigned m_nKeepMask = 0;
    double m_dPotShare = 0;
    double m_dVariance = 0;  // of one deal's pot share
    std::uint64_t m_nTrials = 0;
};

// A table for `hand` ("Kd Ks 8s 4h 2c") against `opponents`, the cards of
// `seen` marked seen, and per opponent his seen draw (kDrawUnseen when not
// seen) and range (any hand when missing).
TTableSetup TableSetupOf(const std::string& hand, int opponents, const std::vector<int>& drew = {},
                         const std::string& seen = "", const std::vector<const char*>& ranges = {});

// Marks every card seen but the hand and `unseen`.
void LeaveUnseen(TTableSetup& setup, const std::string& unseen);

// The cards neither seen nor in the hand.
std::vector<int> UnseenAt(const TTableSetup& setup);

// Cards the usual play keeps (bit i: hand[i]), by the plain classifier.
unsigned PlainUsualKeep(const int hand[5]);

// Plays `setup.m_nTrials` deals with `setup.m_nSeed` for each keep mask of
// `holds` (the hand as it stands when setup.m_bFinal). The setup must be
// valid; seen counts that can never be dealt would loop for ever.
std::vector<TPlainHoldFigures> PlainTableSimulation(const TTableSetup& setup, const std::vector<unsigned>& holds);
