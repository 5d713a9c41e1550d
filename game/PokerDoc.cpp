#include "PokerDoc.h"

#include "NoOfOpponentsDlg.h"
#include "PokerView.h"

CPokerDoc::CPokerDoc() = default;

CPokerDoc::~CPokerDoc() = default;

bool CPokerDoc::OnNewDocument()
{
    m_manager.Reset();
    return true;
}

void CPokerDoc::OnChangeOpponents()
{
    CNoOfOpponentsDlg dialog;
    if (dialog.DoModal() != QDialog::Accepted)
        return;
    m_manager.Reset();
    m_nOpponents = dialog.m_nIndex + 1;
    UpdateAllViews(1);
}

void CPokerDoc::UpdateAllViews(int hint)
{
    if (m_pView)
        m_pView->OnUpdate(hint);
}

void CPokerDoc::AddView(CPokerView* view)
{
    m_pView = view;
}

void CPokerDoc::RemoveView(CPokerView* view)
{
    if (m_pView == view)
        m_pView = nullptr;
}
