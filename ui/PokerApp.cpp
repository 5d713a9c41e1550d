#include "PokerApp.h"

#include "AboutDlg.h"
#include "MainFrame.h"
#include "NoOfOpponentsDlg.h"
#include "PokerDoc.h"
#include "PokerView.h"

#include <QAction>
#include <QApplication>
#include <QIcon>

CPokerApp::CPokerApp() = default;

CPokerApp::~CPokerApp() = default;

bool CPokerApp::InitInstance()
{
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/icon128.png")));

    // Asked before anything else exists; Escape leaves index 0, one opponent.
    CNoOfOpponentsDlg dialog;
    dialog.DoModal();

    m_document = std::make_unique<CPokerDoc>(dialog.m_nIndex + 1);
    m_frame = std::make_unique<CMainFrame>();
    m_pView = new CPokerView(m_document.get(), m_frame.get());
    m_frame->setCentralWidget(m_pView);

    CPokerView* view = m_pView;
    connect(m_frame->m_newAction, &QAction::triggered, this, &CPokerApp::OnFileNew);
    connect(m_frame->m_changeOpponentsAction, &QAction::triggered, this, &CPokerApp::OnChangeOpponents);
    connect(m_frame->m_drawAnalysisAction, &QAction::triggered, view, &CPokerView::OnDrawAnalysis);
    connect(view, &CPokerView::DrawAnalysisAvailable, m_frame->m_drawAnalysisAction, &QAction::setEnabled);
    connect(m_frame->m_tableAction, &QAction::triggered, view, &CPokerView::OnTable);
    CPokerDoc* document = m_document.get();
    connect(m_frame->m_undoAction, &QAction::triggered, this, [document] { document->Undo(); });
    connect(m_frame->m_redoAction, &QAction::triggered, this, [document] { document->Redo(); });
    CMainFrame* frame = m_frame.get();
    connect(view, &CPokerView::HistoryChanged, frame, [frame](bool canUndo, bool canRedo) {
        frame->m_undoAction->setEnabled(canUndo);
        frame->m_redoAction->setEnabled(canRedo);
    });
    connect(m_frame->m_overviewAction, &QAction::triggered, view, &CPokerView::OnOverview);
    connect(m_frame->m_helpAction, &QAction::triggered, view, &CPokerView::OnHelpContext);
    connect(m_frame->m_aboutAction, &QAction::triggered, this, &CPokerApp::OnAppAbout);

    m_frame->move(0, 0);
    m_frame->resize(CMainFrame::kMaxWidth, CMainFrame::kMaxHeight);
    m_frame->show();
    // The menu shortcuts wait for an active window, and nothing else makes
    // this one active once the dialog has gone when no window manager does.
    m_frame->raise();
    m_frame->activateWindow();
    return true;
}

void CPokerApp::OnFileNew()
{
    m_document->OnNewDocument();
}

void CPokerApp::OnChangeOpponents()
{
    // The table as it is shows first; the cards stay whatever the answer.
    CNoOfOpponentsDlg dialog(m_document->GetOpponents(), m_frame.get());
    if (dialog.DoModal() == QDialog::Accepted)
        m_document->OnChangeOpponents(dialog.m_nIndex + 1);
}

void CPokerApp::OnAppAbout()
{
    CAboutDlg dialog(m_frame.get());
    dialog.DoModal();
}
