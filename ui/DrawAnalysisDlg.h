#pragma once

#include "DrawAnalysis.h"

#include <QDialog>

#include <vector>

class QPushButton;
class QTreeWidget;

// Every way to keep cards from the initial hand, computed by the engine over
// the unseen cards and shown as a sortable table on the felt, best first. The
// player may choose a row and ask for its discards to be marked; the dialog
// itself marks nothing, it only reports the chosen places.
class CDrawAnalysisDlg : public QDialog {
    Q_OBJECT
public:
    enum EColumn {
        kColumnRank = 0,  // place in the best-first order, 1 to 32
        kColumnKeep,
        kColumnFirstCategory,  // one column per final category, from nothing up
        kColumnImprove = kColumnFirstCategory + hcCategoryCount,
        kColumnAtLeastCurrent,
        kColumnOdds,  // odds against improving
        kColumnCount
    };

    // hand: the five cards in their places on the table; known: every card
    // seen this game (null when only the hand has been seen).
    CDrawAnalysisDlg(const int hand[5], const bool known[52], QWidget* parent = nullptr);

    // Runs the dialog modally: QDialog::Accepted after Mark discards, else
    // Rejected.
    int DoModal();

    // The engine's holds, best first, in the order the rows were first shown.
    const std::vector<TDrawOutcome>& Holds() const { return m_arrHolds; }

    QTreeWidget* m_holdsList = nullptr;
    QPushButton* m_markButton = nullptr;
    QPushButton* m_closeButton = nullptr;
    // The hand places the chosen hold throws away (bit i for place i); set
    // when Mark discards is pressed.
    unsigned m_nDiscardMask = 0;

public slots:
    void OnMarkDiscards();

private:
    void FillList();
    void FitToTable();

    std::vector<TDrawOutcome> m_arrHolds;
};
