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

    m_document = std::make_unique<CPokerDoc>();
    m_frame = std::make_unique<CMainFrame>();
    m_pView = new CPokerView(m_document.get(), m_frame.get());
    m_frame->setCentralWidget(m_pView);
    m_pView->OnInitialUpdate();

    CPokerDoc* document = m_document.get();
    CPokerView* view = m_pView;
    connect(m_frame->m_newAction, &QAction::triggered, this, &CPokerApp::OnFileNew);
    connect(m_frame->m_changeOpponentsAction, &QAction::triggered, this,
            [document] { document->OnChangeOpponents(); });
    connect(m_frame->m_drawAnalysisAction, &QAction::triggered, view, &CPokerView::OnDrawAnalysis);
    connect(view, &CPokerView::DrawAnalysisAvailable, m_frame->m_drawAnalysisAction, &QAction::setEnabled);
    connect(m_frame->m_overviewAction, &QAction::triggered, view, &CPokerView::OnOverview);
    connect(m_frame->m_helpAction, &QAction::triggered, view, &CPokerView::OnHelpContext);
    connect(m_frame->m_aboutAction, &QAction::triggered, this, &CPokerApp::OnAppAbout);

    m_document->m_nOpponents = dialog.m_nIndex + 1;
    m_document->UpdateAllViews(1);

    m_frame->move(0, 0);
    m_frame->resize(CMainFrame::kMaxWidth, CMainFrame::kMaxHeight);
    m_frame->show();
    return true;
}

void CPokerApp::OnFileNew()
{
    if (!m_document->OnNewDocument())
        return;
    m_pView->OnInitialUpdate();
}

void CPokerApp::OnAppAbout()
{
    CAboutDlg dialog(m_frame.get());
    dialog.DoModal();
}
