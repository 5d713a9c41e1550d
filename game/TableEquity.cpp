#include "TableEquity.h"

#include "Cards.h"
#include "StringIds.h"
#include "StringTable.h"

#include <algorithm>
#include <cmath>

namespace {

// Two-sided 95% normal quantile.
constexpr double kZ95 = 1.959963984540054;

std::string CardsText(int count)
{
    return FormatString(LoadString(count == 1 ? idCardCount : idCardsCount).c_str(), count);
}

// "a, b and c" from the items in order.
std::string JoinedList(const std::vector<std::string>& items)
{
    if (items.empty())
        return std::string();
    std::string list = items.front();
    for (size_t i = 1; i + 1 < items.size(); ++i)
        list = FormatString(LoadString(idListComma).c_str(), list.c_str(), items[i].c_str());
    if (items.size() > 1)
        list = FormatString(LoadString(idListAnd).c_str(), list.c_str(), items.back().c_str());
    return list;
}

// A share of `trials` independent deals: the normal interval, or the rule of
// three when none (or every one) of the deals fell that way, where the normal
// one would claim a width of zero.
double BinomialHalfWidth(double fraction, std::uint64_t trials)
{
    if (trials == 0)
        return 1.0;
    const double n = static_cast<double>(trials);
    const double count = fraction * n;
    if (count < 0.5 || count > n - 0.5)
        return std::min(1.0, 3.0 / n);
    return kZ95 * std::sqrt(fraction * (1.0 - fraction) / n);
}

// The run's own interval where it has one, else the binomial one.
double FigureHalfWidth(double fraction, double runError, std::uint64_t trials)
{
    return runError > 0.0 ? runError : BinomialHalfWidth(fraction, trials);
}

// The run's interval; when every deal paid the same share (nothing or the
// whole pot) its width is zero, and the rule of three stands in.
double PotShareHalfWidth(const THoldEquity& equity, std::uint64_t trials)
{
    if (equity.m_dPotShareError > 0.0)
        return equity.m_dPotShareError;
    return BinomialHalfWidth(equity.m_dPotShare, trials);
}

TEquityRow MakeRow(ETextId label, double fraction, double halfWidth, bool exact)
{
    TEquityRow row;
    row.m_nLabelId = static_cast<int>(label);
    row.m_dFraction = fraction;
    row.m_bExact = exact;
    row.m_dHalfWidth = exact ? 0.0 : halfWidth;
    row.m_strFigure = exact ? FormatString(LoadString(idProbabilityFormat).c_str(), fraction * 100.0)
                            : FormatString(LoadString(idFigureWithInterval).c_str(), fraction * 100.0,
                                           halfWidth * 100.0);
    return row;
}

}  // namespace

TTableSetup MakeTableSetup(const CCardDistributionManager& manager, const int hand[5], bool finalHand,
                           const TTable& table, std::uint64_t trials, std::uint64_t seed)
{
    TTableSetup setup;
    if (hand) {
        std::copy(hand, hand + kHandSize, setup.m_anHand);
    } else {
        int held = 0;
        for (int card = 0; card < kCardCount && held < kHandSize; ++card)
            if (manager.IsKnown(card) && !manager.IsDiscarded(card))
                setup.m_anHand[held++] = card;
    }
    for (int card = 0; card < kCardCount; ++card)
        setup.m_abSeen[card] = manager.IsKnown(card) &&
                               std::find(setup.m_anHand, setup.m_anHand + kHandSize, card) ==
                                   setup.m_anHand + kHandSize;
    setup.m_bFinal = finalHand;
    setup.m_nOpponents = table.m_nOpponents;
    setup.m_eModel = table.m_eModel;
    for (int i = 0; i < kMaxTableOpponents; ++i) {
        setup.m_anDrew[i] = i < table.m_nOpponents ? table.m_anDrew[i] : kDrawUnseen;
        setup.m_aRanges[i] = i < table.m_nOpponents ? table.m_aRanges[i] : CHandRange();
    }
    setup.m_nTrials = trials;
    setup.m_nSeed = seed;
    return setup;
}

namespace {

std::string DescribeSeats(const TTable& table)
{
    const int n = table.m_nOpponents;
    if (table.m_eModel == ETableModel::StandPat)
        return n == 1 ? LoadString(idTableOneStandPat) : FormatString(LoadString(idTableStandPat).c_str(), n);

    std::vector<std::string> counts, seen;
    for (int i = 0; i < n && i < kMaxTableOpponents; ++i) {
        if (table.m_anDrew[i] == kDrawUnseen)
            continue;
        counts.push_back(std::to_string(table.m_anDrew[i]));
        seen.push_back(FormatString(LoadString(idOpponentDrew).c_str(), i + 1, CardsText(table.m_anDrew[i]).c_str()));
    }
    if (seen.empty())
        return n == 1 ? LoadString(idTableOneUsualPlay) : FormatString(LoadString(idTableUsualPlay).c_str(), n);
    if (n == 1)
        return FormatString(LoadString(idTableOneDrew).c_str(), CardsText(table.m_anDrew[0]).c_str());
    if (static_cast<int>(seen.size()) == n) {
        // "1, 3 and 0 cards": the noun once, plural, after the last count.
        counts.back() = FormatString(LoadString(idCardsCount).c_str(), table.m_anDrew[n - 1]);
        return FormatString(LoadString(idTableDrew).c_str(), n, JoinedList(counts).c_str());
    }
    const std::string unseen = FormatString(LoadString(idTableUsualPlay).c_str(), n);
    return FormatString(LoadString(idTableWithSeen).c_str(), unseen.c_str(), JoinedList(seen).c_str());
}

}  // namespace

std::string DescribeTable(const TTable& table)
{
    std::vector<std::string> ranges;
    for (int i = 0; i < table.m_nOpponents && i < kMaxTableOpponents; ++i)
        if (!table.m_aRanges[i].IsAny())
            ranges.push_back(FormatString(LoadString(idOpponentHolding).c_str(), i + 1,
                                          table.m_aRanges[i].Text().c_str()));
    const std::string seats = DescribeSeats(table);
    if (ranges.empty())
        return seats;
    return FormatString(LoadString(idTableWithSeen).c_str(), seats.c_str(), JoinedList(ranges).c_str());
}

TEquityRows EquityRows(const THoldEquity& equity, std::uint64_t trials)
{
    const bool exact = equity.m_bExact;
    return {MakeRow(idShowdownWin, equity.m_dWin, FigureHalfWidth(equity.m_dWin, equity.m_dWinError, trials), exact),
            MakeRow(idShowdownTie, equity.m_dTie, FigureHalfWidth(equity.m_dTie, equity.m_dTieError, trials), exact),
            MakeRow(idShowdownLose, equity.m_dLose, FigureHalfWidth(equity.m_dLose, equity.m_dLoseError, trials),
                    exact),
            MakeRow(idShowdownPotShare, equity.m_dPotShare, PotShareHalfWidth(equity, trials), exact)};
}

TCallPrice PriceHoldCall(double pot, double call, const THoldEquity& hold, std::uint64_t trials)
{
    return PriceCall(pot, call, hold.m_dPotShare, EquityRows(hold, trials).back().m_dHalfWidth);
}

std::string EquityNote(const TTableResult& result)
{
    if (result.m_arrHolds.empty())
        return std::string();
    const auto exactHolds = std::count_if(result.m_arrHolds.begin(), result.m_arrHolds.end(),
                                          [](const THoldEquity& hold) { return hold.m_bExact; });
    const auto deals = static_cast<unsigned long long>(result.m_nTrials);
    std::string note;
    if (exactHolds == static_cast<long>(result.m_arrHolds.size()))
        note = LoadString(idEquityExact);
    else if (exactHolds == 0)
        note = FormatString(LoadString(idEquitySimulated).c_str(), deals);
    else
        note = FormatString(LoadString(idEquityMixed).c_str(), deals);
    return result.m_bDone ? note : FormatString(LoadString(idEquityRunning).c_str(), note.c_str());
}
