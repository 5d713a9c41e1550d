#include "DiscardAdvice.h"

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

#include "AdviceHolds.h"
#include "CardDistributionManager.h"
#include "Cards.h"
#include "StoredText.h"
#include "StringIds.h"

namespace {

using TFigures = std::vector<TAdviceFigure>;

TFigures operator+(TFigures a, const TFigures& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The formations a paragraph lists, each exactly, then the chance of
// succeeding: the first of them or better.
TFigures PlayingFor(unsigned hold, std::initializer_list<int> listed)
{
    TFigures figures;
    for (int category : listed)
        figures.push_back(Exactly(hold, category));
    figures.push_back(OrBetter(hold, *listed.begin()));
    return figures;
}

TFigures Succeeding(unsigned hold, int category) { return {OrBetter(hold, category)}; }

// One card (or two) kept for a pair: the pair-family list, then two pair or better.
TFigures DrawToPairs(unsigned hold)
{
    return PlayingFor(hold, {hcOnePair, hcTwoPair, hcThreeOfAKind, hcFullHouse, hcFourOfAKind}) +
           Succeeding(hold, hcTwoPair);
}

TFigures DrawFromPair(unsigned hold)
{
    return PlayingFor(hold, {hcTwoPair, hcThreeOfAKind, hcFullHouse, hcFourOfAKind});
}

// The words and figures of one stored paragraph, in the order of its
// placeholders. Each figure fills a percentage and then its odds.
class CParagraph {
public:
    CParagraph(const std::vector<TDrawOutcome>& outcomes, unsigned* firstHold)
        : m_outcomes(outcomes), m_pFirstHold(firstHold)
    {
    }

    CParagraph& Words(const std::string& text)
    {
        m_args.push_back({true, text, 0});
        m_strConversions += 's';
        return *this;
    }

    CParagraph& Figures(const TFigures& figures)
    {
        for (const TAdviceFigure& figure : figures) {
            // The paragraph's first figure is of the hold it advises first.
            if (m_pFirstHold != nullptr && *m_pFirstHold == 0)
                *m_pFirstHold = figure.m_nHold;
            double p = 0;
            if (!FigureProbability(m_outcomes, figure, p))
                m_bFailed = true;
            m_args.push_back({false, std::string(), 100 * p});
            m_args.push_back({false, std::string(), CCardDistributionManager::GetOdds(p)});
            m_strConversions += "ff";
        }
        return *this;
    }

    // Empty when a figure could not be had or the stored text wants other
    // arguments.
    std::string Format(unsigned id) const
    {
        const std::string format = StoredText(id);
        if (m_bFailed || !HasConversions(format, m_strConversions.c_str()))
            return std::string();
        std::string text;
        std::size_t next = 0;
        for (std::size_t i = 0; i < format.size(); ++i) {
            if (format[i] != '%') {
                text += format[i];
                continue;
            }
            ++i;
            if (format[i] == '%') {
                text += '%';
                continue;
            }
            const TArg& arg = m_args[next++];
            if (format[i] == 's') {
                text += arg.m_strText;
                continue;
            }
            // "%.Nf" or "%f", as the check above allows.
            int precision = 6;
            if (format[i] == '.') {
                precision = 0;
                while (format[++i] != 'f')
                    precision = 10 * precision + (format[i] - '0');
            }
            char number[64];
            std::snprintf(number, sizeof number, "%.*f", precision > 20 ? 20 : precision, arg.m_dValue);
            text += number;
        }
        return text;
    }

private:
    struct TArg {
        bool m_bText;
        std::string m_strText;
        double m_dValue;
    };
    const std::vector<TDrawOutcome>& m_outcomes;
    unsigned* m_pFirstHold;
    std::vector<TArg> m_args;
    std::string m_strConversions;
    bool m_bFailed = false;
};

class CAdviceWriter {
public:
    CAdviceWriter(CCardDistributionManager& manager, const std::vector<TDrawOutcome>& outcomes)
        : m_manager(manager), m_outcomes(outcomes), m_holds(manager)
    {
    }

    std::string Build()
    {
        switch (m_manager.m_nFormation) {
        case fmHighCard: return Text(idKeepHighCard, DrawToPairs(m_holds.HighCard()));
        case fmTwoHighCards:
            return Text(idKeepHighCards, DrawToPairs(m_holds.TwoHighCards()) + DrawToPairs(m_holds.HighCard()));
        case fmThreeSuited: return Text(idKeepThreeSuited, Flush(3));
        case fmFourSuited: return Text(idKeepFourSuited, Flush(4));
        case fmThreeStraight: return ThreeStraightAdvice();
        case fmFourStraight:
        case fmOpenEndedStraight: return FourStraightAdvice();
        case fmOnePair: return OnePairAdvice();
        case fmTwoPairs: return TwoPairsAdvice();
        case fmThreeOfAKind: return ThreeOfAKindAdvice();
        case fmStraight:
        case fmFlush:
        case fmFullHouse:
        case fmStraightFlush:
        case fmRoyalFlush:
            m_nFirstHold = kAllCards;
            return StoredText(idNoDiscard);
        case fmFourOfAKind:
            m_nFirstHold = kAllCards;
            return StoredText(idKeepFourOfAKind);
        default: return std::string();
        }
    }

    // The hold the advice names first (a keep mask over the ascending
    // cards), once Build has run.
    unsigned FirstHold() const { return m_nFirstHold; }

private:
    static constexpr unsigned kAllCards = 31;

    CParagraph Paragraph() const { return CParagraph(m_outcomes, &m_nFirstHold); }
    std::string Text(unsigned id, const TFigures& figures) const { return Paragraph().Figures(figures).Format(id); }

    TFigures Flush(int suited) const { return Succeeding(m_holds.SuitedCards(suited), hcFlush); }
    TFigures ThreeStraight() const { return Succeeding(m_holds.ThreeStraightCards(), hcStraight); }
    TFigures FourStraight() const { return Succeeding(m_holds.FourStraightCards(), hcStraight); }
    TFigures KeepPair() const { return DrawFromPair(m_holds.Pair()); }
    TFigures KeepPairs() const { return Succeeding(m_holds.Pairs(), hcFullHouse); }
    TFigures KeepTriple() const { return PlayingFor(m_holds.Triple(), {hcFullHouse, hcFourOfAKind}); }

    // Four straight cards that are also four cards of one suit: the straight,
    // the flush and the straight flush they may become, in one paragraph.
    std::string StraightFlushDrawAdvice() const
    {
        const unsigned hold = m_holds.SuitedCards(4);
        return Text(idKeepStraightFlushCards, {Exactly(hold, hcStraight), Exactly(hold, hcFlush),
                                               OrBetter(hold, hcStraight), OrBetter(hold, hcStraightFlush)});
    }

    // The text names the highest window when there are several.
    std::string WhenSeveralWindows(const std::vector<unsigned>& starts, unsigned wordId) const
    {
        return starts.size() == 1 ? std::string() : StoredText(wordId);
    }

    std::string ThreeStraightAdvice() const
    {
        const int drawCode = m_manager.m_nDrawCode;
        if (drawCode != dcNone && drawCode != dcThreeSuited && drawCode != dcFourSuited)
            return std::string();
        const std::string prefix = WhenSeveralWindows(m_manager.m_arrThreeStraightStarts, idFromTheHighestStraight);
        const std::string straight = Paragraph().Words(prefix).Figures(ThreeStraight()).Format(idKeepThreeStraight);
        if (drawCode == dcNone || straight.empty())
            return straight;
        const std::string flush = drawCode == dcThreeSuited ? Text(idThreeSuitedChoice, Flush(3))
                                                            : Text(idFourSuitedChoice, Flush(4));
        if (flush.empty())
            return std::string();
        return FormatStoredText(idTwoChoicesAfterThreeStraight, straight.c_str(), flush.c_str());
    }

    std::string FourStraightAdvice()
    {
        const int drawCode = m_manager.m_nDrawCode;
        if (drawCode != dcNone && drawCode != dcThreeSuited && drawCode != dcFourSuited)
            return std::string();
        const bool openEnded = m_manager.m_nFormation == fmOpenEndedStraight;
        const std::string name = StoredText(openEnded ? idOpenEndedStraight : idFourStraightCards);
        // An open-ended straight is named by its own window, whatever else the hand holds.
        const std::string prefix =
            openEnded ? std::string() : WhenSeveralWindows(m_manager.m_arrFourStraightStarts, idFromTheHighestStraight);
        const std::string straight =
            Paragraph().Words(name).Words(prefix).Figures(FourStraight()).Format(idKeepFourStraight);
        switch (drawCode) {
        case dcNone: return straight;
        case dcThreeSuited: {
            const std::string flush = Text(idThreeSuitedAfterFourStraight, Flush(3));
            if (straight.empty() || flush.empty())
                return std::string();
            return FormatStoredText(idTwoChoicesAfterFourStraight, straight.c_str(), flush.c_str());
        }
        default:
            if (m_manager.CountStraightFlushDraws() != 0)
                return StraightFlushDrawAdvice();
            return Paragraph().Words(name).Words(prefix).Figures(FourStraight() + Flush(4)).Format(
                idFourStraightOrFourSuited);
        }
    }

    std::string OnePairAdvice()
    {
        const unsigned highCard = m_holds.HighCard();
        switch (m_manager.m_nDrawCode) {
        case dcNone: return Text(idKeepPair, KeepPair());
        case dcHighCard:
            return Text(idPairOrHighCard,
                        KeepPair() + DrawToPairs(highCard) + DrawFromPair(m_holds.Pair() | highCard));
        case dcTwoHighCards:
        case dcHighCards:
            return Text(idPairOrHighCards,
                        KeepPair() + DrawToPairs(highCard) + DrawFromPair(m_holds.Pair() | highCard));
        case dcThreeSuited: return Text(idPairOrThreeSuited, KeepPair() + Flush(3));
        case dcFourSuited: return Text(idPairOrFourSuited, KeepPair() + Flush(4));
        case dcThreeStraight: {
            const std::string word = WhenSeveralWindows(m_manager.m_arrThreeStraightStarts, idHighest);
            return Paragraph().Figures(KeepPair()).Words(word).Figures(ThreeStraight()).Format(idPairOrThreeStraight);
        }
        case dcFourStraight:
        case dcOpenEndedStraight: {
            const std::string first = Text(idPairFirstChoice, KeepPair());
            const std::string second = m_manager.CountStraightFlushDraws() == 0
                                           ? Text(idThenFourStraight, FourStraight())
                                           : "2) " + StraightFlushDrawAdvice();
            // "2) " alone would be a paragraph without its text.
            return first.empty() || second.size() <= 3 ? std::string() : first + second;
        }
        default: return std::string();
        }
    }

    std::string TwoPairsAdvice() const
    {
        // Keeping one card or one pair and a card: two pair or better, and
        // from that three of a kind or better.
        const auto drawFromCard = [](unsigned hold) {
            return DrawFromPair(hold) + Succeeding(hold, hcThreeOfAKind);
        };
        switch (m_manager.m_nDrawCode) {
        case dcNone: return Text(idPairsOrLowCard, KeepPairs());
        case dcHighCard:
            return Text(idPairsOrHighCard, KeepPairs() + drawFromCard(m_holds.HighCard()) +
                                               drawFromCard(m_holds.HigherPairAndHighCard()));
        case dcThreeSuited: return Text(idPairsOrThreeSuited, KeepPairs() + Flush(3));
        case dcThreeStraight: return Text(idPairsOrStraight, KeepPairs() + ThreeStraight());
        default: return std::string();
        }
    }

    std::string ThreeOfAKindAdvice() const
    {
        switch (m_manager.m_nDrawCode) {
        case dcNone: return Text(idKeepTriple, KeepTriple());
        case dcThreeSuited: return Text(idTripleOrThreeSuited, KeepTriple() + Flush(3));
        case dcThreeStraight: return Text(idTripleOrStraight, KeepTriple() + ThreeStraight());
        default: return std::string();
        }
    }

    CCardDistributionManager& m_manager;
    const std::vector<TDrawOutcome>& m_outcomes;
    CAdviceHolds m_holds;
    mutable unsigned m_nFirstHold = 0;
};

// Hands without a made formation, and the pairs and triples, are advised
// with figures; the made hands are not.
bool NeedsFigures(int formation) { return formation >= fmHighCard && formation <= fmThreeOfAKind; }

} // namespace

namespace {

std::string AdviceFrom(CCardDistributionManager& manager, const std::vector<TDrawOutcome>& outcomes,
                       std::vector<int>* firstKept)
{
    // The outcomes must be those of this hand in this order.
    const CAdviceHolds holds(manager);
    const bool matches = holds.HasHand() && outcomes.size() == kHoldCount &&
                         std::equal(holds.Cards(), holds.Cards() + kHandSize, outcomes[kHoldCount - 1].m_anKept);
    static const std::vector<TDrawOutcome> kNone;
    CAdviceWriter writer(manager, matches ? outcomes : kNone);
    std::string advice = writer.Build();
    if (firstKept != nullptr) {
        firstKept->clear();
        if (!advice.empty() && holds.HasHand())
            for (int i = 0; i < kHandSize; ++i)
                if (writer.FirstHold() >> i & 1u)
                    firstKept->push_back(holds.Cards()[i]);
    }
    return advice;
}

std::string AdviceFor(CCardDistributionManager& manager, std::vector<int>* firstKept)
{
    std::vector<TDrawOutcome> outcomes;
    const CAdviceHolds holds(manager);
    if (NeedsFigures(manager.m_nFormation) && holds.HasHand()) {
        bool known[kCardCount];
        for (int card = 0; card < kCardCount; ++card)
            known[card] = manager.m_anCardCounts[CardSuit(card)][CardRank(card)] != 0;
        outcomes = AnalyzeDraws(holds.Cards(), known);
    }
    return AdviceFrom(manager, outcomes, firstKept);
}

} // namespace

std::string BuildAdvice(CCardDistributionManager& manager, const std::vector<TDrawOutcome>& outcomes)
{
    return AdviceFrom(manager, outcomes, nullptr);
}

std::string BuildAdvice(CCardDistributionManager& manager) { return AdviceFor(manager, nullptr); }

std::string BuildAdvice(CCardDistributionManager& manager, std::vector<int>& firstKept)
{
    return AdviceFor(manager, &firstKept);
}
