#pragma once

#include "DrawAnalysis.h"

#include <QDialog>

#include <string>
#include <vector>

class CEquityRun;
class QLabel;
class QPushButton;
class QTreeWidget;

// Every way to keep cards from the initial hand, computed by the engine over
// the unseen cards and shown as a sortable table on the felt, best first. The
// player may choose a row and ask for its discards to be marked; the dialog
// itself marks nothing, it only reports the chosen places. Beside the draw,
// each hold's win and pot share at the table fill in as an equity run plays
// its deals; once it ends the first column counts best first by pot share
// and the rows go in that order, unless the player has sorted them himself.
// Until then the rows go by the chance to end at least as strong. The first
// row is chosen when the dialog opens, and again once the rows are reordered
// unless the player chose another.
class CDrawAnalysisDlg : public QDialog {
    Q_OBJECT
public:
    enum EColumn {
        kColumnRank = 0,  // place in the best-first order, 1 to 32: by pot share once the run ends
        kColumnKeep,
        // At the table, with the interval: beside the hold, so that they show
        // without scrolling.
        kColumnTableWin,
        kColumnTablePotShare,
        kColumnFirstCategory,  // one column per final category, from nothing up
        kColumnImprove = kColumnFirstCategory + hcCategoryCount,
        kColumnAtLeastCurrent,
        kColumnOdds,  // odds against improving
        kColumnCount
    };
    // hand: the five cards in their places on the table; known: every card
    // seen this game (null when only the hand has been seen).
    CDrawAnalysisDlg(const int hand[5], const bool known[52], QWidget* parent = nullptr);

    // Reads the win and pot share of every hold from run (all 32 holds of
    // this hand), now and at each of its polls; `table` says the table in
    // words. The run must outlive the dialog.
    void ShowTableEquity(const CEquityRun& run, const std::string& table);

    // Runs the dialog modally: QDialog::Accepted after Mark discards, else
    // Rejected.
    int DoModal();

    // The engine's holds, best first, in the order the rows were first shown.
    const std::vector<TDrawOutcome>& Holds() const { return m_arrHolds; }

    QTreeWidget* m_holdsList = nullptr;
    QPushButton* m_markButton = nullptr;
    QPushButton* m_closeButton = nullptr;
    // The table, and whether the figures are exact or how far they have come.
    QLabel* m_tableLabel = nullptr;
    // The hand places the chosen hold throws away (bit i for place i); set
    // when Mark discards is pressed.
    unsigned m_nDiscardMask = 0;

public slots:
    void OnMarkDiscards();

private:
    void FillList();
    // Chooses the first row as shown, as the program's choice.
    void SelectTopRow();
    void FitToTable();
    void ShowEquityResult(const CEquityRun& run);

    std::vector<TDrawOutcome> m_arrHolds;
    std::string m_strTable;
    bool m_bSortedByShare = false;
    bool m_bSelecting = false;    // the program is choosing the row
    bool m_bPlayerChose = false;  // the player chose a row himself
};
