#pragma once

#include "GraphicObject.h"

#include <QPointer>
#include <QRect>

class QPainter;
class QPushButton;
class QWidget;

// The deck to pick from: 52 cards in four overlapping columns, one per suit,
// the cards not offered left out and the columns closed up, under a title,
// with an "OK" button below. Not a widget: the view tells it what to show,
// asks it which card lies under a point, and has it paint.
//
// The area is in page coordinates: QRect(left, top, width, height); Layout()
// fits it to the columns, QRect(675, 0, 290, 606) for the usual card size.
class CCardsScene {
public:
    CCardsScene();
    ~CCardsScene();
    CCardsScene(const CCardsScene&) = delete;
    CCardsScene& operator=(const CCardsScene&) = delete;

    // The OK button, a child of parent, named "okButton".
    void CreateControls(QWidget* parent);
    QPushButton* OkButton() const { return m_okButton; }
    // Gives the 52 cards their pictures and sizes and centres the columns in area.
    void Layout(const QRect& area);

    // What to show: whether the picker is active, its title, and per card
    // whether it is offered and whether it is picked. Lays the columns out.
    void Show(bool active, unsigned titleId, const bool offered[52], const bool picked[52], bool canConfirm);
    bool IsActive() const { return m_active; }
    // Puts the button where the page has it now (client = page - scroll).
    void PlaceControls(const QPoint& scroll);
    void Draw(QPainter& buffer) const;

    // The offered card under a page point, or -1.
    int HitTest(const QPoint& page) const;
    QRect Area() const { return m_rect; }
    QRect CardRect(int card) const { return m_cards[card].Rect(); }

private:
    void LayoutColumns();

    QRect m_rect;
    CGraphicObject m_cards[52];
    unsigned m_titleId = 0;
    bool m_active = false;
    QPushButton* m_okButton = nullptr;
    QPointer<QPushButton> m_ownedButton;
};
