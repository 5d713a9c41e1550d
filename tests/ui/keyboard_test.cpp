// A game played from the keyboard alone: cards typed and pasted, places
// marked by number, Enter for OK and Discard, and steps undone and redone
// through the Game menu's shortcuts. No mouse event is sent.
#include "WindowDriver.h"

#include "ResultsScene.h"

#include <QClipboard>
#include <QMessageBox>
#include <QTreeWidget>

#include <tuple>

namespace {

// What the window shows and the document holds after a step: the stage,
// the picks, the document's tables and the lists' cells.
using TShown = std::tuple<EStage, std::vector<int>, std::vector<double>, QStringList>;

TShown Shown(CWindowDriver& game)
{
    std::vector<double> figures;
    const TConfirmedHand& result = game.Doc().GetResult();
    for (const auto* rows : {&result.m_arrOneOpponent, &result.m_arrAtLeastOne})
        for (const auto& row : *rows)
            figures.insert(figures.end(), {row.m_dProbability, row.m_dOdds});
    QStringList cells;
    const CResultsScene& results = game.View().ResultsScene();
    for (const QTreeWidget* list : {results.OneOpponentList(), results.AtLeastOneList()}) {
        for (int row = 0; list->isVisible() && row < list->topLevelItemCount(); ++row)
            for (int column = 0; column < list->columnCount(); ++column)
                cells << list->topLevelItem(row)->text(column);
    }
    return {game.Doc().GetStage(), game.Doc().GetPicked(), figures, cells};
}

void Type(CWindowDriver& game, const char* keys)
{
    for (const char* key = keys; *key; ++key) {
        if (*key == '\b')
            QTest::keyClick(game.Frame().windowHandle(), Qt::Key_Backspace);
        else
            QTest::keyClick(game.Frame().windowHandle(), *key);
    }
    game.Settle();
}

void Press(CWindowDriver& game, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(game.Frame().windowHandle(), key, modifiers);
    game.Settle();
}

// The steps of one game, each followed by what it shows; the picks made
// before a step are part of what undoing it brings back.
std::vector<TShown> PlayFromTheKeyboard(CWindowDriver& game)
{
    Type(game, "2c4s7d9cqH");
    std::vector<TShown> shown = {Shown(game)};
    const std::vector<std::function<void()>> steps = {
        [&] { Press(game, Qt::Key_Return); },
        [&] { Type(game, "1"); },
        [&] { Type(game, "5"); },
        [&] { Press(game, Qt::Key_Enter); Type(game, "Ac10h"); },
        [&] { Press(game, Qt::Key_Return); },
    };
    for (const auto& step : steps) {
        step();
        shown.push_back(Shown(game));
    }
    return shown;
}

TEST(Keyboard, WholeGameWithoutTheMouse)
{
    CWindowDriver game;
    const std::vector<TShown> shown = PlayFromTheKeyboard(game);
    const std::vector<EStage> stages = {EStage::PickInitialHand, EStage::InitialHand, EStage::CardsMarked,
                                        EStage::CardsMarked, EStage::PickReplacements, EStage::FinalHand};
    ASSERT_EQ(shown.size(), stages.size());
    for (size_t i = 0; i < stages.size(); ++i)
        EXPECT_EQ(std::get<EStage>(shown[i]), stages[i]) << i;
    EXPECT_EQ(std::get<1>(shown[4]), CardsOf("Ac 10h"));
    // Places 1 and 5 (2c and 4s) took the replacements; both tables show.
    EXPECT_EQ(game.Doc().GetHandCard(0), ParseCard("Ac"));
    EXPECT_EQ(game.Doc().GetHandCard(4), ParseCard("Th"));
    EXPECT_EQ(std::get<QStringList>(shown.back()).size(), 3 * static_cast<int>(std::get<2>(shown.back()).size() / 2));
    game.ExpectControlsReachable();
}

TEST(Keyboard, UndoAndRedoShowEveryStageAsFirstShown)
{
    CWindowDriver game;
    const std::vector<TShown> shown = PlayFromTheKeyboard(game);
    for (size_t i = shown.size() - 1; i-- > 0;) {
        Press(game, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_TRUE(Shown(game) == shown[i]) << "undone to " << i;
    }
    EXPECT_FALSE(game.Frame().m_undoAction->isEnabled());
    for (size_t i = 1; i < shown.size(); ++i) {
        Press(game, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_TRUE(Shown(game) == shown[i]) << "redone to " << i;
    }
    EXPECT_FALSE(game.Frame().m_redoAction->isEnabled());
    Press(game, Qt::Key_N, Qt::ControlModifier);
    EXPECT_FALSE(game.Frame().m_undoAction->isEnabled());
}

// Refused keys change nothing; Backspace takes back keys, then cards.
TEST(Keyboard, TypingRefusesWhatIsNotAnOfferedCard)
{
    const std::pair<const char*, const char*> cases[] = {
        {"2c4s\b", "2c"},      {"2cx", "2c"},           {"Kx9h", "9h"},
        {"2c4s2c", "4s"},      {"10\b\bJd", "Jd"},      {"2c4s7d9cQhAh", "2c 4s 7d 9c Qh"},
        {"2c4s7d9cQh\b\b", "2c 4s 7d"},
    };
    for (const auto& [keys, picked] : cases) {
        CWindowDriver game;
        Type(game, keys);
        EXPECT_EQ(game.Doc().GetPicked(), CardsOf(picked)) << keys;
        game.ExpectControlsReachable();
    }
}

TEST(Keyboard, PromptShowsUnderThePickerWhileTyping)
{
    CWindowDriver game;
    auto page = [&] {
        QImage image(CPokerView::kPageWidth, CPokerView::kPageHeight, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        game.View().DrawPage(painter);
        painter.end();
        return image;
    };
    const QImage before = page();
    Type(game, "1");
    EXPECT_NE(page(), before);
    Press(game, Qt::Key_Escape);
    EXPECT_EQ(page(), before);
}

TEST(Keyboard, PasteTakesAWholeHandOrNamesTheBadCard)
{
    struct TCase {
        const char* m_pClipboard;
        const char* m_pPicked;  // afterwards
        const char* m_pNamed;   // in the warning; none when taken
    };
    const TCase cases[] = {
        {"2c 4s 7d 9c Qh", "2c 4s 7d 9c Qh", nullptr},
        {"10h,Jh,Qh,Kh,ah", "Th Jh Qh Kh Ah", nullptr},
        {"2c 4s 7d 9c Zz", "3d", "Zz"},
        {"2c 4s 7d 9c 4S", "3d", "4s"},
        {"2c 4s 7d", "3d", "3"},
    };
    for (const TCase& c : cases) {
        CWindowDriver game;
        Type(game, "3d");
        QApplication::clipboard()->setText(QString::fromLatin1(c.m_pClipboard));
        QString warning;
        if (c.m_pNamed) {
            WhenModalShown([&](QWidget* box) {
                warning = static_cast<QMessageBox*>(box)->text();
                box->close();
            });
        }
        Press(game, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(game.Doc().GetPicked(), CardsOf(c.m_pPicked)) << c.m_pClipboard;
        if (c.m_pNamed) {
            EXPECT_TRUE(warning.contains(QLatin1String(c.m_pNamed))) << warning.toStdString();
        }
    }
}

}  // namespace
