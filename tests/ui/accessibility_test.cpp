// What a screen reader finds on the page: the painted cards as named,
// checkable, pressable children of the view, and the text of the tables and
// boxes.
#include "WindowDriver.h"

#include "StringIds.h"
#include "Style.h"

#include <QAccessible>

namespace {

constexpr int kFirstPlace = CWindowDriver::kFirstPlace;
constexpr int kFirstSeat = CWindowDriver::kFirstSeat;

// The card a name speaks of, from the rank and suit words it holds as whole
// words; -1 unless exactly one of each.
int CardNamed(const QString& name)
{
    const QStringList words = name.split(QLatin1Char(' '));
    int rank = -1;
    int suit = -1;
    for (int r = 0; r < 13; ++r)
        if (words.contains(Text(idRankAce + r)))
            rank = rank < 0 ? r : 99;
    for (int s = 0; s < 4; ++s)
        if (words.contains(Text(idSuitClubs + s)))
            suit = suit < 0 ? s : 99;
    return rank < 13 && suit < 4 && rank >= 0 && suit >= 0 ? 13 * suit + rank : -1;
}

// What a screen reader finds in the 57 items, derived from the game: a
// picker card is named, shown and available while it is unseen and being
// picked from, checked while picked; a place is named by its card or as the
// card back, always shown, available while the hand may be marked (cards
// marked or not), checked while marked. Each shown item is found where it shows,
// from its top edge down. A seat is shown while someone sits there, takes a
// press once his draw can be seen, and gives the count as its value.
void ExpectPageHeard(CWindowDriver& game)
{
    const CPokerDoc& doc = game.Doc();
    const EStage stage = doc.GetStage();
    const bool picking = stage == EStage::PickInitialHand || stage == EStage::PickReplacements;
    const bool marking = stage == EStage::InitialHand || stage == EStage::CardsMarked;
    QAccessibleInterface* page = game.Page();
    ASSERT_GE(page->childCount(), kFirstSeat + kMaxTableOpponents);
    for (int seat = 0; seat < kMaxTableOpponents; ++seat) {
        SCOPED_TRACE(testing::Message() << "stage " << static_cast<int>(stage) << ", seat " << seat);
        QAccessibleInterface* child = page->child(kFirstSeat + seat);
        const bool shown = seat < doc.GetOpponents();
        EXPECT_EQ(child->state().invisible, !shown);
        EXPECT_EQ(child->state().disabled, !(shown && doc.CanSetSeenDraws()));
        EXPECT_FALSE(child->state().checkable);
        const int drew = doc.GetSeenDraw(seat);
        const QString value = child->text(QAccessible::Value);
        EXPECT_FALSE(value.isEmpty());
        if (drew != kDrawUnseen) {
            EXPECT_TRUE(value.contains(QString::number(drew))) << value.toStdString();
        }
    }
    for (int item = 0; item < kFirstPlace + CPokerDoc::kPlaces; ++item) {
        SCOPED_TRACE(testing::Message() << "stage " << static_cast<int>(stage) << ", item " << item);
        QAccessibleInterface* child = page->child(item);
        const int place = item - kFirstPlace;
        const int card = place >= 0 ? doc.GetHandCard(place) : item;
        const bool shown = place >= 0 || (picking && !doc.GetManager().IsKnown(card));
        const bool available = place >= 0 ? marking : shown;
        const QString name = child->text(QAccessible::Name);
        EXPECT_TRUE(card < 0 ? name == Text(idCardBack) : CardNamed(name) == card) << name.toStdString();
        EXPECT_EQ(child->state().invisible, !shown);
        EXPECT_EQ(child->state().disabled, !available);
        EXPECT_EQ(child->state().checked, place >= 0 ? doc.IsMarked(place) : doc.IsPicked(card));
        EXPECT_EQ(child->actionInterface()->actionNames().isEmpty(), !available);
        EXPECT_EQ(page->indexOfChild(child), item);
        EXPECT_EQ(child->parent(), page);
        const QRect onScreen = child->rect();
        for (const QPoint& p : {onScreen.center(), onScreen.topLeft() + QPoint(1, 1)}) {
            if (shown) {
                EXPECT_EQ(page->childAt(p.x(), p.y()), child);
            }
        }
    }
}

// A whole game, by clicks and by the reader's press action alike.
TEST(Accessibility, EveryItemSaysWhatItShowsAtEveryStage)
{
    CWindowDriver game;
    auto press = [&game](int item) {
        game.Page()->child(item)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        game.Settle();
    };
    ExpectPageHeard(game);
    game.Pick("Qh");
    press(ParseCard("3s"));
    EXPECT_TRUE(game.Doc().IsPicked(ParseCard("3s")));
    ExpectPageHeard(game);
    game.PlayInitial("Ac Ad 7h");
    ExpectPageHeard(game);
    game.ClickPlace(1);
    press(kFirstPlace + 2);
    EXPECT_TRUE(game.Doc().IsMarked(2));
    ExpectPageHeard(game);
    game.ClickControl(game.DiscardButton());
    ExpectPageHeard(game);
    press(kFirstSeat);
    EXPECT_EQ(game.Doc().GetSeenDraw(0), 0);
    ExpectPageHeard(game);
    game.Pick("2h");
    press(ParseCard("Kc"));
    ExpectPageHeard(game);
    game.ClickControl(game.Ok());
    ASSERT_EQ(game.Doc().GetStage(), EStage::FinalHand);
    ExpectPageHeard(game);
}

// The tables and boxes of figures have names a screen reader says; their
// rows and text it reads through Qt's own interfaces.
TEST(Accessibility, TablesAndBoxesAreNamed)
{
    CWindowDriver game;
    game.PlayInitial("Ac Ad 7h 8s 2d");
    const CResultsScene& results = game.View().ResultsScene();
    for (QWidget* widget : std::initializer_list<QWidget*>{results.OneOpponentList(), results.AtLeastOneList(),
                                                          results.SuggestionsBox(), game.View().PlayingScene().AdviceBox()})
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).isEmpty())
            << widget->objectName().toStdString();
}

}  // namespace
