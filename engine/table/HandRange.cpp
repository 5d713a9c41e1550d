#include "HandRange.h"

#include "Cards.h"

#include <cctype>

namespace {

constexpr unsigned kNoPair = 0;
constexpr unsigned kFirstPair = 1;     // + Ace-high rank
constexpr unsigned kTwoPair = 14;      // then each formation above, ascending
constexpr unsigned kStraightFlush = 20;
constexpr unsigned kClassCount = 21;
constexpr std::uint32_t kAllClasses = (1u << kClassCount) - 1;
constexpr std::uint32_t kAbovePair = kAllClasses & ~((1u << kTwoPair) - 1);
constexpr unsigned kWheel = (1u << 12) | 0xFu;
constexpr unsigned kOpenLows = 0x1FFu;  // 2-3-4-5 up to T-J-Q-K
constexpr unsigned kSuitLows = 0x1111u;

const char* const kFormationWords[] = {"2P", "3K", "ST", "FL", "FH", "4K", "SF"};
const char kRankLetters[] = "23456789TJQKA";

// Per card index: the bit of its Ace-high rank, and its suit's count in a
// nibble of four.
struct TCardBits {
    unsigned m_anRank[kCardCount];
    unsigned m_anSuit[kCardCount];
    constexpr TCardBits() : m_anRank(), m_anSuit()
    {
        for (int c = 0; c < kCardCount; ++c) {
            m_anRank[c] = 1u << AceHigh(CardRank(c));
            m_anSuit[c] = 1u << (4 * CardSuit(c));
        }
    }
};
constexpr TCardBits kCardBits;

std::uint32_t PairClass(int rank)
{
    return 1u << (kFirstPair + static_cast<unsigned>(rank));
}

// Pairs of `low` to `high` (Ace-high ranks), both included.
std::uint32_t PairClasses(int low, int high)
{
    std::uint32_t classes = 0;
    for (int r = low; r <= high; ++r)
        classes |= PairClass(r);
    return classes;
}

std::string PairText(int rank)
{
    return std::string(2, kRankLetters[rank]);
}

int RankOf(char letter)
{
    for (int r = 0; r < kRankCount; ++r)
        if (kRankLetters[r] == letter)
            return r;
    return -1;
}

// A pair word: `JJ`, `JJ+` or `77-TT`; -1 in `low` when it is none.
void ReadPairWord(const std::string& word, int& low, int& high, bool& orBetter)
{
    low = high = -1;
    orBetter = false;
    if (word.size() < 2 || word[0] != word[1])
        return;
    const int first = RankOf(word[0]);
    if (first < 0)
        return;
    if (word.size() == 2) {
        low = high = first;
    } else if (word.size() == 3 && word[2] == '+') {
        low = high = first;
        orBetter = true;
    } else if (word.size() == 5 && word[2] == '-' && word[3] == word[4] && RankOf(word[3]) >= 0) {
        const int second = RankOf(word[3]);
        low = first < second ? first : second;
        high = first < second ? second : first;
    }
}

std::string Upper(const std::string& text)
{
    std::string upper;
    for (char c : text)
        if (!std::isspace(static_cast<unsigned char>(c)))
            upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

} // namespace

void CHandRange::Classify(const int hand[5], unsigned& cls, unsigned& draws)
{
    unsigned ranks = 0, pairs = 0, trips = 0, quads = 0, suits = 0;
    for (int i = 0; i < kHandSize; ++i) {
        const unsigned bit = kCardBits.m_anRank[hand[i]];
        quads |= trips & bit;
        trips |= pairs & bit;
        pairs |= ranks & bit;
        ranks |= bit;
        suits += kCardBits.m_anSuit[hand[i]];
    }
    // A suit's count is at most five: 5 is the only one with bits 0 and 2,
    // 4 the only one with bit 2 alone.
    const bool flush = (suits & suits >> 2 & kSuitLows) != 0;
    const bool fourFlush = (suits >> 2 & ~suits & kSuitLows) != 0;
    const int distinct = __builtin_popcount(ranks);
    bool straight = false;
    if (distinct == kHandSize) {
        straight = ranks == kWheel || ranks == 0x1Fu << __builtin_ctz(ranks);
        cls = straight && flush ? kStraightFlush : flush ? kTwoPair + 3 : straight ? kTwoPair + 2 : kNoPair;
    } else if (distinct == 4) {
        cls = kFirstPair + static_cast<unsigned>(__builtin_ctz(pairs));
    } else if (distinct == 3) {
        cls = trips != 0 ? kTwoPair + 1 : kTwoPair;
    } else {
        cls = quads != 0 ? kTwoPair + 5 : kTwoPair + 4;
    }
    const bool openEnded = !straight && (ranks & ranks >> 1 & ranks >> 2 & ranks >> 3 & kOpenLows) != 0;
    draws = (fourFlush ? kFourFlush : 0u) | (openEnded ? kOpenEnded : 0u);
}

int CHandRange::ParseRank(const std::string& text)
{
    const std::string upper = Upper(text);
    if (upper == "10")
        return RankOf('T');
    return upper.size() == 1 ? RankOf(upper[0]) : -1;
}

bool CHandRange::Parse(const std::string& text, int openRank, CHandRange& range, std::string& badPart)
{
    CHandRange read;
    read.m_bAny = false;
    read.m_strText.clear();
    bool any = false;
    std::string::size_type start = 0;
    while (true) {
        const std::string::size_type slash = text.find('/', start);
        const std::string part = text.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
        const std::string word = Upper(part);
        std::string spelled = word;
        int low = -1, high = -1;
        bool orBetter = false;
        ReadPairWord(word, low, high, orBetter);
        bool known = true;
        if (word == "?" || word == "ANY") {
            any = true;
        } else if (word == "OPEN" && openRank >= 0 && openRank < kRankCount) {
            read.m_nClasses |= PairClasses(openRank, kRankCount - 1) | kAbovePair;
            spelled = PairText(openRank) + "+";
        } else if (word == "4F") {
            read.m_nDraws |= kFourFlush;
        } else if (word == "OE") {
            read.m_nDraws |= kOpenEnded;
        } else if (low >= 0) {
            read.m_nClasses |= orBetter ? PairClasses(low, kRankCount - 1) | kAbovePair : PairClasses(low, high);
            if (!orBetter && low != high)
                spelled = PairText(low) + "-" + PairText(high);
        } else {
            known = false;
            for (unsigned f = 0; f < sizeof kFormationWords / sizeof *kFormationWords; ++f) {
                const std::string name = kFormationWords[f];
                const unsigned cls = kTwoPair + f;
                if (word == name) {
                    read.m_nClasses |= 1u << cls;
                    known = true;
                } else if (word == name + "+") {
                    read.m_nClasses |= kAllClasses & ~((1u << cls) - 1);
                    known = true;
                }
            }
        }
        if (!known) {
            badPart = part;
            return false;
        }
        read.m_strText += (read.m_strText.empty() ? "" : "/") + spelled;
        if (slash == std::string::npos)
            break;
        start = slash + 1;
    }
    if (any || read.m_nClasses == kAllClasses) {
        range = CHandRange();
        return true;
    }
    range = read;
    return true;
}
