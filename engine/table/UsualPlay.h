#pragma once

// The usual play of an opponent at the draw, the first rule that applies:
// a straight or better stands pat; three of a kind keeps the three; two pair
// keeps both pairs; one pair keeps the pair; four cards of one suit keep the
// four; four consecutive ranks open at both ends (2-3-4-5 up to T-J-Q-K) keep
// the four; an Ace or a King keeps the highest card; otherwise all five go.

// Keep mask of five cards (bit i set: hands[i] is kept); 0 when the hand has
// a card outside 0..51 or the same card twice.
unsigned UsualPlayKeepMask(const int hand[5]);

// How many cards the usual play draws to five cards: 5 less the cards kept;
// -1 for a hand that is not five distinct cards.
int UsualPlayDrawCount(const int hand[5]);

// The same for five cards already known to be distinct and in range: the
// table simulation's inner loop skips the check.
unsigned UsualPlayKeepMaskOf(const int hand[5]);
