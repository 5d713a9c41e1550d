#pragma once

#include <QDialog>

// The program's name and version with its icon, and OK.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    int DoModal();
};
