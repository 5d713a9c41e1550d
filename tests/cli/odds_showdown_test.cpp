// The showdown figures that quintara-odds reports beside the tables, against
// a plain enumeration of every opponent hand.
#include "BruteForce.h"
#include "CardText.h"
#include "ConfirmedHand.h"
#include "OddsRun.h"
#include "StringIds.h"
#include "StringTable.h"
#include "TableEquity.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

double Number(const TJson& object, const char* key)
{
    const TJson* member = object.Find(key);
    EXPECT_NE(member, nullptr) << key;
    return member ? member->m_dValue : -1.0;
}

std::vector<int> Cards(const TJson* list)
{
    std::vector<int> cards;
    for (const TJson& card : list ? list->m_arrItems : std::vector<TJson>())
        cards.push_back(ParseCard(card.m_strValue.c_str()));
    return cards;
}

TEST(OddsShowdown, CountsMatchTheEnumerationAndTheOddsAddUp)
{
    const std::vector<std::vector<std::string>> cases{
        {"--opponents", "1", "2c", "4s", "7d", "9c", "Qh"},
        {"--opponents", "1", "Th", "Jh", "Qh", "Kh", "Ah"},
        {"--opponents", "3", "Kd", "Ks", "8s", "4h", "2c"},
        {"--opponents", "5", "--discard", "4s,9c", "--draw", "Kd,Ks", "2c", "4s", "7d", "9c", "Qh"},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(args.back());
        const TJson json = JsonReport(args);
        const TJson* showdown = json.Find("showdown");
        ASSERT_NE(showdown, nullptr);
        const TBruteForceCounts plain = CountOpponentHands(Cards(json.Find("known")), Cards(json.Find("hand")));
        const double n = Number(*showdown, "hands"), b = Number(*showdown, "beating"), l = Number(*showdown, "losing");
        EXPECT_EQ(n, plain.m_dTotal);
        EXPECT_EQ(b, plain.m_dRulesAbove);
        EXPECT_EQ(Number(*showdown, "tying"), plain.m_dRulesLevel);
        EXPECT_EQ(l, plain.m_dRulesBelow);
        EXPECT_EQ(Number(*showdown, "opponents"), std::stod(args[1]));
        EXPECT_NEAR(Number(*showdown, "win") + Number(*showdown, "tie") + Number(*showdown, "lose"), 1.0, 1e-12);
        if (args[1] == "1") {
            EXPECT_NEAR(Number(*showdown, "win"), l / n, 1e-15);
            EXPECT_NEAR(Number(*showdown, "lose"), b / n, 1e-15);
        }

        // The text names the same counts under a heading that says everyone
        // stands pat, right above the outcome column.
        const std::string text = Report(args);
        TTable table;
        table.m_nOpponents = std::stoi(args[1]);
        table.m_eModel = ETableModel::StandPat;
        const size_t column = text.find("\n" + LoadString(idShowdownOutcomeColumn) + " ");
        ASSERT_NE(column, std::string::npos) << text;
        const size_t heading = text.rfind('\n', column - 1);
        EXPECT_NE(text.substr(heading, column - heading).find(DescribeTable(table)), std::string::npos) << text;
        const auto whole = [](double count) { return static_cast<std::uint64_t>(count); };
        const TShowdownCounts counts{whole(plain.m_dTotal), whole(plain.m_dRulesAbove), whole(plain.m_dRulesLevel),
                                     whole(plain.m_dRulesBelow)};
        EXPECT_NE(text.find(ShowdownHandsLine(counts)), std::string::npos) << text;
    }
}

}  // namespace
