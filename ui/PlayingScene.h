#pragma once

#include "GraphicObject.h"

#include <QPointer>
#include <QRect>

#include <vector>

class CPokerView;
class CScrollableStatic;
class QLabel;
class QPainter;
class QPushButton;

// The table on the left of the page: the player's five card places, the deck,
// one fanned hand per opponent on a circle around it, the caption above the
// hand, the "Discard" button, the box with the hand's description and the note
// about the second table. Not a widget: the view draws it and feeds it clicks.
//
// m_rect is in page coordinates as a QRect: QRect(left, top, width, height),
// so the exclusive right and bottom edges are left + width and top + height.
// The view lays it out in QRect(0, 10, 630, 620).
class CPlayingScene {
public:
    explicit CPlayingScene(CPokerView* view);
    virtual ~CPlayingScene();
    CPlayingScene(const CPlayingScene&) = delete;
    CPlayingScene& operator=(const CPlayingScene&) = delete;

    // Children of the view's viewport: "discardButton", "adviceBox", "tableNote".
    void CreateControls();
    // Sets m_rect, the hand places and the radius of the opponents' circle.
    void Layout(const QRect& rect);
    // A new game with n opponents (1 to 5) seated around the deck.
    void SetOpponents(int n);
    // A new game with the same opponents: the hand turns face down.
    void NewGame();
    // Shows the five known cards in card-index order; marking may begin.
    void ShowInitialHand();
    // (x, y) in client coordinates; marks or unmarks a hand card.
    bool OnClick(int x, int y, int scrollX, int scrollY);
    // Page point over a hand card that can be marked now.
    bool IsOverHandCard(int x, int y) const;
    // The cards in the five places, left to right, while they can be marked;
    // false otherwise.
    bool GetHandCards(int cards[5]) const;
    // Marks exactly the places whose bit is set (bit i for place i) and
    // unmarks the others, as the player's own clicks would; false outside
    // the discard phase.
    bool MarkDiscards(unsigned placeMask);
    // Turns the marked cards face down and records them as discarded.
    int Discard();
    // Fills the emptied places with the replacements; kept cards stay put.
    void ShowFinalHand();
    // Places the controls (client = page - scroll); draws the table.
    void Draw(QPainter& buffer, int scrollX, int scrollY);

    QRect m_rect;
    CPokerView* m_pView;
    int m_radius = 0;
    unsigned m_opponentCount = 0;
    CGraphicObject m_hand[5];
    CGraphicObject m_deck;
    std::vector<CGraphicObject> m_opponents;
    QPushButton* m_discardButton = nullptr;
    CScrollableStatic* m_adviceBox = nullptr;
    QLabel* m_tableNote = nullptr;
    int m_discardCount = 0;
    bool m_discardPhase = false;
    bool m_finalHand = false;
    int m_captionId = 102;

private:
    void PlaceOpponent(CGraphicObject& opponent, unsigned bitmapId, int angle) const;
    QRect HandArea() const;
    QRect HandCardsRect() const;

    QPointer<QPushButton> m_ownedButton;
    QPointer<CScrollableStatic> m_ownedAdviceBox;
    QPointer<QLabel> m_ownedNote;
};
