#pragma once

#include "GraphicObject.h"

#include <QPointer>
#include <QRect>

class CPokerView;
class QPainter;
class QPushButton;

// The deck to pick from: 52 cards in four overlapping columns, one per suit,
// the known ones hidden, and an "OK" button that is enabled exactly when the
// required number of cards is selected. Not a widget: the view draws it and
// feeds it its clicks.
//
// m_rect is in page coordinates as a QRect: QRect(left, top, width, height),
// so the exclusive right edge is left + width (not QRect::right(), which is
// one less). The view sets it to QRect(650, 0, 340, 690); Layout() rewrites
// it to QRect(675, 0, 290, 606).
class CCardsScene {
public:
    explicit CCardsScene(CPokerView* view);
    virtual ~CCardsScene();
    CCardsScene(const CCardsScene&) = delete;
    CCardsScene& operator=(const CCardsScene&) = delete;

    // The OK button, a child of the view's viewport, named "okButton".
    void CreateControls();
    // Gives the 52 cards their pictures and sizes.
    void LoadCardImages();
    // Starts a pick: hides the known cards, clears the selection, lays out.
    void Reset();
    // Positions the visible cards (closing up each column) and rewrites m_rect.
    void Layout();
    // Places the button (client = page - scroll); draws title and cards.
    void Draw(QPainter& buffer, int scrollX, int scrollY);
    // (x, y) in client coordinates; true when the click was taken here.
    bool OnClick(int x, int y, int scrollX, int scrollY);
    // The visible card under a page point, or null.
    CGraphicObject* HitTest(int x, int y);
    // Makes the selected cards known to the game.
    void CommitSelection();

    CPokerView* m_pView;
    QRect m_rect;
    CGraphicObject m_cards[52];
    unsigned m_maxSelection = 5;
    unsigned m_selectionCount = 0;
    QPushButton* m_okButton = nullptr;
    bool m_active = true;
    bool m_initialPick = true;

private:
    QPointer<QPushButton> m_ownedButton;
};
