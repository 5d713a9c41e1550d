#include "CardsScene.h"

#include "Bitmaps.h"
#include "PokerDoc.h"
#include "PokerView.h"
#include "SceneText.h"
#include "StringTable.h"

#include <QPainter>
#include <QPushButton>

namespace {

constexpr int kTitleHeight = 30;
constexpr int kSlotStep = 40;   // each covered card shows a 40-pixel strip
constexpr int kColumnGap = 2;
constexpr int kLastSlotOffset = 12 * kSlotStep;  // a column has room for 13 slots

CCardDistributionManager* ManagerOf(CPokerView* view)
{
    CPokerDoc* document = view ? view->GetDocument() : nullptr;
    return document ? &document->m_manager : nullptr;
}

}  // namespace

CCardsScene::CCardsScene(CPokerView* view) : m_pView(view) {}

CCardsScene::~CCardsScene()
{
    delete m_ownedButton.data();
}

void CCardsScene::CreateControls()
{
    m_okButton = new QPushButton(QString::fromStdString(LoadString(105)), m_pView->viewport());
    m_ownedButton = m_okButton;
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setEnabled(false);
    m_okButton->setGeometry(QRect());
    m_okButton->setVisible(m_active);
}

void CCardsScene::LoadCardImages()
{
    // Every face has the size of the first; only that one is looked up.
    m_cards[0].SetBitmap(kBitmapFirstCard);
    for (int i = 1; i < 52; ++i) {
        m_cards[i].m_bitmapId = kBitmapFirstCard + i;
        m_cards[i].m_width = m_cards[0].m_width;
        m_cards[i].m_height = m_cards[0].m_height;
    }
}

void CCardsScene::Reset()
{
    const CCardDistributionManager* manager = ManagerOf(m_pView);
    for (int i = 0; i < 52; ++i) {
        m_cards[i].m_selected = false;
        m_cards[i].m_visible = !manager || manager->m_anCardCounts[i / 13][i % 13] == 0;
    }
    m_selectionCount = 0;
    Layout();
    if (m_okButton)
        m_okButton->setEnabled(false);
}

void CCardsScene::Layout()
{
    const int w = m_cards[0].m_width;
    const int h = m_cards[0].m_height;
    const int left = m_rect.left();
    const int top = m_rect.top() + kTitleHeight;
    const int right = m_rect.left() + m_rect.width();

    const int x0 = (right - 4 * w + left - 3 * kColumnGap) / 2;
    for (int suit = 0; suit < 4; ++suit) {
        int slot = 0;
        for (int rank = 0; rank < 13; ++rank) {
            CGraphicObject& card = m_cards[13 * suit + rank];
            if (!card.m_visible)
                continue;  // known cards keep their place but take no slot
            card.m_x = x0 + (w + kColumnGap) * suit;
            card.m_y = top + kSlotStep * slot;
            ++slot;
        }
    }
    // Always tall enough for 13 slots, so that later layouts give the same area.
    m_rect = QRect(x0, top - kTitleHeight, 4 * w + 3 * kColumnGap, kTitleHeight + kLastSlotOffset + h);
}

void CCardsScene::Draw(QPainter& buffer, int scrollX, int scrollY)
{
    const int left = m_rect.left();
    const int top = m_rect.top();
    const int width = m_rect.width();
    const int bottom = m_rect.top() + m_rect.height();

    if (m_okButton) {
        m_okButton->setGeometry(left + width / 2 - scrollX - 30, bottom - scrollY + 20, 60, 22);
        m_okButton->setVisible(m_active);
    }
    if (!m_active)
        return;

    unsigned titleId = 188;
    if (!m_initialPick)
        titleId = m_maxSelection == 1 ? 190 : 189;
    DrawSceneText(buffer, QString::fromStdString(LoadString(titleId)), QRect(left, top, width, kTitleHeight),
                  Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine);

    // Ace to king within each column: every card covers the lower part of the
    // one above, leaving its corner index showing.
    for (const CGraphicObject& card : m_cards)
        card.Draw(buffer);
}

CGraphicObject* CCardsScene::HitTest(int x, int y)
{
    const int w = m_cards[0].m_width;
    const int h = m_cards[0].m_height;
    // The column origin and first slot are those of the last layout; taking
    // them from the area rather than from card 0 keeps them right even while
    // card 0 is hidden.
    const int x0 = m_rect.left();
    const int y0 = m_rect.top() + kTitleHeight;
    const int right = m_rect.left() + m_rect.width();

    // Right and bottom bounds are inclusive.
    if (x < x0 || x > right || y < y0 || y > y0 + h + kLastSlotOffset)
        return nullptr;

    int column = -1;
    for (int c = 0; c < 4; ++c) {
        const int columnLeft = x0 + c * (w + kColumnGap);
        const bool last = c == 3;
        if (x >= columnLeft && (last || x < columnLeft + w)) {
            column = c;
            break;
        }
    }
    if (column < 0)
        return nullptr;  // in a gap between columns

    CGraphicObject* visible[13];
    int count = 0;
    for (int rank = 0; rank < 13; ++rank) {
        CGraphicObject& card = m_cards[13 * column + rank];
        if (card.m_visible)
            visible[count++] = &card;
    }
    if (count == 0)
        return nullptr;

    const int dy = y - y0;
    int slot = dy / kSlotStep;
    if (slot >= count) {
        // Below the last strip: still the last card while within its full height.
        if (dy > h + kSlotStep * (count - 1))
            return nullptr;
        slot = count - 1;
    }
    return visible[slot];
}

bool CCardsScene::OnClick(int x, int y, int scrollX, int scrollY)
{
    if (!m_active)
        return false;
    CGraphicObject* card = HitTest(x + scrollX, y + scrollY);
    if (!card)
        return false;

    if (card->m_selected) {
        --m_selectionCount;
        if (m_okButton)
            m_okButton->setEnabled(false);
    } else {
        if (m_selectionCount >= m_maxSelection)
            return true;  // the limit is reached: taken, and ignored
        ++m_selectionCount;
        if (m_selectionCount == m_maxSelection && m_okButton)
            m_okButton->setEnabled(true);
    }
    card->m_selected = !card->m_selected;
    m_pView->InvalidatePageRect(card->Rect(), false);
    return true;
}

void CCardsScene::CommitSelection()
{
    CCardDistributionManager* manager = ManagerOf(m_pView);
    if (!manager)
        return;
    for (int i = 0; i < 52; ++i) {
        if (m_cards[i].m_selected)
            manager->m_anCardCounts[i / 13][i % 13] = 1;
    }
}
