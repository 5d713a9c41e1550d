#pragma once

#include <QDialog>
#include <QRect>

class QComboBox;

// Asks how many opponents sit at the table: a list of "1" to "5" that shows
// `shown` when it opens (the table as it is; "5" before the first game),
// and OK. It has no close box; Escape cancels without reading the list, so
// m_nIndex keeps 0.
class CNoOfOpponentsDlg : public QDialog {
    Q_OBJECT
public:
    explicit CNoOfOpponentsDlg(int shown = 5, QWidget* parent = nullptr);

    // Runs the dialog modally: QDialog::Accepted after OK, else Rejected.
    int DoModal();

    QComboBox* m_comboOpponents = nullptr;
    // The chosen list index (number of opponents - 1); 0 until OK is pressed.
    int m_nIndex = 0;

public slots:
    void accept() override;
};

// The dialogs are laid out in dialog units, which scale with the dialog's
// font: a horizontal unit is a quarter of the average character width, a
// vertical one an eighth of the line height. Returns pixels.
QRect MapDialogRect(const QWidget& dialog, const QRect& units);
