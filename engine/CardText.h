#pragma once

#include <string>

// Cards as people type them: a rank 2..9, T (or 10), J, Q, K or A followed by
// a suit c, d, h or s, case-insensitive. Returns the card index, or -1 when the
// text is not a card.
int ParseCard(const std::string& text);

// Rank then lower-case suit, as "Qh" or "Tc".
std::string CardText(int card);

// Rank then suit symbol, as "Q♠" or "10♥" (UTF-8).
std::string CardSymbolText(int card);
