#include "MainFrame.h"

#include "StringTable.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>

namespace {

enum : unsigned {
    kIdsAppTitle = 57344,
    kIdsGameMenu = 129,
    kIdsHelpMenu = 148,
    kIdsNew = 57600,
    kIdsChangeOpponents = 32772,
    kIdsDrawAnalysis = 32777,
    kIdsExit = 57665,
    kIdsOverview = 32776,
    kIdsHelp = 57670,
    kIdsAbout = 57664,
};

QString Text(unsigned id)
{
    return QString::fromStdString(LoadString(id));
}

} // namespace

CMainFrame::CMainFrame(QWidget* parent)
    : QMainWindow(parent)
{
    setWindowTitle(Text(kIdsAppTitle));
    setWindowIcon(QIcon(QStringLiteral(":/images/icon128.png")));
    setMaximumSize(kMaxWidth, kMaxHeight);

    m_gameMenu = menuBar()->addMenu(Text(kIdsGameMenu));
    m_newAction = AddCommand(m_gameMenu, kIdsNew, QKeySequence(Qt::CTRL | Qt::Key_N));
    m_changeOpponentsAction = AddCommand(m_gameMenu, kIdsChangeOpponents, QKeySequence(Qt::CTRL | Qt::Key_O));
    m_drawAnalysisAction = AddCommand(m_gameMenu, kIdsDrawAnalysis, QKeySequence(Qt::CTRL | Qt::Key_E));
    m_drawAnalysisAction->setEnabled(false);
    m_gameMenu->addSeparator();
    m_exitAction = AddCommand(m_gameMenu, kIdsExit, QKeySequence());
    connect(m_exitAction, &QAction::triggered, this, &QWidget::close);

    m_helpMenu = menuBar()->addMenu(Text(kIdsHelpMenu));
    m_overviewAction = AddCommand(m_helpMenu, kIdsOverview, QKeySequence(Qt::SHIFT | Qt::Key_F1));
    m_helpAction = AddCommand(m_helpMenu, kIdsHelp, QKeySequence(Qt::Key_F1));
    m_aboutAction = AddCommand(m_helpMenu, kIdsAbout, QKeySequence());
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
