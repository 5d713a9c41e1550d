#pragma once

#include "GraphicObject.h"
#include "TableEquity.h"

#include <QPointer>
#include <QRect>

#include <string>
#include <vector>

class CScrollableStatic;
class QLabel;
class QPainter;
class QPushButton;
class QWidget;

// The table on the left of the page: the player's five card places, the deck,
// one fanned hand per opponent on a circle around it, the caption above the
// hand, the "Discard" button, the box with the hand's description, the note
// about the second table and the showdown block. Not a widget: the view tells it what to show, asks
// it which place lies under a point, and has it paint.
//
// The area is in page coordinates: QRect(left, top, width, height); the view
// lays it out in QRect(0, 10, 630, 620).
class CPlayingScene {
public:
    static constexpr int kPlaces = 5;

    CPlayingScene();
    ~CPlayingScene();
    CPlayingScene(const CPlayingScene&) = delete;
    CPlayingScene& operator=(const CPlayingScene&) = delete;

    // Children of parent: "discardButton", "adviceBox", "tableNote",
    // "showdownBlock".
    void CreateControls(QWidget* parent);
    QLabel* ShowdownBlock() const { return m_showdownBlock; }
    QPushButton* DiscardButton() const { return m_discardButton; }
    CScrollableStatic* AdviceBox() const { return m_adviceBox; }
    // Sets the area, the hand places and the radius of the opponents' circle.
    void Layout(const QRect& rect);
    // Seats n opponents (1 to 5) around the deck.
    void SetOpponents(int n);
    int Opponents() const { return static_cast<int>(m_opponents.size()); }
    // What each seat was seen to draw (kDrawUnseen or 0..5, seat 0 first),
    // painted beside it with its number while `show`; else the number alone.
    void ShowSeenDraws(const int drew[], bool show);
    // Each seat's range in words (empty for any hand), painted on a line of
    // its own beside the seat's label.
    void ShowRanges(const std::vector<std::string>& ranges) { m_arrRanges = ranges; }

    // What to show: each place's card (-1 face down) and mark, the caption,
    // whether the player may mark and discard (and has marked any), and
    // whether the description box shows.
    void ShowHand(const int cards[kPlaces], const bool marked[kPlaces], bool finalCaption);
    void ShowControls(bool discardPhase, bool canDiscard, bool showDescription);
    void SetDescription(const std::string& text);
    // The showdown block: its heading, the win, tie, lose and pot-share rows
    // (none while the first deals are played, or for a refused run), and a
    // line saying whether they are exact or what their interval is. Where the
    // heading would leave the rest no room, the block shows `shortHeading`;
    // a screen reader still gets the whole heading.
    void SetShowdown(const std::string& heading, const std::string& shortHeading, const TEquityRows& rows,
                     const std::string& note);
    void ShowShowdown(bool show);

    // Puts the controls where the page has them now (client = page - scroll).
    void PlaceControls(const QPoint& scroll);
    void Draw(QPainter& buffer) const;

    // The place (0..4) under a page point, or -1.
    int HitTest(const QPoint& page) const;
    QRect PlaceRect(int place) const { return m_hand[place].Rect(); }
    // The seat (0..n-1) whose hand or count lies under a page point, or -1.
    int SeatHitTest(const QPoint& page) const;
    // A seat's fanned hand, and where its label (number and count) is
    // painted; empty for a seat not at the table.
    QRect SeatRect(int seat) const;
    QRect SeatCountRect(int seat) const;
    QRect Area() const { return m_rect; }

private:
    void PlaceOpponent(CGraphicObject& opponent, unsigned bitmapId, int angle) const;
    // The showdown block's rectangle in the area, for this seating.
    QRect ShowdownPlace() const;

    QRect m_rect;
    int m_radius = 0;
    CGraphicObject m_hand[kPlaces];
    CGraphicObject m_deck;
    std::vector<CGraphicObject> m_opponents;
    std::vector<bool> m_arrCountAbove;  // per seat: the label goes above the hand, not below
    std::vector<int> m_arrCountShift;   // per seat: the label's sideways shift
    std::vector<int> m_arrDrew;
    std::vector<std::string> m_arrRanges;
    bool m_bShowDrew = false;
    unsigned m_captionId = 0;
    QPushButton* m_discardButton = nullptr;
    CScrollableStatic* m_adviceBox = nullptr;
    QLabel* m_tableNote = nullptr;
    QLabel* m_showdownBlock = nullptr;
    QPointer<QPushButton> m_ownedButton;
    QPointer<CScrollableStatic> m_ownedAdviceBox;
    QPointer<QLabel> m_ownedNote;
    QPointer<QLabel> m_ownedShowdown;
};
