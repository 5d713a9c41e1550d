#include "MainFrame.h"

#include "StringIds.h"
#include "StringTable.h"
#include "Style.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>

CMainFrame::CMainFrame(QWidget* parent)
    : QMainWindow(parent)
{
    setWindowTitle(Text(idAppTitle));
    setWindowIcon(QIcon(QStringLiteral(":/images/icon128.png")));
    setMaximumSize(kMaxWidth, kMaxHeight);

    m_gameMenu = menuBar()->addMenu(Text(idGameMenu));
    m_newAction = AddCommand(m_gameMenu, idNewCommand, QKeySequence(Qt::CTRL | Qt::Key_N));
    m_changeOpponentsAction = AddCommand(m_gameMenu, idChangeOpponentsCommand, QKeySequence(Qt::CTRL | Qt::Key_O));
    m_drawAnalysisAction = AddCommand(m_gameMenu, idDrawAnalysisCommand, QKeySequence(Qt::CTRL | Qt::Key_E));
    m_drawAnalysisAction->setEnabled(false);
    m_tableAction = AddCommand(m_gameMenu, idTableCommand, QKeySequence(Qt::CTRL | Qt::Key_T));
    m_gameMenu->addSeparator();
    m_undoAction = AddCommand(m_gameMenu, idUndoCommand, QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_undoAction->setEnabled(false);
    m_redoAction = AddCommand(m_gameMenu, idRedoCommand, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    m_redoAction->setEnabled(false);
    m_gameMenu->addSeparator();
    m_exitAction = AddCommand(m_gameMenu, idExitCommand, QKeySequence());
    connect(m_exitAction, &QAction::triggered, this, &QWidget::close);

    m_helpMenu = menuBar()->addMenu(Text(idHelpMenu));
    m_overviewAction = AddCommand(m_helpMenu, idOverviewCommand, QKeySequence(Qt::SHIFT | Qt::Key_F1));
    m_helpAction = AddCommand(m_helpMenu, idHelpCommand, QKeySequence(Qt::Key_F1));
    m_aboutAction = AddCommand(m_helpMenu, idAboutCommand, QKeySequence());
}

bool CMainFrame::event(QEvent* event)
{
    // Window managers give the keyboard back to the window a dialog blocked;
    // with none, the menu shortcuts would wait for a click.
    if (event->type() == QEvent::WindowUnblocked && isVisible())
        activateWindow();
    return QMainWindow::event(event);
}

void CMainFrame::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    // Window managers keep a maximised window within the size hints; a
    // platform that does not is brought back here.
    const QSize bounded = size().boundedTo(maximumSize());
    if (bounded != size())
        resize(bounded);
}

QAction* CMainFrame::AddCommand(QMenu* menu, unsigned captionId, const QKeySequence& shortcut)
{
    // The stored caption may name its shortcut after a tab; Qt shows the
    // action's own shortcut in that place instead.
    const QString caption = Text(captionId).section(QLatin1Char('\t'), 0, 0);
    QAction* action = menu->addAction(caption);
    action->setShortcut(shortcut);
    return action;
}
