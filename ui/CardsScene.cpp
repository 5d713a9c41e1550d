#include "CardsScene.h"

#include "Bitmaps.h"
#include "SceneText.h"
#include "StringIds.h"
#include "Style.h"

#include <QPainter>
#include <QPushButton>

namespace {

constexpr int kTitleHeight = 30;
constexpr int kSlotStep = 40;   // each covered card shows a 40-pixel strip
constexpr int kColumnGap = 2;
constexpr int kLastSlotOffset = 12 * kSlotStep;  // a column has room for 13 slots

}  // namespace

CCardsScene::CCardsScene() = default;

CCardsScene::~CCardsScene()
{
    delete m_ownedButton.data();
}

void CCardsScene::CreateControls(QWidget* parent)
{
    m_okButton = new QPushButton(Text(idOk), parent);
    m_ownedButton = m_okButton;
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setEnabled(false);
    m_okButton->hide();
}

void CCardsScene::Layout(const QRect& area)
{
    // Every face has the size of the first; only that one is looked up.
    m_cards[0].SetBitmap(kBitmapFirstCard);
    for (int i = 1; i < 52; ++i) {
        m_cards[i].m_bitmapId = kBitmapFirstCard + i;
        m_cards[i].m_width = m_cards[0].m_width;
        m_cards[i].m_height = m_cards[0].m_height;
    }
    const int w = m_cards[0].m_width;
    const int x0 = (area.left() + area.width() - 4 * w + area.left() - 3 * kColumnGap) / 2;
    // Always tall enough for 13 slots, so that every pick has the same area.
    m_rect = QRect(x0, area.top(), 4 * w + 3 * kColumnGap, kTitleHeight + kLastSlotOffset + m_cards[0].m_height);
    LayoutColumns();
}

void CCardsScene::Show(bool active, unsigned titleId, const bool offered[52], const bool picked[52], bool canConfirm)
{
    m_active = active;
    m_titleId = titleId;
    for (int i = 0; i < 52; ++i) {
        m_cards[i].m_visible = offered[i];
        m_cards[i].m_selected = picked[i];
    }
    LayoutColumns();
    if (m_okButton) {
        m_okButton->setEnabled(canConfirm);
        m_okButton->setVisible(active);
    }
}

void CCardsScene::LayoutColumns()
{
    const int w = m_cards[0].m_width;
    const int top = m_rect.top() + kTitleHeight;
    for (int suit = 0; suit < 4; ++suit) {
        int slot = 0;
        for (int rank = 0; rank < 13; ++rank) {
            CGraphicObject& card = m_cards[13 * suit + rank];
            if (!card.m_visible)
                continue;  // cards not offered keep their place but take no slot
            card.m_x = m_rect.left() + (w + kColumnGap) * suit;
            card.m_y = top + kSlotStep * slot;
            ++slot;
        }
    }
}

void CCardsScene::PlaceControls(const QPoint& scroll)
{
    if (m_okButton)
        m_okButton->setGeometry(m_rect.left() + m_rect.width() / 2 - scroll.x() - 30,
                                m_rect.top() + m_rect.height() - scroll.y() + 20, 60, 22);
}

void CCardsScene::Draw(QPainter& buffer) const
{
    if (!m_active)
        return;
    DrawSceneText(buffer, Text(m_titleId), QRect(m_rect.left(), m_rect.top(), m_rect.width(), kTitleHeight),
                  Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine);
    // Ace to king within each column: every card covers the lower part of the
    // one above, leaving its corner index showing.
    for (const CGraphicObject& card : m_cards)
        card.Draw(buffer);
}

int CCardsScene::HitTest(const QPoint& page) const
{
    if (!m_active)
        return -1;
    const int w = m_cards[0].m_width;
    const int h = m_cards[0].m_height;
    const int x0 = m_rect.left();
    const int y0 = m_rect.top() + kTitleHeight;
    const int right = m_rect.left() + m_rect.width();
    const int x = page.x();
    const int y = page.y();

    // Right and bottom bounds are inclusive.
    if (x < x0 || x > right || y < y0 || y > y0 + h + kLastSlotOffset)
        return -1;

    int column = -1;
    for (int c = 0; c < 4; ++c) {
        const int columnLeft = x0 + c * (w + kColumnGap);
        if (x >= columnLeft && (c == 3 || x < columnLeft + w)) {
            column = c;
            break;
        }
    }
    if (column < 0)
        return -1;  // in a gap between columns

    int visible[13];
    int count = 0;
    for (int rank = 0; rank < 13; ++rank) {
        if (m_cards[13 * column + rank].m_visible)
            visible[count++] = 13 * column + rank;
    }
    if (count == 0)
        return -1;

    const int dy = y - y0;
    int slot = dy / kSlotStep;
    if (slot >= count) {
        // Below the last strip: still the last card while within its full height.
        if (dy > h + kSlotStep * (count - 1))
            return -1;
        slot = count - 1;
    }
    return visible[slot];
}
