#pragma once

#include "CardsScene.h"
#include "PlayingScene.h"
#include "ResultsScene.h"

#include <QAbstractScrollArea>
#include <QCursor>
#include <QPointer>
#include <QString>

#include <string>

class CHelpWindow;
class CPokerDoc;
class QPainter;

// The one view of the game and its controller: a scrolling page of
// 1010 x 690 pixels holding the playing scene on the left and, on the right,
// the card picker or the results. It routes clicks to the scenes, moves the
// game from stage to stage, runs the analysis when the player confirms his
// cards, paints the page through an off-screen image and opens the help.
//
// Stages: 3 picking the initial hand, 4 initial hand shown, 5 cards marked
// for discarding, 6 picking the replacements, 7 final hand shown.
class CPokerView : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr int kPageWidth = 1010;
    static constexpr int kPageHeight = 690;

    explicit CPokerView(CPokerDoc* document, QWidget* parent = nullptr);
    ~CPokerView() override;

    CPokerDoc* GetDocument() const { return m_pDocument; }
    // The page point shown at the viewport's top-left corner.
    QPoint GetScrollPosition() const;
    // Repaints a page rectangle; erase is accepted for the scenes' sake, the
    // whole rectangle is painted anyway.
    void InvalidatePageRect(const QRect& pageRect, bool erase);

    // Sets the scene areas and starts a game (hint 0).
    void OnInitialUpdate();
    // The stage transitions for hints 0 to 3; any other hint is ignored.
    void OnUpdate(int hint);

    // Paints the whole page into buffer, which must cover it: felt green,
    // then the playing scene, the picker and the results.
    void DrawPage(QPainter& buffer);

    // The two texts of a confirmed hand; BuildAdvice must come first.
    std::string BuildAdvice();
    std::string DescribeHand(bool initialHand);
    std::string DescribeStraightDraw(int nameId);

    // Where the help page is looked for; the program's own by default.
    void SetHelpFile(const QString& path) { m_helpFile = path; }
    const QString& HelpFile() const { return m_helpFile; }

    int m_nStage = 3;
    CPlayingScene m_playingScene;
    CCardsScene m_cardsScene;
    CResultsScene m_resultsScene;
    bool m_bFinalHand = false;
    QCursor m_handCursor{Qt::PointingHandCursor};
    QCursor m_arrowCursor{Qt::ArrowCursor};

public slots:
    void OnCardsConfirmed();
    void OnDiscard();
    // Shows every way to keep cards from the initial hand (stages 4 and 5);
    // the hold the player chooses there gets its discards marked here.
    void OnDrawAnalysis();
    // Help on the current stage (F1) and the overview (Shift+F1).
    void OnHelpContext();
    void OnOverview();

signals:
    // After every change of stage: whether the draw analysis can be shown now.
    void DrawAnalysisAvailable(bool available);

protected:
    void OnLButtonDown(const QPoint& point);
    void OnMouseMove(const QPoint& point);
    void OnDraw(QPainter& painter, const QRect& exposed);

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void SetStage(int stage);
    // Puts the scenes' controls where the page has them now, without painting.
    void PlaceControls();
    void UpdateScrollBars();
    void InvalidateScene(const QRect& pageRect);
    void ArmPicker(unsigned count, bool initialPick);
    void HideResults();
    void OpenHelp(int contextId);

    CPokerDoc* m_pDocument;
    QString m_helpFile;
    QPointer<CHelpWindow> m_pHelpWindow;
};
