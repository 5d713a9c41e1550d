#include "WebRuns.h"

#include <cstdint>
#include <string>

namespace {

constexpr int kHand = 5;
constexpr int kDeck = 52;
// The fixed part; each opponent's range follows as its length and characters.
constexpr size_t kSetupHead = kHand + kDeck + 3 + kMaxTableOpponents + 2;
constexpr size_t kTallyHead = 17;
constexpr size_t kHoldSize = 4;

// Reads numbers in order; any read past the end fails the whole.
struct TReader {
    const std::vector<double>& m_arrNumbers;
    size_t m_nNext = 0;
    bool m_bOk = true;

    double Next()
    {
        if (m_nNext >= m_arrNumbers.size()) {
            m_bOk = false;
            return 0;
        }
        return m_arrNumbers[m_nNext++];
    }
    std::uint64_t Whole() { return static_cast<std::uint64_t>(Next()); }
};

}  // namespace

std::vector<double> SetupNumbers(const TTableSetup& setup)
{
    std::vector<double> numbers(setup.m_anHand, setup.m_anHand + kHand);
    for (const bool seen : setup.m_abSeen)
        numbers.push_back(seen ? 1 : 0);
    numbers.push_back(setup.m_bFinal ? 1 : 0);
    numbers.push_back(setup.m_nOpponents);
    numbers.push_back(static_cast<double>(setup.m_eModel));
    for (const int drew : setup.m_anDrew)
        numbers.push_back(drew);
    numbers.push_back(static_cast<double>(setup.m_nTrials));
    numbers.push_back(static_cast<double>(setup.m_nSeed));
    // A range goes as its words as read, `open` already spelled out as the
    // pair it asks for: the worker reads the same hands whatever the
    // opening rank was.
    for (const CHandRange& range : setup.m_aRanges) {
        numbers.push_back(static_cast<double>(range.Text().size()));
        for (const char letter : range.Text())
            numbers.push_back(static_cast<unsigned char>(letter));
    }
    return numbers;
}

bool SetupOfNumbers(const std::vector<double>& numbers, TTableSetup& setup)
{
    if (numbers.size() < kSetupHead)
        return false;
    TReader in{numbers};
    for (int& card : setup.m_anHand)
        card = static_cast<int>(in.Next());
    for (bool& seen : setup.m_abSeen)
        seen = in.Next() != 0;
    setup.m_bFinal = in.Next() != 0;
    setup.m_nOpponents = static_cast<int>(in.Next());
    setup.m_eModel = in.Next() != 0 ? ETableModel::StandPat : ETableModel::UsualPlay;
    for (int& drew : setup.m_anDrew)
        drew = static_cast<int>(in.Next());
    setup.m_nTrials = in.Whole();
    setup.m_nSeed = in.Whole();
    setup.m_nThreads = 1;
    for (CHandRange& range : setup.m_aRanges) {
        std::string words;
        for (std::uint64_t letters = in.Whole(); letters > 0 && in.m_bOk; --letters)
            words += static_cast<char>(in.Next());
        std::string bad;
        if (!in.m_bOk || !CHandRange::Parse(words, CHandRange::kDefaultOpenRank, range, bad))
            return false;
    }
    return in.m_bOk && in.m_nNext == numbers.size();
}

std::vector<double> TallyNumbers(const TTableTally& tally)
{
    const THoldEquity& counted = tally.m_counted;
    std::vector<double> numbers = {static_cast<double>(tally.m_eError), static_cast<double>(tally.m_nTrials),
                                   static_cast<double>(tally.m_nBatchSquares), static_cast<double>(tally.m_nReuse),
                                   tally.m_bCounted ? 1.0 : 0.0,
                                   static_cast<double>(counted.m_nKeepMask), counted.m_dWin, counted.m_dTie,
                                   counted.m_dLose, counted.m_dPotShare, counted.m_dPotShareError,
                                   counted.m_dWinError, counted.m_dTieError, counted.m_dLoseError,
                                   counted.m_bExact ? 1.0 : 0.0,
                                   static_cast<double>(tally.m_arrHolds.size()),
                                   static_cast<double>(tally.m_arrPairSquares.size())};
    for (const TTableHoldTally& hold : tally.m_arrHolds)
        for (const std::uint64_t sum : {hold.m_nWins, hold.m_nTies, hold.m_nShare, hold.m_nShareSq})
            numbers.push_back(static_cast<double>(sum));
    for (const std::uint64_t square : tally.m_arrPairSquares)
        numbers.push_back(static_cast<double>(square));
    return numbers;
}

bool TallyOfNumbers(const std::vector<double>& numbers, TTableTally& tally)
{
    TReader in{numbers};
    tally = TTableTally();
    tally.m_eError = static_cast<ETableError>(static_cast<int>(in.Next()));
    tally.m_nTrials = in.Whole();
    tally.m_nBatchSquares = in.Whole();
    tally.m_nReuse = in.Whole();
    tally.m_bCounted = in.Next() != 0;
    THoldEquity& counted = tally.m_counted;
    counted.m_nKeepMask = static_cast<unsigned>(in.Next());
    counted.m_dWin = in.Next();
    counted.m_dTie = in.Next();
    counted.m_dLose = in.Next();
    counted.m_dPotShare = in.Next();
    counted.m_dPotShareError = in.Next();
    // The hand as it stands is counted, or simulated apart with its own
    // intervals (standing pat against three or more).
    counted.m_dWinError = in.Next();
    counted.m_dTieError = in.Next();
    counted.m_dLoseError = in.Next();
    counted.m_bExact = in.Next() != 0;
    const size_t holds = static_cast<size_t>(in.Next());
    const size_t squares = static_cast<size_t>(in.Next());
    if (!in.m_bOk || numbers.size() != kTallyHead + holds * kHoldSize + squares)
        return false;
    for (size_t h = 0; h < holds; ++h) {
        TTableHoldTally hold;
        hold.m_nWins = in.Whole();
        hold.m_nTies = in.Whole();
        hold.m_nShare = in.Whole();
        hold.m_nShareSq = in.Whole();
        tally.m_arrHolds.push_back(hold);
    }
    for (size_t i = 0; i < squares; ++i)
        tally.m_arrPairSquares.push_back(in.Whole());
    return in.m_bOk;
}
