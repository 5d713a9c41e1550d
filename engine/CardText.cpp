#include "CardText.h"

#include "Cards.h"

#include <cctype>

namespace {

const char kRankLetters[] = "A23456789TJQK";
const char kSuitLetters[] = "cdhs";

int RankFromText(const std::string& text)
{
    if (text == "10")
        return 9;
    if (text.size() != 1)
        return -1;
    const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    for (int r = 0; r < kRankCount; ++r)
        if (kRankLetters[r] == c)
            return r;
    return -1;
}

} // namespace

int ParseCard(const std::string& text)
{
    if (text.size() < 2 || text.size() > 3)
        return -1;
    const int rank = RankFromText(text.substr(0, text.size() - 1));
    const char s = static_cast<char>(std::tolower(static_cast<unsigned char>(text.back())));
    int suit = -1;
    for (int i = 0; i < kSuitCount; ++i)
        if (kSuitLetters[i] == s)
            suit = i;
    if (rank < 0 || suit < 0)
        return -1;
    return CardIndex(suit, rank);
}

std::string CardText(int card)
{
    if (card < 0 || card >= kCardCount)
        return std::string();
    return std::string{kRankLetters[CardRank(card)], kSuitLetters[CardSuit(card)]};
}

std::string CardSymbolText(int card)
{
    static const char* const kSuitSymbols[] = {"\u2663", "\u2666", "\u2665", "\u2660"};
    if (card < 0 || card >= kCardCount)
        return std::string();
    const int rank = CardRank(card);
    const std::string rankText = rank == 9 ? std::string("10") : std::string(1, kRankLetters[rank]);
    return rankText + kSuitSymbols[CardSuit(card)];
}
