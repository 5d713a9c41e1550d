#pragma once

#include "TableEquity.h"

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;

// The table as the player knows it, every part from the keyboard: each
// seat's range (typed words) and seen draw, the opening requirement and the
// price of a call. The caller hands the result to CPokerDoc::SetTable; a
// refusal keeps the dialog open with the reason.
class CTableDlg : public QDialog {
    Q_OBJECT
public:
    // `drawsOpen`: seen draws can be set (after the discard).
    CTableDlg(const TTable& table, bool drawsOpen, QWidget* parent = nullptr);
    TTable Table() const;
    void ShowRefusal(const QString& reason);

private:
    TTable m_table;
    QLineEdit* m_apRange[kMaxTableOpponents] = {};
    QComboBox* m_apDrew[kMaxTableOpponents] = {};
    QComboBox* m_pOpening = nullptr;
    QDoubleSpinBox* m_pPot = nullptr;
    QDoubleSpinBox* m_pCall = nullptr;
    QLabel* m_pRefusal = nullptr;
};
