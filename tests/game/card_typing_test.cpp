// Cards typed key by key and hands pasted into the picker, at the start of a
// game and when the replacements for 2c and 4s are asked for.
#include "BruteForce.h"
#include "CardText.h"
#include "CardTyping.h"
#include "PokerDoc.h"
#include "StoredText.h"
#include "StringIds.h"

#include <gtest/gtest.h>

namespace {

void PlayToReplacements(CPokerDoc& doc)
{
    ASSERT_TRUE(doc.SetPicked(Cards("2c 4s 7d 9c Qh")));
    ASSERT_TRUE(doc.ConfirmCards());
    ASSERT_TRUE(doc.MarkPlaces(0b10001));  // the hand shows 2c 9c 7d Qh 4s
    ASSERT_TRUE(doc.Discard());
}

struct TCase {
    bool m_bReplacements;
    const char* m_pInput;
    const char* m_pPicked;  // afterwards, in pick order
    std::string m_strHint;  // the last hint given; empty when none
    const char* m_pPending = "";
};

TEST(CardTyping, TypedKeysPickUnpickOrRefuseCards)
{
    const TCase cases[] = {
        {false, "2c4s7d9cQh", "2c 4s 7d 9c Qh", ""},
        {false, "10hjhQHkhAh", "Th Jh Qh Kh Ah", ""},
        {false, "2c 4s,7d", "2c 4s 7d", ""},
        {false, "2c4s2c", "4s", ""},
        {false, "Qh1", "Qh", "", "1"},
        {false, "10", "", "", "10"},
        {false, "Kx", "", FormatStoredText(idNotACard, "Kx")},
        {false, "1c2d", "2d", FormatStoredText(idNotACard, "1c")},
        {false, "2c4s7d9cQhAh", "2c 4s 7d 9c Qh", StoredText(idPickIsFull)},
        {true, "Ac2c", "Ac", FormatStoredText(idAlreadyKnown, "2c")},
        {true, "9c", "", FormatStoredText(idAlreadyKnown, "9c")},
        {true, "AcKcQc", "Ac Kc", StoredText(idPickIsFull)},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.m_pInput);
        CPokerDoc doc;
        if (c.m_bReplacements)
            PlayToReplacements(doc);
        CCardTyping typing;
        std::string hint;
        for (const char* key = c.m_pInput; *key; ++key) {
            const std::string given = typing.Type(doc, *key);
            if (!given.empty())
                hint = given;
        }
        EXPECT_EQ(doc.GetPicked(), Cards(c.m_pPicked));
        EXPECT_EQ(hint, c.m_strHint);
        EXPECT_EQ(typing.GetPending(), c.m_pPending);
    }
}

TEST(CardTyping, PasteReplacesTheSelectionOrNamesWhatIsWrong)
{
    const std::string longWord(500, 'x');
    const TCase cases[] = {
        {false, "2c 4s 7d 9c Qh", "2c 4s 7d 9c Qh", ""},
        {false, " 2c,4s,7d,9c,qh\n", "2c 4s 7d 9c Qh", ""},
        {false, "10h Jh Qh Kh Ah", "Th Jh Qh Kh Ah", ""},
        {false, "2c 4s 7d 9c Qx", "3d", FormatStoredText(idNotACard, "Qx")},
        {false, "2c 4s 7d 9c 2c", "3d", FormatStoredText(idGivenTwice, "2c")},
        {false, "2c 4s 7d 9c", "3d", FormatStoredText(idWrongCardCount, "4", "5")},
        {false, "", "3d", FormatStoredText(idWrongCardCount, "0", "5")},
        {false, longWord.c_str(), "3d", FormatStoredText(idNotACard, "xxxxxxxxxxxx...")},
        {true, "Ac Kc", "Ac Kc", ""},
        {true, "Ac 4s", "3d", FormatStoredText(idAlreadyKnown, "4s")},
        {true, "Ac Kc Qc", "3d", FormatStoredText(idWrongCardCount, "3", "2")},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.m_pInput);
        CPokerDoc doc;
        if (c.m_bReplacements)
            PlayToReplacements(doc);
        doc.TogglePick(ParseCard("3d"));  // a refused paste keeps it
        EXPECT_EQ(PastePicks(doc, c.m_pInput), c.m_strHint);
        EXPECT_EQ(doc.GetPicked(), Cards(c.m_pPicked));
    }
}

}  // namespace
