#pragma once

#include <QRect>

class QPainter;

// One picture on the page: a card, a card back, the deck or an opponent's
// fanned hand. Positions are page coordinates. The picture is looked up by id
// whenever it is needed; the object keeps no image of its own.
class CGraphicObject {
public:
    CGraphicObject() = default;
    virtual ~CGraphicObject() = default;

    // Stores the id and takes the picture's size; position and flags stay.
    void SetBitmap(unsigned id);

    // Draws the picture at (m_x, m_y), as its negative when selected, leaving
    // three pixels at each corner untouched so that the cards look rounded
    // over whatever lies beneath. Nothing when invisible or without picture.
    // On a target of device pixel ratio 2 or more, the dense picture is drawn.
    void Draw(QPainter& target) const;

    // The page rectangle the picture covers.
    QRect Rect() const { return QRect(m_x, m_y, m_width, m_height); }

    int m_x = 0;
    int m_y = 0;
    int m_width = 0;
    int m_height = 0;
    unsigned m_bitmapId = 0;
    bool m_selected = false;
    bool m_visible = true;
};
