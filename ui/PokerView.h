#pragma once

#include "CardTyping.h"
#include "CardsScene.h"
#include "EquityRun.h"
#include "GamePageAccessible.h"
#include "PlayingScene.h"
#include "ResultsScene.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <string>

class CHelpWindow;
class CPokerDoc;
enum class EUpdateHint;

// The one view of the game: a scrolling page of 1010 x 690 pixels holding the
// playing scene on the left and, on the right, the card picker or the
// results. It shows the document through the scenes, turns clicks on the
// page into the document's verbs, paints the page through an off-screen
// image and opens the help.
class CPokerView : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr int kPageWidth = 1010;
    static constexpr int kPageHeight = 690;

    // Listens to the document, which outlives the view.
    explicit CPokerView(CPokerDoc* document, QWidget* parent = nullptr);
    ~CPokerView() override;

    CPokerDoc* GetDocument() const { return m_pDocument; }
    // The page point shown at the viewport's top-left corner.
    QPoint GetScrollPosition() const;
    // Shows what changed in the document.
    void OnUpdate(EUpdateHint hint);

    // Paints the whole page into buffer, which must cover it: felt green,
    // then the playing scene, the picker and the results.
    void DrawPage(QPainter& buffer) const;

    const CCardsScene& CardsScene() const { return m_cardsScene; }
    const CPlayingScene& PlayingScene() const { return m_playingScene; }
    const CResultsScene& ResultsScene() const { return m_resultsScene; }
    // The runs behind the showdown block (the hand as it stands) and the
    // suggestions' sentence (every hold of the initial hand).
    const CEquityRun& ShowdownRun() const { return m_showdownRun; }
    const CEquityRun& HoldsRun() const { return m_holdsRun; }

    // What a click on a picker card or on a hand place does: the document's
    // pick or mark; nothing when the page takes no such click now.
    void PressCard(int card);
    void PressPlace(int place);
    // A click on an opponent's seat after the discard: his seen draw moves on
    // to the next count (unseen, 0, 1, ..., 5, unseen).
    void PressSeat(int seat);

    // Where the help page is looked for; the program's own by default.
    void SetHelpFile(const QString& path) { m_helpFile = path; }

public slots:
    void OnCardsConfirmed();
    void OnDiscard();
    // Shows every way to keep cards from the initial hand (stages 4 and 5);
    // the hold the player chooses there gets its discards marked.
    void OnDrawAnalysis();
    // The Table dialog (Ctrl+T): every seat's range and seen draw, the
    // opening requirement and the price of a call, in one step.
    void OnTable();
    // The range menu of a seat at a page point (global for the menu).
    void ShowSeatMenu(int seat, const QPoint& global);
    // Help on the current stage (F1) and the overview (Shift+F1).
    void OnHelpContext();
    void OnOverview();

signals:
    // After every change of stage: whether the draw analysis can be shown now.
    void DrawAnalysisAvailable(bool available);
    // After every change: whether the document can undo and redo a step.
    void HistoryChanged(bool canUndo, bool canRedo);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // Right click on a seat, or the context-menu key and Shift+F10: the
    // seat's range menu (from the keyboard, one submenu per seat).
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void OnLButtonDown(const QPoint& page);
    // The scenes show the document as it is now.
    void ShowDocument();
    // Puts the scenes' controls where the page has them now.
    void PlaceControls();
    void UpdateScrollBars();
    // Starts the equity runs the stage shows, cancelling those it no longer
    // does; a run whose setup is unchanged goes on.
    void RunEquity();
    // The showdown block and the suggestions from their runs' figures so far.
    void ShowShowdownEquity();
    void ShowHoldsEquity();
    // The final hand's call verdict from the showdown run, in the box the
    // suggestions take before the draw; shown only with a price.
    void ShowFinalCall();
    void OpenHelp(int contextId);
    // The keys of the game: cards typed, Backspace, Enter and paste in the
    // picker; 1 to 5 and Enter in the discard phase. False for the others,
    // Tab and the scrolling keys among them.
    bool OnGameKey(const QKeyEvent& event);
    void OnPaste();
    // Shows a refusal in the prompt for a moment; an empty one clears it.
    void ShowHint(const std::string& hint);
    // The card being typed, or the last refusal, under the picker's OK.
    void DrawPrompt(QPainter& buffer) const;

    CPokerDoc* m_pDocument;
    CPlayingScene m_playingScene;
    CCardsScene m_cardsScene;
    CResultsScene m_resultsScene;
    CGamePageItems m_pageItems;
    QString m_helpFile;
    QPointer<CHelpWindow> m_pHelpWindow;
    CCardTyping m_typing;
    QString m_strHint;
    QTimer m_hintTimer;
    // The page image paintEvent draws into, kept between paints: at twice the
    // density it is 11 MB, and a fresh one each paint cost more than drawing.
    QImage m_pageImage;
    CEquityRun m_showdownRun;
    CEquityRun m_holdsRun;
    // The decision of the holds run in words (heading, best hold, runner-up)
    // and the sentence when the classic play keeps other cards; written once
    // the run has enough deals, and again only when it ends.
    std::string m_strDecision;
    std::string m_strClassicDiffers;
    // The final hand's call in words, written as the decision is; and the
    // price both texts were written for, so that a new price rewrites them.
    std::string m_strFinalCall;
    double m_dWrittenPot = 0;
    double m_dWrittenCall = 0;
};
