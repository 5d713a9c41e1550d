#include "PlayingScene.h"

#include "Bitmaps.h"
#include "Colours.h"
#include "PokerDoc.h"
#include "PokerView.h"
#include "SceneText.h"
#include "ScrollableStatic.h"
#include "StringTable.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kCaptionInitial = 102;
constexpr int kCaptionFinal = 106;
constexpr int kCardGap = 2;

struct TSeat {
    unsigned bitmapId;
    int angle;  // degrees, counter-clockwise from the player's seat at the bottom
};

// Which fanned hand sits where, for 1 to 5 opponents; each picture is drawn
// already turned towards the deck.
constexpr TSeat kSeats[5][5] = {
    {{130, 180}},
    {{132, 120}, {133, 240}},
    {{135, 90}, {130, 180}, {137, 270}},
    {{196, 72}, {141, 144}, {138, 216}, {139, 288}},
    {{197, 60}, {132, 120}, {130, 180}, {133, 240}, {198, 300}},
};

CCardDistributionManager* ManagerOf(CPokerView* view)
{
    CPokerDoc* document = view ? view->GetDocument() : nullptr;
    return document ? &document->m_manager : nullptr;
}

bool IsCardBitmap(unsigned id)
{
    return id >= kBitmapFirstCard && id < kBitmapFirstCard + 52;
}

}  // namespace

CPlayingScene::CPlayingScene(CPokerView* view) : m_pView(view) {}

CPlayingScene::~CPlayingScene()
{
    delete m_ownedButton.data();
    delete m_ownedAdviceBox.data();
    delete m_ownedNote.data();
}

void CPlayingScene::CreateControls()
{
    QWidget* parent = m_pView->viewport();

    m_discardButton = new QPushButton(QString::fromStdString(LoadString(103)), parent);
    m_ownedButton = m_discardButton;
    m_discardButton->setObjectName(QStringLiteral("discardButton"));
    m_discardButton->setEnabled(false);
    m_discardButton->setGeometry(QRect());
    m_discardButton->hide();

    m_adviceBox = new CScrollableStatic(parent);
    m_ownedAdviceBox = m_adviceBox;
    m_adviceBox->setObjectName(QStringLiteral("adviceBox"));
    m_adviceBox->SetCentred(true);
    m_adviceBox->setFrameShape(QFrame::NoFrame);  // reads as part of the table
    QPalette boxPalette = m_adviceBox->palette();
    boxPalette.setColor(QPalette::Base, kFeltGreen);
    boxPalette.setColor(QPalette::Text, kGold);
    m_adviceBox->setPalette(boxPalette);
    m_adviceBox->setGeometry(QRect());
    m_adviceBox->hide();

    m_tableNote = new QLabel(parent);
    m_ownedNote = m_tableNote;
    m_tableNote->setObjectName(QStringLiteral("tableNote"));
    m_tableNote->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_tableNote->setWordWrap(true);
    m_tableNote->setAutoFillBackground(false);  // the felt shows through
    // Display-only text lets clicks through, as static text does: the note's
    // rectangle lies over the top of the Discard button.
    m_tableNote->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette notePalette = m_tableNote->palette();
    // Inside a scroll area's viewport a label writes with the Text role, not
    // WindowText; both are orange so the note is orange wherever it lives.
    notePalette.setColor(QPalette::WindowText, kNoteOrange);
    notePalette.setColor(QPalette::Text, kNoteOrange);
    m_tableNote->setPalette(notePalette);
    m_tableNote->setGeometry(QRect());
    m_tableNote->hide();
}

void CPlayingScene::Layout(const QRect& rect)
{
    m_rect = rect;
    const int width = rect.width();
    const int height = rect.height();
    const int bottom = rect.top() + rect.height();
    // Hand cards have the size of a back even before the first game set them.
    const QSize card = m_hand[0].m_width > 0 ? QSize(m_hand[0].m_width, m_hand[0].m_height)
                                             : CatalogueSize(kBitmapCardBack);
    const int w = card.width();
    const int h = card.height();

    const int middle = rect.left() + width / 2 - w / 2;
    for (int i = 0; i < 5; ++i) {
        m_hand[i].m_x = middle + (i - 2) * (w + kCardGap);
        m_hand[i].m_y = bottom - h;
    }
    m_radius = (std::min(width, height) - 106) / 2;
}

void CPlayingScene::PlaceOpponent(CGraphicObject& opponent, unsigned bitmapId, int angle) const
{
    opponent.SetBitmap(bitmapId);
    // Single precision where the seats were first worked out in it: the
    // positions differ by a pixel from a double-precision computation (at
    // 180 degrees the hand sits one pixel left of the centre).
    const float pi = 3.1415927410125732f;
    const float a = static_cast<float>(static_cast<double>(angle) * static_cast<double>(pi) / 180.0);
    const float s = static_cast<float>(std::sin(static_cast<double>(a)));
    const float c = static_cast<float>(std::cos(static_cast<double>(a)));
    const float r = static_cast<float>(m_radius);
    const int width = m_rect.width();
    const int height = m_rect.height();
    const double x = static_cast<double>(s) * static_cast<double>(r) + width / 2 + m_rect.left() - opponent.m_width / 2;
    const double y = static_cast<double>(c) * static_cast<double>(r) + height / 2 + m_rect.top() - opponent.m_height / 2;
    opponent.m_x = static_cast<int>(x);
    opponent.m_y = static_cast<int>(y);
}

void CPlayingScene::SetOpponents(int n)
{
    // The document gives 1 to 5; anything else is held to the nearest seating.
    n = std::clamp(n, 1, 5);
    m_discardPhase = false;
    m_finalHand = false;
    m_discardCount = 0;
    m_captionId = kCaptionInitial;
    m_opponentCount = static_cast<unsigned>(n);

    m_opponents.assign(static_cast<size_t>(n), CGraphicObject());
    for (CGraphicObject& card : m_hand) {
        card.SetBitmap(kBitmapCardBack);
        card.m_selected = false;
    }
    m_deck.SetBitmap(kBitmapDeck);

    for (int i = 0; i < n; ++i)
        PlaceOpponent(m_opponents[static_cast<size_t>(i)], kSeats[n - 1][i].bitmapId, kSeats[n - 1][i].angle);

    const int width = m_rect.width();
    const int height = m_rect.height();
    m_deck.m_x = m_rect.left() + width / 2 - m_deck.m_width / 2;
    m_deck.m_y = m_rect.top() + height / 2 - m_deck.m_height / 2;

    if (m_pView)
        m_pView->InvalidatePageRect(m_rect, true);
}

QRect CPlayingScene::HandArea() const
{
    const CGraphicObject& first = m_hand[0];
    const CGraphicObject& last = m_hand[4];
    return QRect(QPoint(first.m_x, first.m_y - 50), QPoint(last.m_x + last.m_width - 1, last.m_y + last.m_height - 1));
}

QRect CPlayingScene::HandCardsRect() const
{
    const CGraphicObject& first = m_hand[0];
    const CGraphicObject& last = m_hand[4];
    return QRect(QPoint(first.m_x, first.m_y), QPoint(last.m_x + last.m_width - 1, last.m_y + last.m_height - 1));
}

void CPlayingScene::NewGame()
{
    m_discardPhase = false;
    m_finalHand = false;
    m_discardCount = 0;
    m_captionId = kCaptionInitial;
    for (CGraphicObject& card : m_hand) {
        card.SetBitmap(kBitmapCardBack);
        card.m_selected = false;
    }
    if (m_pView)
        m_pView->InvalidatePageRect(HandArea(), false);
}

void CPlayingScene::ShowInitialHand()
{
    const CCardDistributionManager* manager = ManagerOf(m_pView);
    if (!manager)
        return;
    // Card-index order: by suit, ace to king within a suit, whatever order
    // the cards were picked in. More known cards than places never overflow.
    int place = 0;
    for (int i = 0; i < 52 && place < 5; ++i) {
        if (manager->m_anCardCounts[i / 13][i % 13] != 0)
            m_hand[place++].SetBitmap(kBitmapFirstCard + i);
    }
    m_discardPhase = true;
    if (m_discardButton)
        m_discardButton->show();
    if (m_adviceBox)
        m_adviceBox->show();
    m_pView->InvalidatePageRect(HandCardsRect(), true);
}

bool CPlayingScene::IsOverHandCard(int x, int y) const
{
    if (!m_discardPhase)
        return false;
    for (const CGraphicObject& card : m_hand) {
        if (card.Rect().contains(x, y))
            return true;
    }
    return false;
}

bool CPlayingScene::OnClick(int x, int y, int scrollX, int scrollY)
{
    if (!m_discardPhase)
        return false;
    const QPoint page(x + scrollX, y + scrollY);
    for (CGraphicObject& card : m_hand) {
        if (!card.Rect().contains(page))
            continue;
        card.m_selected = !card.m_selected;
        m_discardCount += card.m_selected ? 1 : -1;
        if (m_discardButton)
            m_discardButton->setEnabled(m_discardCount > 0);
        m_pView->InvalidatePageRect(card.Rect(), false);
        return true;
    }
    return false;
}

bool CPlayingScene::GetHandCards(int cards[5]) const
{
    if (!m_discardPhase)
        return false;
    for (int place = 0; place < 5; ++place) {
        const unsigned id = m_hand[place].m_bitmapId;
        if (!IsCardBitmap(id))
            return false;
        cards[place] = static_cast<int>(id - kBitmapFirstCard);
    }
    return true;
}

bool CPlayingScene::MarkDiscards(unsigned placeMask)
{
    if (!m_discardPhase)
        return false;
    m_discardCount = 0;
    for (int place = 0; place < 5; ++place) {
        CGraphicObject& card = m_hand[place];
        const bool marked = (placeMask >> place & 1u) != 0;
        if (card.m_selected != marked) {
            card.m_selected = marked;
            if (m_pView)
                m_pView->InvalidatePageRect(card.Rect(), false);
        }
        m_discardCount += marked ? 1 : 0;
    }
    if (m_discardButton)
        m_discardButton->setEnabled(m_discardCount > 0);
    return true;
}

int CPlayingScene::Discard()
{
    CCardDistributionManager* manager = ManagerOf(m_pView);
    int count = 0;
    for (CGraphicObject& card : m_hand) {
        if (!card.m_selected)
            continue;
        const unsigned id = card.m_bitmapId;
        card.SetBitmap(kBitmapCardBack);
        card.m_selected = false;
        if (manager && IsCardBitmap(id)) {
            const unsigned index = id - kBitmapFirstCard;
            manager->m_abDiscarded[index / 13][index % 13] = true;
        }
        ++count;
    }
    if (m_pView)
        m_pView->InvalidatePageRect(HandArea(), false);
    if (m_discardButton)
        m_discardButton->hide();
    if (m_adviceBox)
        m_adviceBox->hide();
    m_discardPhase = false;
    return count;
}

void CPlayingScene::ShowFinalHand()
{
    m_finalHand = true;
    const CCardDistributionManager* manager = ManagerOf(m_pView);

    bool kept[52] = {};
    int backPlaces[5];
    int backCount = 0;
    for (int place = 0; place < 5; ++place) {
        const unsigned id = m_hand[place].m_bitmapId;
        if (IsCardBitmap(id))
            kept[id - kBitmapFirstCard] = true;
        else
            backPlaces[backCount++] = place;
    }
    // Kept cards stay where they are; the new cards fill the emptied places
    // left to right in card-index order.
    int next = 0;
    for (int i = 0; manager && i < 52 && next < backCount; ++i) {
        const int suit = i / 13;
        const int rank = i % 13;
        if (manager->m_anCardCounts[suit][rank] != 0 && !manager->m_abDiscarded[suit][rank] && !kept[i])
            m_hand[backPlaces[next++]].SetBitmap(kBitmapFirstCard + i);
    }
    m_captionId = kCaptionFinal;
    if (m_pView)
        m_pView->InvalidatePageRect(HandArea(), true);
}

void CPlayingScene::Draw(QPainter& buffer, int scrollX, int scrollY)
{
    const int left = m_rect.left();
    const int width = m_rect.width();
    const int bottom = m_rect.top() + m_rect.height();
    const int cardHeight = m_hand[0].m_height;

    if (m_discardButton) {
        m_discardButton->setEnabled(m_discardCount > 0);
        m_discardButton->setGeometry(left + width / 2 - scrollX - 53, bottom - cardHeight - scrollY - 52, 106, 22);
        m_discardButton->setVisible(m_discardPhase);
    }
    if (m_adviceBox) {
        m_adviceBox->setEnabled(true);
        m_adviceBox->setGeometry(left - scrollX, bottom - scrollY + 10, width, 60);
        m_adviceBox->setVisible(m_discardPhase || m_finalHand);
    }
    if (m_tableNote) {
        m_tableNote->setGeometry(left + width / 4 - scrollX, m_deck.m_y + m_deck.m_height - scrollY, width / 2, 120);
        m_tableNote->setText(QString::fromStdString(LoadString(210)));
        m_tableNote->show();
    }

    m_deck.Draw(buffer);
    for (const CGraphicObject& opponent : m_opponents)
        opponent.Draw(buffer);
    for (const CGraphicObject& card : m_hand)
        card.Draw(buffer);

    const CGraphicObject& first = m_hand[0];
    const CGraphicObject& last = m_hand[4];
    const QRect caption(QPoint(first.m_x, first.m_y - 30), QPoint(last.m_x + last.m_width - 1, first.m_y - 1));
    DrawSceneText(buffer, QString::fromStdString(LoadString(static_cast<unsigned>(m_captionId))), caption,
                  Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine);
}
