// What a screen reader finds on the page: the painted cards as named,
// checkable, pressable children of the view, and the text of the tables and
// boxes.
#include "WindowDriver.h"

#include "ScrollableStatic.h"
#include "StringIds.h"
#include "Style.h"

#include <QAccessible>

namespace {

constexpr int kFirstPlace = 52;
constexpr int kFirstSeat = kFirstPlace + CPokerDoc::kPlaces;

QAccessibleInterface* Page(CWindowDriver& game)
{
    return QAccessible::queryAccessibleInterface(game.View().viewport());
}

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

int ShownPickerCards(CWindowDriver& game)
{
    int shown = 0;
    for (int card = 0; card < 52; ++card)
        shown += Page(game)->child(card)->state().invisible ? 0 : 1;
    return shown;
}

TEST(Accessibility, EveryPickerCardIsNamedAndFoundWhereItShows)
{
    CWindowDriver game;
    QAccessibleInterface* page = Page(game);
    ASSERT_GE(page->childCount(), kFirstSeat + kMaxTableOpponents);
    for (int card = 0; card < 52; ++card) {
        QAccessibleInterface* item = page->child(card);
        EXPECT_EQ(CardNamed(item->text(QAccessible::Name)), card);
        EXPECT_EQ(page->indexOfChild(item), card);
        EXPECT_EQ(item->parent(), page);
        const QRect onScreen = item->rect();
        EXPECT_EQ(page->childAt(onScreen.center().x(), onScreen.center().y()), item) << card;
    }
    for (int place = 0; place < CPokerDoc::kPlaces; ++place)
        EXPECT_EQ(page->child(kFirstPlace + place)->text(QAccessible::Name), Text(idCardBack));
}

TEST(Accessibility, PickerOffersOnlyUnseenCardsWhilePicking)
{
    CWindowDriver game;
    EXPECT_EQ(ShownPickerCards(game), 52);
    game.PlayInitial("Ac Ad 7h 8s 2d");
    EXPECT_EQ(ShownPickerCards(game), 0);
    game.ClickPlace(3);
    game.ClickPlace(4);
    game.ClickControl(game.DiscardButton());
    EXPECT_EQ(ShownPickerCards(game), 47);
    EXPECT_TRUE(Page(game)->child(ParseCard("Ac"))->state().disabled);
    EXPECT_TRUE(Page(game)->child(ParseCard("8s"))->actionInterface()->actionNames().isEmpty());

    // The seats follow the places: three at this table, each giving his seen
    // draw as its value and pressing as a click on him does.
    QAccessibleInterface* seat = Page(game)->child(kFirstSeat + 1);
    const QString unseen = seat->text(QAccessible::Value);
    EXPECT_FALSE(seat->text(QAccessible::Name).isEmpty());
    seat->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(game.Doc().GetSeenDraw(1), 0);
    EXPECT_NE(seat->text(QAccessible::Value), unseen);
    EXPECT_TRUE(seat->text(QAccessible::Value).contains(QLatin1Char('0')));
    EXPECT_TRUE(Page(game)->child(kFirstSeat + 3)->state().invisible);
    EXPECT_FALSE(seat->state().invisible);
}

TEST(Accessibility, ClicksAndPressActionsPickAndMarkAlike)
{
    CWindowDriver game;
    QAccessibleInterface* page = Page(game);
    const int clicked = ParseCard("Qh");
    const int pressed = ParseCard("3s");
    game.Pick(clicked);
    EXPECT_TRUE(page->child(clicked)->state().checked);
    page->child(pressed)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(game.Doc().IsPicked(pressed));
    EXPECT_TRUE(page->child(pressed)->state().selected);

    game.Pick("Ac Ad 7h");
    game.ClickControl(game.Ok());
    for (int place = 0; place < CPokerDoc::kPlaces; ++place)
        EXPECT_EQ(CardNamed(page->child(kFirstPlace + place)->text(QAccessible::Name)), game.Doc().GetHandCard(place));
    game.ClickPlace(1);
    EXPECT_TRUE(page->child(kFirstPlace + 1)->state().checked);
    page->child(kFirstPlace + 2)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(game.Doc().IsMarked(2));
    EXPECT_FALSE(page->child(kFirstPlace + 0)->state().checked);
}

TEST(Accessibility, TablesAndBoxesGiveTheirText)
{
    CWindowDriver game;
    game.PlayInitial("Ac Ad 7h 8s 2d");
    for (QTreeWidget* table : {game.View().ResultsScene().OneOpponentList(), game.View().ResultsScene().AtLeastOneList()}) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(table);
        EXPECT_FALSE(iface->text(QAccessible::Name).isEmpty());
        ASSERT_NE(iface->tableInterface(), nullptr);
        EXPECT_EQ(iface->tableInterface()->cellAt(0, 0)->text(QAccessible::Name), table->topLevelItem(0)->text(0));
    }
    for (CScrollableStatic* box : {game.View().ResultsScene().SuggestionsBox(), game.View().PlayingScene().AdviceBox()}) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(box);
        EXPECT_FALSE(iface->text(QAccessible::Name).isEmpty());
        ASSERT_NE(iface->textInterface(), nullptr);
        const QString text = iface->textInterface()->text(0, iface->textInterface()->characterCount());
        EXPECT_FALSE(text.isEmpty());
        EXPECT_EQ(text, box->toPlainText());
    }
}

}  // namespace
