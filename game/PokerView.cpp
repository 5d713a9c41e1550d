#include "PokerView.h"

#include "Colours.h"
#include "DiscardAdvice.h"
#include "DrawAnalysisDlg.h"
#include "HandDescription.h"
#include "HelpWindow.h"
#include "PokerDoc.h"
#include "ScrollableStatic.h"
#include "StringTable.h"

#include <QImage>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>

namespace {

enum : unsigned {
    kIdsAppTitle = 57344,
    kIdsFailedToLaunchHelp = 61703,
};

enum : int {
    kHintNewGame = 0,
    kHintOpponentsSet = 1,
    kHintInitialHand = 2,
    kHintFinalHand = 3,
};

enum : int { kOverviewTopic = 1 };

// The right-hand area shared by the picker and the results; the table.
const QRect kRightArea(650, 0, 340, 690);
const QRect kTableArea(0, 10, 630, 620);

} // namespace

CPokerView::CPokerView(CPokerDoc* document, QWidget* parent)
    : QAbstractScrollArea(parent)
    , m_playingScene(this)
    , m_cardsScene(this)
    , m_resultsScene(this)
    , m_pDocument(document)
    , m_helpFile(DefaultHelpFilePath())
{
    setFrameShape(QFrame::NoFrame);
    QPalette felt = palette();
    felt.setColor(QPalette::Window, kFeltGreen);
    felt.setColor(QPalette::Base, kFeltGreen);
    viewport()->setPalette(felt);
    // Every paint covers the whole exposed rectangle from the page image.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setMouseTracking(true);
    viewport()->setCursor(m_arrowCursor);

    m_cardsScene.CreateControls();
    m_playingScene.CreateControls();
    m_resultsScene.CreateControls();
    connect(m_cardsScene.m_okButton, &QPushButton::clicked, this, &CPokerView::OnCardsConfirmed);
    connect(m_playingScene.m_discardButton, &QPushButton::clicked, this, &CPokerView::OnDiscard);

    if (m_pDocument)
        m_pDocument->AddView(this);
}

CPokerView::~CPokerView()
{
    if (m_pDocument)
        m_pDocument->RemoveView(this);
}

QPoint CPokerView::GetScrollPosition() const
{
    return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void CPokerView::InvalidatePageRect(const QRect& pageRect, bool /*erase*/)
{
    viewport()->update(pageRect.translated(-GetScrollPosition()));
}

void CPokerView::InvalidateScene(const QRect& pageRect)
{
    InvalidatePageRect(pageRect, true);
}

void CPokerView::OnInitialUpdate()
{
    UpdateScrollBars();
    m_bFinalHand = false;
    m_cardsScene.LoadCardImages();
    m_resultsScene.m_shown = 0;
    m_resultsScene.m_suggestionsShown = 0;
    m_cardsScene.m_rect = kRightArea;
    m_resultsScene.m_rect = kRightArea;
    OnUpdate(kHintNewGame);
    m_playingScene.Layout(kTableArea);
}

void CPokerView::OnUpdate(int hint)
{
    switch (hint) {
    case kHintNewGame:
    case kHintOpponentsSet:
        SetStage(3);
        if (hint == kHintOpponentsSet)
            m_playingScene.SetOpponents(m_pDocument ? m_pDocument->m_nOpponents : 1);
        else
            m_playingScene.NewGame();
        ArmPicker(5, true);
        HideResults();
        m_bFinalHand = false;
        break;
    case kHintInitialHand:
        SetStage(4);
        m_playingScene.ShowInitialHand();
        m_resultsScene.m_shown = 1;
        m_resultsScene.m_suggestionsShown = 1;
        m_resultsScene.m_oneOpponentList->show();
        m_resultsScene.m_atLeastOneList->show();
        m_resultsScene.m_suggestionsBox->show();
        InvalidateScene(m_resultsScene.m_rect);
        break;
    case kHintFinalHand:
        SetStage(7);
        m_playingScene.ShowFinalHand();
        m_resultsScene.m_shown = 1;
        m_resultsScene.m_suggestionsShown = 0;
        m_resultsScene.m_oneOpponentList->show();
        m_resultsScene.m_atLeastOneList->show();
        m_resultsScene.m_suggestionsBox->hide();
        InvalidateScene(m_resultsScene.m_rect);
        break;
    default:
        break;
    }
    // Controls shown again stand where the page was when they were last placed.
    PlaceControls();
}

void CPokerView::OnCardsConfirmed()
{
    // The button is enabled only at the exact count; a stray call must not
    // analyse a hand of the wrong size.
    if (!m_pDocument || !m_cardsScene.m_active
        || m_cardsScene.m_selectionCount != m_cardsScene.m_maxSelection)
        return;
    CCardDistributionManager& manager = m_pDocument->m_manager;

    m_cardsScene.m_initialPick = false;
    m_cardsScene.m_active = false;
    m_cardsScene.CommitSelection();
    m_cardsScene.m_okButton->hide();
    InvalidateScene(m_cardsScene.m_rect);

    manager.AnalyzeHand();

    CCardDistributionManager::TRows rows;
    manager.BuildOneOpponentTable(rows);
    m_resultsScene.FillTable(m_resultsScene.m_oneOpponentList, rows);
    const double pHigherForOne = rows.size() > 1 ? rows.back().m_dProbability : 0.0;
    manager.BuildAtLeastOneOpponentTable(rows, static_cast<unsigned>(m_pDocument->m_nOpponents), pHigherForOne);
    m_resultsScene.FillTable(m_resultsScene.m_atLeastOneList, rows);

    if (!m_bFinalHand)
        m_resultsScene.SetSuggestions(BuildAdvice());
    m_playingScene.m_adviceBox->SetText(DescribeHand(!m_bFinalHand));

    m_pDocument->UpdateAllViews(m_bFinalHand ? kHintFinalHand : kHintInitialHand);
}

void CPokerView::OnDiscard()
{
    // Discard is enabled only while a card is marked.
    if (!m_playingScene.m_discardPhase || m_playingScene.m_discardCount <= 0)
        return;
    const int discarded = m_playingScene.Discard();

    m_bFinalHand = true;
    ArmPicker(static_cast<unsigned>(discarded), false);
    HideResults();
    SetStage(6);
}

// A pick begins: the picker takes over the right-hand area.
void CPokerView::ArmPicker(unsigned count, bool initialPick)
{
    m_cardsScene.m_maxSelection = count;
    m_cardsScene.m_initialPick = initialPick;
    m_cardsScene.m_active = true;
    m_cardsScene.Reset();
    m_cardsScene.m_okButton->show();
    InvalidateScene(m_cardsScene.m_rect);
}

void CPokerView::HideResults()
{
    m_resultsScene.m_shown = 0;
    m_resultsScene.m_suggestionsShown = 0;
    m_resultsScene.m_oneOpponentList->hide();
    m_resultsScene.m_atLeastOneList->hide();
    m_resultsScene.m_suggestionsBox->hide();
    InvalidateScene(m_resultsScene.m_rect);
}

void CPokerView::OnDrawAnalysis()
{
    // Offered only while the initial hand is shown; a call at any other
    // stage changes nothing.
    if (!m_pDocument || (m_nStage != 4 && m_nStage != 5))
        return;
    int hand[5];
    if (!m_playingScene.GetHandCards(hand))
        return;
    const CCardDistributionManager& manager = m_pDocument->m_manager;
    bool known[52];
    for (int card = 0; card < 52; ++card)
        known[card] = manager.m_anCardCounts[card / 13][card % 13] != 0;

    CDrawAnalysisDlg dialog(hand, known, this);
    if (dialog.DoModal() != QDialog::Accepted)
        return;
    if (m_playingScene.MarkDiscards(dialog.m_nDiscardMask))
        SetStage(4 + (m_playingScene.m_discardCount > 0 ? 1 : 0));
}

std::string CPokerView::BuildAdvice()
{
    return ::BuildAdvice(m_pDocument->m_manager);
}

std::string CPokerView::DescribeHand(bool initialHand)
{
    return ::DescribeHand(m_pDocument->m_manager, initialHand);
}

std::string CPokerView::DescribeStraightDraw(int nameId)
{
    return ::DescribeStraightDraw(m_pDocument->m_manager, nameId);
}

void CPokerView::OnLButtonDown(const QPoint& point)
{
    const QPoint scroll = GetScrollPosition();
    if (m_cardsScene.OnClick(point.x(), point.y(), scroll.x(), scroll.y()))
        return;
    if (m_playingScene.OnClick(point.x(), point.y(), scroll.x(), scroll.y()))
        SetStage(4 + (m_playingScene.m_discardCount > 0 ? 1 : 0));
}

void CPokerView::OnMouseMove(const QPoint& point)
{
    const QPoint page = point + GetScrollPosition();
    const bool overCard = (m_cardsScene.m_active && m_cardsScene.HitTest(page.x(), page.y()))
        || m_playingScene.IsOverHandCard(page.x(), page.y());
    viewport()->setCursor(overCard ? m_handCursor : m_arrowCursor);
}

void CPokerView::DrawPage(QPainter& buffer)
{
    const QPoint scroll = GetScrollPosition();
    m_playingScene.Draw(buffer, scroll.x(), scroll.y());
    m_cardsScene.Draw(buffer, scroll.x(), scroll.y());
    m_resultsScene.Draw(buffer, scroll.x(), scroll.y());
}

void CPokerView::OnDraw(QPainter& painter, const QRect& exposed)
{
    if (!m_pDocument) {
        painter.fillRect(exposed, kFeltGreen);
        return;
    }
    // The image holds the page at page coordinates and reaches at least as
    // far as the viewport shows, so that every exposed pixel has a source.
    const QPoint scroll = GetScrollPosition();
    const QSize client = viewport()->size();
    QImage buffer(qMax(kPageWidth, scroll.x() + client.width()),
                  qMax(kPageHeight, scroll.y() + client.height()), QImage::Format_RGB32);
    buffer.fill(kFeltGreen);
    {
        QPainter bufferPainter(&buffer);
        DrawPage(bufferPainter);
    }
    painter.drawImage(exposed.topLeft(), buffer, exposed.translated(scroll));
}

void CPokerView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    OnDraw(painter, event->rect());
}

void CPokerView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        OnLButtonDown(event->position().toPoint());
    QAbstractScrollArea::mousePressEvent(event);
}

void CPokerView::mouseMoveEvent(QMouseEvent* event)
{
    OnMouseMove(event->position().toPoint());
    QAbstractScrollArea::mouseMoveEvent(event);
}

void CPokerView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void CPokerView::scrollContentsBy(int, int)
{
    // The scenes place their controls from the scroll position while drawing.
    PlaceControls();
    viewport()->update();
}

void CPokerView::PlaceControls()
{
    // No paint reaches a window that one of the controls covers whole, so
    // waiting for one would leave them where they were: the scenes draw
    // nowhere instead, which places them all the same.
    QImage nowhere(1, 1, QImage::Format_RGB32);
    QPainter painter(&nowhere);
    DrawPage(painter);
}

void CPokerView::SetStage(int stage)
{
    m_nStage = stage;
    emit DrawAnalysisAvailable(stage == 4 || stage == 5);
}

void CPokerView::UpdateScrollBars()
{
    const QSize client = viewport()->size();
    QScrollBar* horizontal = horizontalScrollBar();
    horizontal->setRange(0, qMax(0, kPageWidth - client.width()));
    horizontal->setPageStep(client.width());
    horizontal->setSingleStep(kPageWidth / 100);
    QScrollBar* vertical = verticalScrollBar();
    vertical->setRange(0, qMax(0, kPageHeight - client.height()));
    vertical->setPageStep(client.height());
    vertical->setSingleStep(kPageHeight / 100);
}

void CPokerView::OnHelpContext()
{
    OpenHelp(m_nStage);
}

void CPokerView::OnOverview()
{
    OpenHelp(kOverviewTopic);
}

void CPokerView::OpenHelp(int contextId)
{
    if (!m_pHelpWindow)
        m_pHelpWindow = new CHelpWindow(this);
    if (m_pHelpWindow->ShowTopic(m_helpFile, contextId))
        return;
    QMessageBox box(QMessageBox::Warning, QString::fromStdString(LoadString(kIdsAppTitle)),
                    QString::fromStdString(LoadString(kIdsFailedToLaunchHelp)), QMessageBox::Ok, this);
    box.exec();
}
