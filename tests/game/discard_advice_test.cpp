#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <regex>

#include "AdviceHolds.h"
#include "ManagerTestSupport.h"
#include "DiscardAdvice.h"
#include "StringTable.h"

namespace {

// Every figure of an advice shown as "#".
std::string Shape(const std::string& text) { return std::regex_replace(text, std::regex("-?[0-9]+\\.[0-9]+"), "#"); }

// A stored paragraph with `words` in its "%s" places and "#" for its figures.
std::string Fill(unsigned id, const std::vector<std::string>& words = {})
{
    const std::string format = LoadString(id);
    std::string out;
    size_t word = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') { out += format[i]; continue; }
        const char next = format[++i];
        if (next == '%') out += '%';
        else if (next == 's') out += words.at(word++);
        else { out += '#'; i = format.find('f', i); }
    }
    return out;
}

struct TAdvisedHand {
    const char* m_pCards;
    int m_nFormation, m_nDrawCode;
    std::string m_strShape;
};

const std::string kHighest = LoadString(174);
const std::string kFour = LoadString(140), kOpen = LoadString(181);

// One hand of every paragraph, and the hands with two four-card windows.
const TAdvisedHand kHands[] = {
    {"2d 4c 7s 9s Qc", 1, 0, Fill(151)},
    {"3s 4c 8d Tc Kd", 2, 0, Fill(152)},
    {"4c 7c 9d Kh Ac", 3, 0, Fill(153)},
    {"2s 4h 8h Jh Kh", 4, 0, Fill(154)},
    {"2c 6s 7d 8c Kh", 5, 0, Fill(155, {""})},
    {"5c 7c 9h Jd Qh", 5, 0, Fill(155, {kHighest})},
    {"2c 7c 9c Jd Kh", 5, 4, Fill(175, {Fill(155, {kHighest}), Fill(192)})},
    {"2c 6c 7c 8c Kh", 5, 5, Fill(175, {Fill(155, {""}), Fill(191)})},
    {"3c Js Qd Kc Ah", 6, 0, Fill(156, {kFour, ""})},
    {"2h 3d 5c 6c Ah", 6, 0, Fill(156, {kFour, kHighest})},
    {"2c 5s 6d 7c 8h", 7, 0, Fill(156, {kOpen, ""})},
    {"5c 6d 7h 8s Tc", 7, 0, Fill(156, {kOpen, ""})},
    {"9c Td Jh Qs Ac", 7, 0, Fill(156, {kOpen, ""})},
    {"4h 5h 6h 8c Jd", 6, 4, Fill(182, {Fill(156, {kFour, ""}), Fill(183)})},
    {"6s 7h 8s 9c Ks", 7, 4, Fill(182, {Fill(156, {kOpen, ""}), Fill(183)})},
    {"4h 6h 7h 8c Qh", 6, 5, Fill(186, {kFour, ""})},
    {"2c 9c Tc Jc Qh", 7, 5, Fill(186, {kOpen, ""})},
    {"6d Tc Jc Qc Ac", 6, 5, Fill(185)},
    {"Th Jh Qh Kh 3c", 7, 5, Fill(185)},
    {"5h 6h 7h 8h Tc", 7, 5, Fill(185)},
    // The gapped window is the straight-flush draw: it stays the one named.
    {"5c 6d 7d 8d Td", 6, 5, Fill(185)},
    {"2d 8h 9s Ks Kc", 8, 0, Fill(150)},
    {"Kc Kd Ah 7s 2c", 8, 1, Fill(158)},
    {"2d 2s 4c Jh Qh", 8, 2, Fill(167)},
    {"4c 4h 5s 9s Js", 8, 4, Fill(165)},
    {"4h 4s 8h Qh Ah", 8, 5, Fill(166)},
    {"3h 6h 8h 8s 9d", 8, 6, Fill(168, {""})},
    {"2c 5d 6h 9s 9c", 8, 6, Fill(168, {LoadString(202)})},
    {"8d Ts Th Jh Qs", 8, 7, Fill(169) + Fill(187)},
    {"As Ah Jh Qh Kh", 8, 7, Fill(169) + "2) " + Fill(185)},
    {"4s 4h 5d 6c 7c", 8, 8, Fill(169) + Fill(187)},
    {"4h 5h 6h 7h 4s", 8, 8, Fill(169) + "2) " + Fill(185)},
    {"2h 2s 5h Qc Qs", 9, 0, Fill(161)},
    {"Qs Qh 5d 5c Ac", 9, 1, Fill(162)},
    {"2s 9h 9s Kd Ks", 9, 4, Fill(171)},
    {"7h 8c 8h 9s 9h", 9, 6, Fill(170)},
    {"3d Ts Kc Ks Kd", 10, 0, Fill(163)},
    {"2c 2s 2d 7d Kd", 10, 4, Fill(173)},
    {"7s 7h 7d 8c 9c", 10, 6, Fill(172)},
    {"2s 3h 4d 5c 6c", 11, 0, Fill(117)},
    {"As Ah Ad Ac Ks", 14, 0, Fill(119)},
    {"Th Jh Qh Kh Ah", 16, 0, Fill(117)},
};

using THold = std::function<unsigned(const CAdviceHolds&)>;
const THold kHighCard = &CAdviceHolds::HighCard, kPair = &CAdviceHolds::Pair,
            kThreeStraight = &CAdviceHolds::ThreeStraightCards, kFourStraight = &CAdviceHolds::FourStraightCards;

std::vector<int> Kept(const CAdviceHolds& holds, unsigned mask)
{
    std::vector<int> kept;
    for (int i = 0; i < 5; ++i)
        if (mask >> i & 1u) kept.push_back(holds.Cards()[i]);
    return kept;
}

TEST(AdviceHolds, AreTheCardsTheWordsName)
{
    const struct { const char* m_pCards; THold m_hold; const char* m_pKept; } kHolds[] = {
        {"Ah 9c 7d 5s 2h", kHighCard, "Ah"},
        {"Ac Ad Kh 7s 2c", kHighCard, "Kh"},
        {"Qs Qh 5d 5c 9c", &CAdviceHolds::HigherPairAndHighCard, "9c Qh Qs"},
        {"Qs Qh Ad Ac 9c", &CAdviceHolds::HigherPairAndHighCard, "Ac 9c Ad"},
        {"3s 4c 8d Tc Kd", &CAdviceHolds::TwoHighCards, "Tc Kd"},
        {"2c 7c 9c Jd Kh", kThreeStraight, "9c Jd Kh"},
        {"2c 5d 6h 9s 9c", kThreeStraight, "9c 5d 6h"},
        {"2h 3d 5c 6c Ah", kFourStraight, "5c 6c 3d 2h"},
        {"4h 5h 6h 7h 4s", kFourStraight, "4h 5h 6h 7h"},
    };
    for (const auto& row : kHolds) {
        const CCardDistributionManager manager = AnalyzedHand(row.m_pCards);
        std::vector<int> expected = Cards(row.m_pKept);
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(Kept(CAdviceHolds(manager), row.m_hold(CAdviceHolds(manager))), expected) << row.m_pCards;
    }
}

// The hold a paragraph's words describe.
THold HoldNamed(std::string words)
{
    for (const std::string tail : {" from the highest straight", " from the straight", " from the"})
        if (words.size() > tail.size() && words.compare(words.size() - tail.size(), tail.size(), tail) == 0)
            words.resize(words.size() - tail.size());
    const THold pairAndHighCard = [](const CAdviceHolds& h) { return h.Pair() | h.HighCard(); };
    const THold threeSuited = [](const CAdviceHolds& h) { return h.SuitedCards(3); };
    const THold fourSuited = [](const CAdviceHolds& h) { return h.SuitedCards(4); };
    const std::map<std::string, THold> kWords = {
        {"the high card", kHighCard}, {"only one high card", kHighCard}, {"one high card", kHighCard},
        {"the two high cards", &CAdviceHolds::TwoHighCards}, {"the pair", kPair},
        {"the pair and the high card", pairAndHighCard}, {"the pair and one high card", pairAndHighCard},
        {"the pairs", &CAdviceHolds::Pairs}, {"one pair and the high card", &CAdviceHolds::HigherPairAndHighCard},
        {"the triple", &CAdviceHolds::Triple}, {"the three suited cards", threeSuited},
        {"the four suited cards", fourSuited}, {"the four straight flush cards", fourSuited},
        {"the three straight cards", kThreeStraight}, {"the three cards", kThreeStraight},
        {"the straight cards", kThreeStraight}, {"the four straight cards", kFourStraight},
        {"the open-ended straight", kFourStraight}};
    const auto found = kWords.find(words);
    return found == kWords.end() ? THold() : found->second;
}

int CategoryNamed(const std::string& name)
{
    const char* kNames[] = {"", "one pair", "two pair", "three of a kind", "straight", "flush", "full house",
                            "four of a kind", "straight flush"};
    return static_cast<int>(std::find(std::begin(kNames), std::end(kNames), name) - std::begin(kNames));
}

// Checks every figure of one paragraph against the enumeration of its hold's
// draws; the event of each figure is read from the words around it.
void CheckParagraph(const std::string& paragraph, const CAdviceHolds& holds, const std::vector<int>& hand)
{
    std::smatch m;
    ASSERT_TRUE(std::regex_search(paragraph, m, std::regex("keep (.*?) ?and discard"))) << paragraph;
    const THold hold = HoldNamed(m[1]);
    ASSERT_TRUE(hold) << m[1];
    const TDrawCounts draws = CountDraws(Kept(holds, hold(holds)), hand);
    static const std::regex kFigure("(?: - ([a-z ]+) \\(probability: |succeeding is +|achieving ([a-z ]+?)"
                                    "( or better)? is )([0-9.]+)%,? \\(?(?:odds: +)?(-?[0-9.]+) : 1");
    int first = -1, figures = 0;
    if (std::regex_search(paragraph, m, std::regex("playing for ([a-z ]+)\\.")))
        first = CategoryNamed(m[1]);
    for (std::sregex_iterator it(paragraph.begin(), paragraph.end(), kFigure), end; it != end; ++it, ++figures) {
        const std::smatch& f = *it;
        int lowest = first, highest = pcStraightFlush;
        if (f[1].matched) {
            lowest = highest = CategoryNamed(f[1]);
            if (first < 0) first = lowest;
        } else if (f[2].matched) {
            lowest = CategoryNamed(f[2]);
        }
        ASSERT_LE(lowest, pcStraightFlush) << f.str();
        double count = 0;
        for (int c = lowest; c <= highest; ++c) count += draws.m_adCategory[c];
        const double p = count / draws.m_dTotal;
        EXPECT_EQ(f[4].str(), FormatString("%.3f", 100 * p)) << f.str() << " in " << paragraph;
        EXPECT_EQ(f[5].str(), FormatString("%.2f", CCardDistributionManager::GetOdds(p))) << f.str();
    }
    // Every percentage shown was one of the figures checked.
    const std::regex kPercent("[0-9]%");
    EXPECT_EQ(figures, std::distance(std::sregex_iterator(paragraph.begin(), paragraph.end(), kPercent),
                                     std::sregex_iterator()));
}

void CheckFigures(const std::vector<int>& hand)
{
    CCardDistributionManager manager;
    PlayAndAnalyze(manager, TDrawState{hand, {}, {}});
    const std::string advice = BuildAdvice(manager);
    ASSERT_FALSE(advice.empty());
    if (manager.m_nFormation >= fmStraight)
        return;  // made hands are advised without figures
    const CAdviceHolds holds(manager);
    const std::regex kBetweenParagraphs("\r\n\t?\r\n(?:[0-9]\\) )?|^[0-9]\\) ");
    for (std::sregex_token_iterator it(advice.begin(), advice.end(), kBetweenParagraphs, -1), end; it != end; ++it)
        if (it->length() > 0)
            CheckParagraph(*it, holds, hand);
}

// Each hand gets the paragraphs of its pattern, and every figure in them is
// the enumerated chance of the hold described.
TEST(DealtHandAdvice, GivesThePatternsParagraphsWithTheEnumeratedChances)
{
    for (const TAdvisedHand& hand : kHands) {
        SCOPED_TRACE(hand.m_pCards);
        CCardDistributionManager manager = AnalyzedHand(hand.m_pCards);
        EXPECT_EQ(manager.m_nFormation, hand.m_nFormation);
        EXPECT_EQ(manager.m_nDrawCode, hand.m_nDrawCode);
        EXPECT_EQ(Shape(BuildAdvice(manager)), hand.m_strShape);
        CheckFigures(Cards(hand.m_pCards));
    }
}

TEST(DealtHandAdvice, OutcomesOfAnotherHandGiveNoFigures)
{
    CCardDistributionManager manager = AnalyzedHand("Kc Kd Ah 7s 2c");
    const std::vector<int> other = Cards("Kc Kd Ah 7s 3c");
    EXPECT_EQ(BuildAdvice(manager, AnalyzeDraws(other.data(), nullptr)), "");
    EXPECT_EQ(BuildAdvice(manager, {}), "");
}

}  // namespace
