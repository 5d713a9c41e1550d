// Drives the engine through a whole game as the desktop program would: five
// distinct cards, any discards, as many distinct unseen replacements, 1 to 5
// opponents; checks the tables' invariants at every step.
#include "CardDistributionManager.h"
#include "ConfirmedHand.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

class CByteReader {
public:
    CByteReader(const uint8_t* data, size_t size) : m_pData(data), m_nSize(size) {}
    unsigned Next() { return m_nPos < m_nSize ? m_pData[m_nPos++] : 0u; }

private:
    const uint8_t* m_pData;
    size_t m_nSize;
    size_t m_nPos = 0;
};

// The next card, taken from the bytes, that is not known yet.
int DrawUnknownCard(CByteReader& reader, const CCardDistributionManager& manager)
{
    int card = static_cast<int>(reader.Next() % 52);
    while (manager.IsKnown(card))
        card = (card + 1) % 52;
    return card;
}

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

void CheckRows(const CCardDistributionManager::TRows& rows)
{
    Check(!rows.empty());
    for (const auto& row : rows) {
        Check(row.m_dProbability >= 0.0 && row.m_dProbability <= 1.0 + 1e-12);
        Check((row.m_dOdds == -1.0) == (row.m_dProbability == 0.0));
        Check(!std::isnan(row.m_dOdds));
    }
}

void AnalyzeAndCheck(CCardDistributionManager& manager, unsigned opponents, bool initialHand)
{
    const TConfirmedHand confirmed = ConfirmHand(manager, opponents, !initialHand);
    CheckRows(confirmed.m_arrOneOpponent);
    CheckRows(confirmed.m_arrAtLeastOne);
    Check(!confirmed.m_strDescription.empty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CByteReader reader(data, size);
    CCardDistributionManager manager;
    const unsigned opponents = 1 + reader.Next() % 5;

    int hand[5];
    for (int& card : hand) {
        card = DrawUnknownCard(reader, manager);
        manager.MarkKnown(card);
    }
    AnalyzeAndCheck(manager, opponents, true);

    const unsigned discardMask = reader.Next() % 32;
    if (discardMask == 0)
        return 0;
    int discarded = 0;
    for (int i = 0; i < 5; ++i) {
        if (discardMask & (1u << i)) {
            manager.MarkDiscarded(hand[i]);
            ++discarded;
        }
    }
    for (int i = 0; i < discarded; ++i) {
        const int card = DrawUnknownCard(reader, manager);
        manager.MarkKnown(card);
    }
    AnalyzeAndCheck(manager, opponents, false);
    return 0;
}
