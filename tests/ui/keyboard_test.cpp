// A game played from the keyboard alone: cards typed and pasted, places
// marked by number, seen draws stepped with Ctrl and the seat's number, Enter for OK and Discard, and steps undone and redone
// through the Game menu's shortcuts. No mouse event is sent. Typing and
// pasting rules themselves are checked on the game; here the keys and the
// warning must reach it.
#include "WindowDriver.h"

#include <QClipboard>
#include <QMessageBox>

namespace {

// The whole game, then every step undone and redone: each brings back what
// was first shown, picks made before a step included.
TEST(Keyboard, WholeGameThenUndoAndRedoEveryStep)
{
    CWindowDriver game;
    game.Type("2c4s7d9cqH");
    std::vector<TShown> shown = {Shown(game)};
    const std::vector<std::function<void()>> steps = {
        [&] { game.Press(Qt::Key_Return); },
        [&] { game.Type("1"); },
        [&] { game.Type("4"); },
        [&] { game.Type("5"); },
        [&] { game.Type("4"); },
        [&] { game.Press(Qt::Key_Enter); game.Type("Ac10h"); },
        [&] { game.Press(Qt::Key_Return); },
        [&] { game.Press(Qt::Key_3, Qt::ControlModifier); },
        [&] { game.Press(Qt::Key_3, Qt::ControlModifier); },
    };
    for (const auto& step : steps) {
        step();
        shown.push_back(Shown(game));
    }
    ASSERT_EQ(game.Doc().GetStage(), EStage::FinalHand);
    EXPECT_EQ(game.Doc().GetSeenDraw(2), 1) << "Ctrl+3 steps the third seat from unseen to 0, then 1";
    // The hand shows Q♥ 9♣ 7♦ 4♠ 2♣: 1 and 5 marked the queen and the two,
    // which the replacements took; the final hand shows highest first.
    EXPECT_EQ(std::vector<int>(std::get<3>(shown[5]).begin(), std::get<3>(shown[5]).begin() + 10),
              (std::vector<int>{ParseCard("Qh"), 1, ParseCard("9c"), 0, ParseCard("7d"), 0, ParseCard("4s"), 0,
                                ParseCard("2c"), 1}));
    std::vector<int> finalHand;
    for (int place = 0; place < CPokerDoc::kPlaces; ++place)
        finalHand.push_back(game.Doc().GetHandCard(place));
    EXPECT_EQ(finalHand, Cards("Ac Th 9c 7d 4s"));

    for (size_t i = shown.size() - 1; i-- > 0;) {
        game.Press(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_TRUE(Shown(game) == shown[i]) << "undone to " << i;
    }
    EXPECT_FALSE(game.Frame().m_undoAction->isEnabled());
    for (size_t i = 1; i < shown.size(); ++i) {
        game.Press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_TRUE(Shown(game) == shown[i]) << "redone to " << i;
    }
    EXPECT_FALSE(game.Frame().m_redoAction->isEnabled());
    // New clears the hand, and is one more step back.
    game.Press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(game.Doc().GetStage(), EStage::PickInitialHand);
    game.Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(Shown(game) == shown.back());
}

// Backspace takes back keys, then cards; Escape drops the prompt.
TEST(Keyboard, BackspaceAndEscapeTakeBackTyping)
{
    for (const auto& [keys, picked] : {std::pair{"10\b\bJd", "Jd"}, std::pair{"2c4s7d9cQh\b\b", "2c 4s 7d"}}) {
        CWindowDriver game;
        game.Type(keys);
        EXPECT_EQ(game.Doc().GetPicked(), Cards(picked)) << keys;
    }
    CWindowDriver game;
    auto page = [&] {
        QImage image(CPokerView::kPageWidth, CPokerView::kPageHeight, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        game.View().DrawPage(painter);
        return image;
    };
    const QImage before = page();
    game.Type("1");
    EXPECT_NE(page(), before) << "the prompt shows under the picker";
    game.Press(Qt::Key_Escape);
    EXPECT_EQ(page(), before);
}

TEST(Keyboard, PasteTakesAWholeHandOrWarnsNamingTheBadCard)
{
    for (const auto& [clipboard, picked, named] :
         {std::tuple{"10h,Jh,Qh,Kh,ah", "Th Jh Qh Kh Ah", ""}, std::tuple{"2c 4s 7d 9c Zz", "3d", "Zz"}}) {
        CWindowDriver game;
        game.Type("3d");
        QApplication::clipboard()->setText(QString::fromLatin1(clipboard));
        QString warning;
        if (*named)
            WhenModalShown([&warning](QWidget* box) {
                warning = static_cast<QMessageBox*>(box)->text();
                box->close();
            });
        game.Press(Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(game.Doc().GetPicked(), Cards(picked)) << clipboard;
        EXPECT_TRUE(warning.contains(QLatin1String(named))) << warning.toStdString();
    }
}

}  // namespace
