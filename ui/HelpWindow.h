#pragma once

#include <QString>
#include <QTextBrowser>

// The program's help: one HTML page with a section per topic, each under an
// anchor named after its context id (1 the overview, 3 to 7 the stages of a
// game), shown in a window of its own, which Escape and Ctrl+W close.
class CHelpWindow : public QTextBrowser {
    Q_OBJECT
public:
    explicit CHelpWindow(QWidget* parent = nullptr);

    // Opens file at the topic's anchor and brings the window forward; false,
    // showing nothing, when the file cannot be read.
    bool ShowTopic(const QString& file, int contextId);

    // The context id of the topic shown last; 0 before the first one.
    int m_nTopic = 0;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// The help file of the running program: its own path with ".html" in place
// of an ".exe" extension, or appended (a program named "quintara" has
// "quintara.html" beside it); when that file is missing and an installed
// ../share/quintara/quintara.html exists, that one.
QString DefaultHelpFilePath();
