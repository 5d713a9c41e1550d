#include "GamePageAccessible.h"

#include "CardsScene.h"
#include "PlayingScene.h"
#include "PokerDoc.h"
#include "ResultsScene.h"
#include "ScrollableStatic.h"
#include "StringIds.h"
#include "StringTable.h"
#include "Style.h"

#include <QTreeWidget>

#include <utility>

namespace {

constexpr int kFirstSeat = CGamePageItems::kCards + CPokerDoc::kPlaces;

QString CardName(int card)
{
    if (card < 0)
        return Text(idCardBack);
    return QString::fromStdString(FormatString(LoadString(idCardName).c_str(), LoadString(idRankAce + card % 13).c_str(),
                                               LoadString(idSuitClubs + card / 13).c_str()));
}

QString HeadingName(unsigned id)
{
    QString name = Text(id);
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name;
}

}  // namespace

CGamePageItems::CGamePageItems(const CPokerDoc& document, const CCardsScene& cards, const CPlayingScene& playing,
                               std::function<void(int card)> pressCard, std::function<void(int place)> pressPlace,
                               std::function<void(int seat)> pressSeat)
    : m_document(document)
    , m_cards(cards)
    , m_playing(playing)
    , m_pressCard(std::move(pressCard))
    , m_pressPlace(std::move(pressPlace))
    , m_pressSeat(std::move(pressSeat))
{
}

int CGamePageItems::ItemCount() const
{
    return kFirstSeat + kMaxTableOpponents;
}

TPageItem CGamePageItems::Item(int item) const
{
    TPageItem shown;
    if (item >= kFirstSeat) {
        // Every seat a table can have; those not at this one are invisible.
        const int seat = item - kFirstSeat;
        const int drew = m_document.GetSeenDraw(seat);
        shown.m_strName = QString::fromStdString(FormatString(LoadString(idSeatName).c_str(), seat + 1));
        shown.m_strValue = drew == kDrawUnseen ? Text(idSeatNotSeen)
                           : drew == 1         ? Text(idSeatDrewOne)
                                               : QString::fromStdString(FormatString(LoadString(idSeatDrewMany).c_str(), drew));
        const CHandRange& range = m_document.GetTable().m_aRanges[seat];
        if (seat < m_document.GetOpponents() && !range.IsAny())
            shown.m_strValue = QString::fromStdString(FormatString(LoadString(idSeatHolding).c_str(),
                                                                   shown.m_strValue.toStdString().c_str(),
                                                                   range.Text().c_str()));
        shown.m_page = m_playing.SeatRect(seat);
        shown.m_bShown = seat < m_playing.Opponents();
        shown.m_bEnabled = shown.m_bShown && m_document.CanSetSeenDraws();
        shown.m_bCheckable = false;
        return shown;
    }
    if (item >= kCards) {
        const int place = item - kCards;
        shown.m_strName = CardName(m_document.GetHandCard(place));
        shown.m_page = m_playing.PlaceRect(place);
        shown.m_bShown = true;
        shown.m_bEnabled = m_document.CanMark();
        shown.m_bChecked = m_document.IsMarked(place);
        return shown;
    }
    const int card = item;
    shown.m_strName = CardName(card);
    shown.m_bShown = m_cards.IsActive() && m_document.IsOffered(card);
    shown.m_bEnabled = shown.m_bShown;
    shown.m_bChecked = m_document.IsPicked(card);
    shown.m_page = m_cards.CardRect(card);
    // A card with an offered one after it in its column shows only a strip.
    for (int below = card + 1; below < (card / 13 + 1) * 13; ++below) {
        if (m_document.IsOffered(below)) {
            shown.m_page.setBottom(m_cards.CardRect(below).top() - 1);
            break;
        }
    }
    return shown;
}

void CGamePageItems::Press(int item)
{
    if (item < kCards)
        m_pressCard(item);
    else if (item < kFirstSeat)
        m_pressPlace(item - kCards);
    else
        m_pressSeat(item - kFirstSeat);
}

void NamePageControls(const CPlayingScene& playing, const CResultsScene& results)
{
    results.OneOpponentList()->setAccessibleName(HeadingName(idOneOpponentHeading));
    results.AtLeastOneList()->setAccessibleName(HeadingName(idAtLeastOneHeading));
    results.SuggestionsBox()->setAccessibleName(HeadingName(idSuggestionsHeading));
    playing.AdviceBox()->setAccessibleName(Text(idHandDescriptionName));
}
