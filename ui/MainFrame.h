#pragma once

#include <QMainWindow>

class QAction;
class QMenu;

// The main window: title "Quintara" alone, the menus Game and Help with
// their shortcuts, no toolbar or status bar, never larger than 1024 x 768.
// The application connects the actions to the document, view and itself.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kMaxWidth = 1024;
    static constexpr int kMaxHeight = 768;

    explicit CMainFrame(QWidget* parent = nullptr);

    QMenu* m_gameMenu = nullptr;
    QMenu* m_helpMenu = nullptr;
    QAction* m_newAction = nullptr;
    QAction* m_changeOpponentsAction = nullptr;
    // Offered only while the initial hand is shown; disabled at start.
    QAction* m_tableAction = nullptr;
    QAction* m_drawAnalysisAction = nullptr;
    // Enabled while the document has a step to undo or redo.
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
    QAction* m_exitAction = nullptr;
    QAction* m_overviewAction = nullptr;
    QAction* m_helpAction = nullptr;
    QAction* m_aboutAction = nullptr;

protected:
    // Takes the keyboard back when a dialog it waited for closes.
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QAction* AddCommand(QMenu* menu, unsigned captionId, const QKeySequence& shortcut);
};
