#include "PlayingScene.h"

#include "Bitmaps.h"
#include "SceneText.h"
#include "ScrollableStatic.h"
#include "StringIds.h"
#include "StringTable.h"
#include "Style.h"
#include "TableSimulation.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kCardGap = 2;

struct TSeat {
    unsigned bitmapId;
    int angle;  // degrees, counter-clockwise from the player's seat at the bottom
    // The seat's label goes above the hand where below it would meet the
    // showdown block (four seats). Below the lower hands of five, it stays
    // clear of the gap between a side's two hands, where it would belong to
    // neither.
    bool countAbove;
    // Moves the label sideways, away from the player's cards.
    int countShift;
};

// Which fanned hand sits where, for 1 to 5 opponents; each picture is drawn
// already turned towards the deck.
constexpr TSeat kSeats[5][5] = {
    {{130, 180, false, 0}},
    {{132, 120, false, 0}, {133, 240, false, 0}},
    {{135, 90, false, 0}, {130, 180, false, 0}, {137, 270, false, 0}},
    {{196, 72, false, 0}, {141, 144, true, 0}, {138, 216, true, 0}, {139, 288, false, 0}},
    {{197, 60, false, 14}, {132, 120, false, 0}, {130, 180, false, 0}, {133, 240, false, 0}, {198, 300, false, -14}},
};

// The seat's label beside its hand: wide enough for "#5 drew ?".
constexpr int kCountWidth = 100;
constexpr int kCountHeight = 20;

// Where the showdown block sits in the table area: the top-left corner,
// reaching up to the page's top. The fanned hands leave it free down to the
// left hand's top (y 98 in the area) with two or five seats, and further with
// one or three; with four the upper-left hand covers it and the block moves
// down between the two left hands, above the deck's left edge.
const QRect kShowdownCorner(8, -10, 232, 108);
const QRect kShowdownTallCorner(8, -10, 232, 200);
const QRect kShowdownBetweenLeftHands(8, 190, 257, 115);

}  // namespace

CPlayingScene::CPlayingScene() = default;

CPlayingScene::~CPlayingScene()
{
    delete m_ownedButton.data();
    delete m_ownedAdviceBox.data();
    delete m_ownedNote.data();
    delete m_ownedShowdown.data();
}

void CPlayingScene::CreateControls(QWidget* parent)
{
    m_discardButton = new QPushButton(Text(idDiscardButton), parent);
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
    SetGoldOnFelt(m_adviceBox);
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
    m_tableNote->setText(Text(idTableNote));

    // Display only, like the note: clicks go through to the page.
    m_showdownBlock = new QLabel(parent);
    m_ownedShowdown = m_showdownBlock;
    m_showdownBlock->setObjectName(QStringLiteral("showdownBlock"));
    m_showdownBlock->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_showdownBlock->setTextFormat(Qt::RichText);
    m_showdownBlock->setWordWrap(true);
    m_showdownBlock->setFont(TableFont());
    m_showdownBlock->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette showdownPalette = m_showdownBlock->palette();
    showdownPalette.setColor(QPalette::WindowText, kGold);
    showdownPalette.setColor(QPalette::Text, kGold);
    m_showdownBlock->setPalette(showdownPalette);
    m_showdownBlock->setGeometry(QRect());
    m_showdownBlock->hide();
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
    m_opponents.assign(static_cast<size_t>(n), CGraphicObject());
    m_arrCountAbove.assign(static_cast<size_t>(n), false);
    m_arrCountShift.assign(static_cast<size_t>(n), 0);
    m_arrDrew.assign(static_cast<size_t>(n), kDrawUnseen);
    for (int i = 0; i < n; ++i) {
        PlaceOpponent(m_opponents[static_cast<size_t>(i)], kSeats[n - 1][i].bitmapId, kSeats[n - 1][i].angle);
        m_arrCountAbove[static_cast<size_t>(i)] = kSeats[n - 1][i].countAbove;
        m_arrCountShift[static_cast<size_t>(i)] = kSeats[n - 1][i].countShift;
    }

    m_deck.SetBitmap(kBitmapDeck);
    m_deck.m_x = m_rect.left() + m_rect.width() / 2 - m_deck.m_width / 2;
    m_deck.m_y = m_rect.top() + m_rect.height() / 2 - m_deck.m_height / 2;
}

void CPlayingScene::ShowSeenDraws(const int drew[], bool show)
{
    std::copy(drew, drew + m_arrDrew.size(), m_arrDrew.begin());
    m_bShowDrew = show;
}

QRect CPlayingScene::SeatRect(int seat) const
{
    if (seat < 0 || seat >= Opponents())
        return QRect();
    return m_opponents[static_cast<size_t>(seat)].Rect();
}

QRect CPlayingScene::SeatCountRect(int seat) const
{
    const QRect hand = SeatRect(seat);
    if (hand.isEmpty())
        return QRect();
    const int top = m_arrCountAbove[static_cast<size_t>(seat)] ? hand.top() - kCountHeight : hand.bottom() + 1;
    const int middle = hand.center().x() + m_arrCountShift[static_cast<size_t>(seat)];
    return QRect(middle - kCountWidth / 2, top, kCountWidth, kCountHeight);
}

int CPlayingScene::SeatHitTest(const QPoint& page) const
{
    for (int seat = 0; seat < Opponents(); ++seat) {
        if (SeatRect(seat).contains(page) || (m_bShowDrew && SeatCountRect(seat).contains(page)))
            return seat;
    }
    return -1;
}

void CPlayingScene::ShowHand(const int cards[kPlaces], const bool marked[kPlaces], bool finalCaption)
{
    for (int place = 0; place < kPlaces; ++place) {
        m_hand[place].SetBitmap(cards[place] >= 0 ? kBitmapFirstCard + static_cast<unsigned>(cards[place])
                                                  : kBitmapCardBack);
        m_hand[place].m_selected = marked[place];
    }
    m_captionId = finalCaption ? idFinalHandCaption : idInitialHandCaption;
}

void CPlayingScene::ShowControls(bool discardPhase, bool canDiscard, bool showDescription)
{
    if (m_discardButton) {
        m_discardButton->setEnabled(canDiscard);
        m_discardButton->setVisible(discardPhase);
    }
    if (m_adviceBox)
        m_adviceBox->setVisible(showDescription);
    if (m_tableNote)
        m_tableNote->show();
}

void CPlayingScene::SetDescription(const std::string& text)
{
    if (m_adviceBox)
        m_adviceBox->SetText(text);
}

void CPlayingScene::SetShowdown(const std::string& heading, const std::string& shortHeading,
                                const TEquityRows& rows, const std::string& note)
{
    if (!m_showdownBlock)
        return;
    // A table lines the figures up as the results lists do; the accessible
    // name reads the same figures as plain lines.
    QString body = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\">");
    QString spoken;
    for (const TEquityRow& row : rows) {
        const QString label = Text(static_cast<unsigned>(row.m_nLabelId));
        const QString figure = QString::fromStdString(row.m_strFigure);
        body += QStringLiteral("<tr><td>%1</td><td align=\"right\">&nbsp;&nbsp;%2</td></tr>")
                    .arg(label.toHtmlEscaped(), figure.toHtmlEscaped());
        spoken += QStringLiteral("\n%1 %2").arg(label, figure);
    }
    body += QStringLiteral("</table>%1").arg(QString::fromStdString(note).toHtmlEscaped());
    spoken += QStringLiteral("\n") + QString::fromStdString(note);
    auto withHeading = [&body](const std::string& text) {
        return QStringLiteral("<b>%1</b>").arg(QString::fromStdString(text).toHtmlEscaped()) + body;
    };
    m_showdownBlock->setText(withHeading(heading));
    const QRect place = ShowdownPlace();
    if (m_showdownBlock->heightForWidth(place.width()) > place.height())
        m_showdownBlock->setText(withHeading(shortHeading));
    m_showdownBlock->setAccessibleName(QString::fromStdString(heading) + spoken);
}

void CPlayingScene::ShowShowdown(bool show)
{
    if (m_showdownBlock)
        m_showdownBlock->setVisible(show);
}

int CPlayingScene::HitTest(const QPoint& page) const
{
    for (int place = 0; place < kPlaces; ++place) {
        if (m_hand[place].Rect().contains(page))
            return place;
    }
    return -1;
}

void CPlayingScene::PlaceControls(const QPoint& scroll)
{
    const int left = m_rect.left() - scroll.x();
    const int width = m_rect.width();
    const int bottom = m_rect.top() + m_rect.height() - scroll.y();
    if (m_discardButton)
        m_discardButton->setGeometry(left + width / 2 - 53, bottom - m_hand[0].m_height - 52, 106, 22);
    if (m_adviceBox)
        m_adviceBox->setGeometry(left, bottom + 10, width, 60);
    if (m_tableNote)
        m_tableNote->setGeometry(left + width / 4, m_deck.m_y + m_deck.m_height - scroll.y(), width / 2, 120);
    if (m_showdownBlock)
        m_showdownBlock->setGeometry(ShowdownPlace().translated(m_rect.topLeft() - scroll));
}

QRect CPlayingScene::ShowdownPlace() const
{
    const size_t seats = m_opponents.size();
    return seats == 4                ? kShowdownBetweenLeftHands
           : seats == 1 || seats == 3 ? kShowdownTallCorner
                                      : kShowdownCorner;
}

void CPlayingScene::Draw(QPainter& buffer) const
{
    m_deck.Draw(buffer);
    for (const CGraphicObject& opponent : m_opponents)
        opponent.Draw(buffer);
    for (const CGraphicObject& card : m_hand)
        card.Draw(buffer);

    const CGraphicObject& first = m_hand[0];
    const CGraphicObject& last = m_hand[kPlaces - 1];
    const QRect caption(QPoint(first.m_x, first.m_y - 30), QPoint(last.m_x + last.m_width - 1, first.m_y - 1));
    DrawSceneText(buffer, Text(m_captionId), caption, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine);

    // Every seat shows its number (Ctrl and the number step its seen draw),
    // and after the discard what it was seen to draw.
    for (int seat = 0; seat < Opponents(); ++seat) {
        const int drew = m_arrDrew[static_cast<size_t>(seat)];
        const QString label = !m_bShowDrew ? QString::fromStdString(FormatString(LoadString(idSeatNumber).c_str(), seat + 1))
            : drew == kDrawUnseen ? QString::fromStdString(FormatString(LoadString(idSeatDrewUnseen).c_str(), seat + 1))
                                  : QString::fromStdString(FormatString(LoadString(idSeatDrew).c_str(), seat + 1, drew));
        DrawSceneText(buffer, label, SeatCountRect(seat), Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine);
        const size_t at = static_cast<size_t>(seat);
        if (at < m_arrRanges.size() && !m_arrRanges[at].empty()) {
            // Away from the hand: above a label above it, below one below.
            const QRect count = SeatCountRect(seat);
            const int shift = m_arrCountAbove[at] ? -kCountHeight : kCountHeight;
            const QRect line(count.center().x() - kCountWidth, count.top() + shift, 2 * kCountWidth, kCountHeight);
            DrawSceneText(buffer, QString::fromStdString(m_arrRanges[at]), line,
                          Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine);
        }
    }
}
