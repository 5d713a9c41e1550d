#include "PokerView.h"

#include "CallPrice.h"
#include "Decision.h"
#include "DrawAnalysisDlg.h"
#include "HelpWindow.h"
#include "PokerDoc.h"
#include "SceneText.h"
#include "StoredText.h"
#include "StringIds.h"
#include "Style.h"
#include "TableDlg.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputDialog>
#include <QMenu>
#include <QImage>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>

namespace {

enum : int { kOverviewTopic = 1 };
// How long a refused key's hint stays in the prompt.
constexpr int kHintMilliseconds = 2500;

// The decision waits for a pot-share interval this narrow (a point), or for
// the end of the run.
constexpr double kDecisionHalfWidth = 0.01;

// The block's line under the figures: exact, or what the ± is.
std::string ShortNote(const TTableResult& result)
{
    const bool exact = !result.m_arrHolds.empty() && result.m_arrHolds.front().m_bExact;
    if (exact)
        return LoadString(idEquityShortExact);
    return FormatString(LoadString(result.m_bDone ? idEquityShortSimulated : idEquityShortRunning).c_str(),
                        static_cast<unsigned long long>(result.m_nTrials));
}

// The right-hand area shared by the picker and the results; the table.
const QRect kRightArea(650, 0, 340, 690);
const QRect kTableArea(0, 10, 630, 620);

}  // namespace

CPokerView::CPokerView(CPokerDoc* document, QWidget* parent)
    : QAbstractScrollArea(parent)
    , m_pDocument(document)
    , m_pageItems(*document, m_cardsScene, m_playingScene, [this](int card) { PressCard(card); },
                  [this](int place) { PressPlace(place); }, [this](int seat) { PressSeat(seat); })
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
    viewport()->setCursor(Qt::ArrowCursor);

    m_cardsScene.CreateControls(viewport());
    m_playingScene.CreateControls(viewport());
    m_resultsScene.CreateControls(viewport());
    m_cardsScene.Layout(kRightArea);
    m_playingScene.Layout(kTableArea);
    m_resultsScene.Layout(kRightArea);
    connect(m_cardsScene.OkButton(), &QPushButton::clicked, this, &CPokerView::OnCardsConfirmed);
    connect(m_playingScene.DiscardButton(), &QPushButton::clicked, this, &CPokerView::OnDiscard);

    connect(&m_showdownRun, &CEquityRun::Changed, this, &CPokerView::ShowShowdownEquity);
    connect(&m_holdsRun, &CEquityRun::Changed, this, &CPokerView::ShowHoldsEquity);
    m_pDocument->SetListener([this](EUpdateHint hint) { OnUpdate(hint); });
    m_playingScene.SetOpponents(m_pDocument->GetOpponents());
    NamePageControls(m_playingScene, m_resultsScene);
    SetUpPageAccessibility(*this, m_pageItems);
    ShowDocument();

    // The page takes the keys of the game from the start.
    setFocusPolicy(Qt::StrongFocus);
    setFocus();
    m_hintTimer.setSingleShot(true);
    m_hintTimer.setInterval(kHintMilliseconds);
    connect(&m_hintTimer, &QTimer::timeout, this, [this] { ShowHint(std::string()); });

    // Ctrl+1 to Ctrl+5 step the seen draw of opponent 1 to 5 wherever the
    // focus is in the window: digits alone are ranks while picking.
    const Qt::Key digits[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5};
    for (int seat = 0; seat < kMaxTableOpponents; ++seat) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | digits[seat]), this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, seat] { PressSeat(seat); });
    }
}

CPokerView::~CPokerView()
{
    m_pDocument->SetListener(nullptr);
}

QPoint CPokerView::GetScrollPosition() const
{
    return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void CPokerView::OnUpdate(EUpdateHint hint)
{
    const TConfirmedHand& result = m_pDocument->GetResult();
    // A new table, or an undo across one, seats the document's number.
    if (m_playingScene.Opponents() != m_pDocument->GetOpponents())
        m_playingScene.SetOpponents(m_pDocument->GetOpponents());
    switch (hint) {
    case EUpdateHint::OpponentsSet:
    case EUpdateHint::InitialHand:
    case EUpdateHint::FinalHand:
    case EUpdateHint::Restored:
        m_resultsScene.SetResults(result.m_arrOneOpponent, result.m_arrAtLeastOne);
        m_playingScene.SetDescription(result.m_strDescription);
        break;
    default:
        break;
    }
    // A step may hide the focused OK or Discard: the page then takes the
    // keys back rather than Qt passing them to the next list.
    QWidget* focus = QApplication::focusWidget();
    const bool focusHere = focus == this || isAncestorOf(focus);
    if (hint != EUpdateHint::Picked) {
        m_typing.Clear();
        m_strHint.clear();
    }
    ShowDocument();
    if (focusHere && hint != EUpdateHint::Picked && hint != EUpdateHint::Marked && hint != EUpdateHint::DrawSeen)
        setFocus();
}

void CPokerView::ShowDocument()
{
    const CPokerDoc& doc = *m_pDocument;
    const EStage stage = doc.GetStage();

    bool offered[52];
    bool picked[52];
    for (int card = 0; card < 52; ++card) {
        offered[card] = doc.IsOffered(card);
        picked[card] = doc.IsPicked(card);
    }
    const unsigned count = doc.GetPickCount();
    const unsigned titleId = stage == EStage::PickInitialHand ? idPickFiveCards
                             : count == 1                     ? idPickReplacement
                                                              : idPickReplacements;
    m_cardsScene.Show(count > 0, titleId, offered, picked, doc.CanConfirm());

    int cards[CPokerDoc::kPlaces];
    bool marked[CPokerDoc::kPlaces];
    for (int place = 0; place < CPokerDoc::kPlaces; ++place) {
        cards[place] = doc.GetHandCard(place);
        marked[place] = doc.IsMarked(place);
    }
    m_playingScene.ShowHand(cards, marked, stage == EStage::FinalHand);
    m_playingScene.ShowSeenDraws(doc.GetTable().m_anDrew, doc.CanSetSeenDraws());
    std::vector<std::string> ranges;
    for (int seat = 0; seat < doc.GetOpponents(); ++seat)
        ranges.push_back(doc.GetTable().m_aRanges[seat].IsAny() ? std::string() : doc.GetTable().m_aRanges[seat].Text());
    m_playingScene.ShowRanges(ranges);
    m_playingScene.ShowControls(doc.CanMark(), doc.GetMarkedCount() > 0, doc.CanMark() || stage == EStage::FinalHand);

    const bool results = stage == EStage::InitialHand || stage == EStage::CardsMarked || stage == EStage::FinalHand;
    // After the draw the third box has no discards to suggest: it gives the
    // call's verdict, when there is a call to price.
    const bool finalCall = stage == EStage::FinalHand && doc.GetTable().m_dCall > 0;
    m_resultsScene.SetSuggestionsHeading(stage == EStage::FinalHand ? idCallHeading : idSuggestionsHeading);
    m_resultsScene.Show(results, stage != EStage::FinalHand || finalCall);
    m_playingScene.ShowShowdown(results);

    PlaceControls();
    RunEquity();
    viewport()->update();
    NotifyPageAccessibility(*this);
    emit DrawAnalysisAvailable(doc.CanMark());
    emit HistoryChanged(doc.CanUndo(), doc.CanRedo());
}

void CPokerView::RunEquity()
{
    const CPokerDoc& doc = *m_pDocument;
    const bool initial = doc.CanMark();
    const bool final = doc.GetStage() == EStage::FinalHand;
    // The initial hand stands pat against opponents who stand pat too; the
    // final one meets the table as it drew.
    bool newFinalRun = false;
    if (initial)
        m_showdownRun.Start(doc.GetShowdownSetup(ShowdownTrials(), kTableSeed));
    else if (final)
        newFinalRun = m_showdownRun.Start(doc.GetEquitySetup(false, ETableModel::UsualPlay, EquityTrials(), kTableSeed));
    else
        m_showdownRun.Stop();
    if (!initial)
        m_holdsRun.Stop();
    // A new price is written anew, even into a run that goes on.
    const bool repriced = doc.GetTable().m_dPot != m_dWrittenPot || doc.GetTable().m_dCall != m_dWrittenCall;
    m_dWrittenPot = doc.GetTable().m_dPot;
    m_dWrittenCall = doc.GetTable().m_dCall;
    if (!initial || m_holdsRun.Start(doc.GetEquitySetup(true, ETableModel::UsualPlay, EquityTrials(), kTableSeed))
        || repriced) {
        m_strDecision.clear();
        m_strClassicDiffers.clear();
    }
    if (!final || newFinalRun || repriced)
        m_strFinalCall.clear();
    // A restored state shows the figures its runs have, not the bare texts.
    ShowShowdownEquity();
    ShowHoldsEquity();
}

void CPokerView::ShowShowdownEquity()
{
    if (!m_showdownRun.HasSetup())
        return;
    const TTableSetup& setup = m_showdownRun.Setup();
    const TTableResult& result = m_showdownRun.Result();
    TTable table = m_pDocument->GetTable();
    table.m_eModel = setup.m_eModel;
    // Standing pat, the run counted every hand: its heading names no range.
    std::copy(std::begin(setup.m_aRanges), std::end(setup.m_aRanges), std::begin(table.m_aRanges));
    const unsigned headingId = setup.m_eModel == ETableModel::StandPat ? idEquityStandingHeading : idEquityFinalHeading;
    const std::string heading = FormatString(LoadString(headingId).c_str(), DescribeTable(table).c_str());
    // The seen counts and the ranges show beside the seats too; without
    // them the heading is one line.
    TTable unseen = table;
    std::fill(std::begin(unseen.m_anDrew), std::end(unseen.m_anDrew), kDrawUnseen);
    std::fill(std::begin(unseen.m_aRanges), std::end(unseen.m_aRanges), CHandRange());
    const std::string shortHeading = FormatString(LoadString(headingId).c_str(), DescribeTable(unseen).c_str());

    TEquityRows rows;
    std::string note;
    if (result.m_eError != ETableError::None)
        note = LoadString(idEquityRefused);
    else if (result.m_arrHolds.empty() || (!result.m_arrHolds.front().m_bExact && result.m_nTrials == 0))
        note = LoadString(idEquityDealing);
    else {
        rows = EquityRows(result.m_arrHolds.front(), result.m_nTrials);
        note = ShortNote(result);
    }
    m_playingScene.SetShowdown(heading, shortHeading, rows, note);
    ShowFinalCall();
}

void CPokerView::ShowFinalCall()
{
    const TTable& table = m_pDocument->GetTable();
    if (m_pDocument->GetStage() != EStage::FinalHand || table.m_dCall <= 0)
        return;
    const TTableResult& result = m_showdownRun.Result();
    const bool counted = !result.m_arrHolds.empty() && result.m_arrHolds.front().m_bExact;
    const bool usable = m_showdownRun.HasSetup() && result.m_eError == ETableError::None && !result.m_arrHolds.empty()
        && (result.m_bDone || counted
            || (result.m_nTrials > 0 && result.m_arrHolds.front().m_dPotShareError <= kDecisionHalfWidth));
    // As the decision: written once the interval is usable and once more at
    // the end, with the command line's figures.
    if (usable && (m_strFinalCall.empty() || result.m_bDone)) {
        const TCallText call =
            DescribeCall(PriceHoldCall(table.m_dPot, table.m_dCall, result.m_arrHolds.front(), result.m_nTrials));
        m_strFinalCall = call.m_strNeeded + "\r\n" + call.m_strVerdict + "\r\n" + call.m_strAssumption;
    }
    if (result.m_eError != ETableError::None)
        m_resultsScene.SetSuggestions(LoadString(idEquityRefused));
    else
        m_resultsScene.SetSuggestions(m_strFinalCall.empty() ? LoadString(idEquityDealing) : m_strFinalCall);
}

void CPokerView::ShowHoldsEquity()
{
    // The final hand's box holds its call, from the showdown run.
    if (m_pDocument->GetStage() == EStage::FinalHand)
        return;
    const TTableResult& result = m_holdsRun.Result();
    const TTableDecision decision = DecideHold(result);
    const bool usable = m_holdsRun.HasSetup() && result.m_eError == ETableError::None && decision.m_bValid
        && (result.m_bDone || (result.m_nTrials > 0 && decision.m_best.m_dPotShareError <= kDecisionHalfWidth));
    // Written once the intervals are usable and once more at the end, with
    // the command line's figures: a text changing at every poll could be
    // neither read nor listened to.
    if (usable && (m_strDecision.empty() || result.m_bDone)) {
        const TTableSetup& setup = m_holdsRun.Setup();
        TTable table = m_pDocument->GetTable();
        table.m_eModel = setup.m_eModel;
        const TDecisionText text = DescribeDecision(decision, setup.m_anHand, table, result.m_nTrials);
        m_strDecision = text.m_strHeading + "\r\n" + text.m_strBest + "\r\n" + text.m_strRunnerUp;
        // The price of a call, for the best hold, when one is given.
        const TCallPrice price = PriceHoldCall(table.m_dPot, table.m_dCall, decision.m_best, result.m_nTrials);
        const TCallText call = DescribeCall(price);
        if (price.m_bValid)
            m_strDecision += "\r\n" + call.m_strNeeded + " " + call.m_strVerdict + " " + call.m_strAssumption;
        m_strClassicDiffers =
            DescribeClassicDiffers(m_pDocument->GetResult().m_arrClassicKept, result, decision, setup.m_anHand);
    }
    // The decision first, then the classic play with its exact figures.
    std::string text = m_strDecision.empty() ? LoadString(idEquityDealing) : m_strDecision;
    text += "\r\n\r\n" + LoadString(idClassicHeading) + "\r\n" + m_pDocument->GetResult().m_strAdvice;
    if (!m_strClassicDiffers.empty())
        text += "\r\n\r\n" + m_strClassicDiffers;
    m_resultsScene.SetSuggestions(text);
}

void CPokerView::OnCardsConfirmed()
{
    m_pDocument->ConfirmCards();
}

void CPokerView::OnDiscard()
{
    m_pDocument->Discard();
}

void CPokerView::OnDrawAnalysis()
{
    // Offered only while the initial hand is shown; a call at any other
    // stage changes nothing.
    if (!m_pDocument->CanMark())
        return;
    int hand[CPokerDoc::kPlaces];
    for (int place = 0; place < CPokerDoc::kPlaces; ++place)
        hand[place] = m_pDocument->GetHandCard(place);
    bool known[52];
    for (int card = 0; card < 52; ++card)
        known[card] = m_pDocument->GetManager().IsKnown(card);

    CDrawAnalysisDlg dialog(hand, known, this);
    // The page's own run of every hold: one run, read by both.
    TTable table = m_pDocument->GetTable();
    table.m_eModel = m_holdsRun.Setup().m_eModel;
    dialog.ShowTableEquity(m_holdsRun, DescribeTable(table));
    if (dialog.DoModal() == QDialog::Accepted)
        m_pDocument->MarkPlaces(dialog.m_nDiscardMask);
}

void CPokerView::OnTable()
{
    if (!m_pDocument->CanSetRanges())
        return;
    CTableDlg dialog(m_pDocument->GetTable(), m_pDocument->CanSetSeenDraws(), this);
    // A refusal keeps the dialog open, with the reason, for another try.
    while (dialog.exec() == QDialog::Accepted) {
        // A pot without a call (or the reverse) prices nothing: say so,
        // rather than blame a range.
        const TTable wanted = dialog.Table();
        if ((wanted.m_dPot > 0) != (wanted.m_dCall > 0)) {
            dialog.ShowRefusal(Text(idPriceRefused));
            continue;
        }
        std::string reason;
        if (m_pDocument->SetTable(wanted, &reason))
            return;
        dialog.ShowRefusal(QString::fromStdString(FormatString(LoadString(idRangeRefused).c_str(), reason.c_str())));
    }
}

void CPokerView::ShowSeatMenu(int seat, const QPoint& global)
{
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("seatMenu"));
    std::vector<std::pair<QAction*, std::string>> choices;
    const auto add = [&](QMenu* to, const QString& caption, const std::string& words) {
        choices.emplace_back(to->addAction(caption), words);
    };
    add(&menu, Text(idRangeAny), "any");
    add(&menu, Text(idRangeOpened), "open");
    QMenu* pairs = menu.addMenu(Text(idRangePairOrBetter));
    static const char kRanks[] = "23456789TJQKA";
    for (int rank = 12; rank >= 0; --rank) {
        const std::string words = std::string(2, kRanks[rank]) + "+";
        add(pairs, QString::fromStdString(words), words);
    }
    add(&menu, Text(idRangeTwoPair), "2P+");
    add(&menu, Text(idRangeDraw), "4F/OE");
    QAction* typed = menu.addAction(Text(idRangeTyped));
    QAction* chosen = menu.exec(global);
    if (!chosen)
        return;
    for (const auto& [action, words] : choices)
        if (action == chosen) {
            m_pDocument->SetRange(seat, words);
            return;
        }
    if (chosen != typed)
        return;
    QString text = QString::fromStdString(m_pDocument->GetTable().m_astrRangeWords[seat]);
    for (;;) {
        bool ok = false;
        text = QInputDialog::getText(this, Text(idTableTitle),
                                     QString::fromStdString(FormatString(LoadString(idRangePrompt).c_str(), seat + 1)),
                                     QLineEdit::Normal, text, &ok);
        std::string reason;
        if (!ok || m_pDocument->SetRange(seat, text.trimmed().toStdString(), &reason))
            return;
        QMessageBox box(QMessageBox::Warning, Text(idTableTitle),
                        QString::fromStdString(FormatString(LoadString(idRangeRefused).c_str(), reason.c_str())),
                        QMessageBox::Ok, this);
        box.exec();
    }
}

void CPokerView::contextMenuEvent(QContextMenuEvent* event)
{
    if (!m_pDocument->CanSetRanges())
        return;
    if (event->reason() == QContextMenuEvent::Mouse) {
        const int seat = m_playingScene.SeatHitTest(event->pos() + GetScrollPosition());
        if (seat >= 0)
            ShowSeatMenu(seat, event->globalPos());
        return;
    }
    // The keyboard: the page holds the focus, not a seat, so the menu asks
    // which seat first, unless there is only one.
    const QPoint at = viewport()->mapToGlobal(QPoint(20, 20));
    if (m_pDocument->GetOpponents() == 1) {
        ShowSeatMenu(0, at);
        return;
    }
    QMenu seats(this);
    seats.setObjectName(QStringLiteral("seatsMenu"));
    for (int seat = 0; seat < m_pDocument->GetOpponents(); ++seat)
        seats.addAction(QString::fromStdString(FormatString(LoadString(idSeatName).c_str(), seat + 1)))->setData(seat);
    if (QAction* chosen = seats.exec(at))
        ShowSeatMenu(chosen->data().toInt(), at);
}

void CPokerView::OnLButtonDown(const QPoint& page)
{
    const int card = m_cardsScene.HitTest(page);
    const int place = card < 0 ? m_playingScene.HitTest(page) : -1;
    if (card >= 0)
        PressCard(card);
    else if (place >= 0)
        PressPlace(place);
    else
        PressSeat(m_playingScene.SeatHitTest(page));
}

void CPokerView::PressCard(int card)
{
    if (m_cardsScene.IsActive())
        m_pDocument->TogglePick(card);
}

void CPokerView::PressPlace(int place)
{
    if (m_pDocument->CanMark())
        m_pDocument->ToggleMark(place);
}

void CPokerView::PressSeat(int seat)
{
    if (m_pDocument->CanSetSeenDraws())
        m_pDocument->CycleSeenDraw(seat);
}

void CPokerView::DrawPage(QPainter& buffer) const
{
    m_playingScene.Draw(buffer);
    m_cardsScene.Draw(buffer);
    m_resultsScene.Draw(buffer);
    DrawPrompt(buffer);
}

void CPokerView::paintEvent(QPaintEvent* event)
{
    // The image holds the page at page coordinates and reaches at least as
    // far as the viewport shows, so that every exposed pixel has a source.
    // It has the screen's density: the page is painted in logical pixels and
    // the dense pictures and text land on device pixels, unscaled.
    const QRect exposed = event->rect();
    const QPoint scroll = GetScrollPosition();
    const QSize client = viewport()->size();
    const qreal ratio = viewport()->devicePixelRatio();
    const QSize page(qMax(kPageWidth, scroll.x() + client.width()), qMax(kPageHeight, scroll.y() + client.height()));
    if (m_pageImage.size() != page * ratio || m_pageImage.devicePixelRatio() != ratio) {
        m_pageImage = QImage(page * ratio, QImage::Format_RGB32);
        m_pageImage.setDevicePixelRatio(ratio);
    }
    m_pageImage.fill(kFeltGreen);
    {
        QPainter bufferPainter(&m_pageImage);
        DrawPage(bufferPainter);
    }
    QPainter painter(viewport());
    const QRectF source(QPointF(exposed.topLeft() + scroll) * ratio, QSizeF(exposed.size()) * ratio);
    painter.drawImage(QRectF(exposed), m_pageImage, source);
}

void CPokerView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        OnLButtonDown(event->position().toPoint() + GetScrollPosition());
    QAbstractScrollArea::mousePressEvent(event);
}

void CPokerView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint page = event->position().toPoint() + GetScrollPosition();
    const bool overCard = m_cardsScene.HitTest(page) >= 0
        || (m_pDocument->CanMark() && m_playingScene.HitTest(page) >= 0)
        || (m_pDocument->CanSetSeenDraws() && m_playingScene.SeatHitTest(page) >= 0);
    viewport()->setCursor(overCard ? Qt::PointingHandCursor : Qt::ArrowCursor);
    QAbstractScrollArea::mouseMoveEvent(event);
}

void CPokerView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
    PlaceControls();
}

void CPokerView::scrollContentsBy(int, int)
{
    PlaceControls();
    viewport()->update();
}

void CPokerView::PlaceControls()
{
    const QPoint scroll = GetScrollPosition();
    m_playingScene.PlaceControls(scroll);
    m_cardsScene.PlaceControls(scroll);
    m_resultsScene.PlaceControls(scroll);
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
    OpenHelp(static_cast<int>(m_pDocument->GetStage()));
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
    QMessageBox box(QMessageBox::Warning, Text(idAppTitle), Text(idFailedToLaunchHelp), QMessageBox::Ok, this);
    box.exec();
}

void CPokerView::keyPressEvent(QKeyEvent* event)
{
    // Shift+F10 opens the seat menu as the context-menu key does, wherever
    // the platform leaves it a plain key.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(20, 20), viewport()->mapToGlobal(QPoint(20, 20)));
        contextMenuEvent(&menu);
        return;
    }
    if (!OnGameKey(*event))
        QAbstractScrollArea::keyPressEvent(event);
}

bool CPokerView::OnGameKey(const QKeyEvent& event)
{
    CPokerDoc& doc = *m_pDocument;
    const bool enter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
    const QString text = event.text();
    const bool typed = text.size() == 1 && text[0].isPrint() &&
                       !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (doc.GetPickCount() > 0) {
        if (event.matches(QKeySequence::Paste)) {
            OnPaste();
        } else if (enter) {
            OnCardsConfirmed();  // refused until the pick is complete
        } else if (event.key() == Qt::Key_Backspace) {
            m_typing.Erase(doc);
            ShowHint(std::string());
        } else if (event.key() == Qt::Key_Escape && !m_typing.GetPending().empty()) {
            m_typing.Clear();
            ShowHint(std::string());
        } else if (typed) {
            // Any other character is simply not a card.
            const char key = text[0].unicode() < 0x80 ? static_cast<char>(text[0].unicode()) : '?';
            ShowHint(m_typing.Type(doc, key));
        } else {
            return false;
        }
        return true;
    }
    if (doc.CanMark()) {
        const int digit = typed ? text[0].digitValue() : -1;
        if (enter)
            OnDiscard();  // refused while nothing is marked
        else if (digit >= 1 && digit <= CPokerDoc::kPlaces)
            doc.ToggleMark(digit - 1);
        else
            return false;
        return true;
    }
    return false;
}

void CPokerView::OnPaste()
{
    m_typing.Clear();
    const std::string refusal = PastePicks(*m_pDocument, QApplication::clipboard()->text().toStdString());
    if (refusal.empty())
        return;
    QMessageBox box(QMessageBox::Warning, Text(idPasteTitle), QString::fromStdString(refusal), QMessageBox::Ok, this);
    box.exec();
}

void CPokerView::ShowHint(const std::string& hint)
{
    m_strHint = QString::fromStdString(hint);
    if (m_strHint.isEmpty())
        m_hintTimer.stop();
    else
        m_hintTimer.start();
    viewport()->update();
}

void CPokerView::DrawPrompt(QPainter& buffer) const
{
    if (!m_cardsScene.IsActive())
        return;
    QString prompt = m_strHint;
    if (prompt.isEmpty() && !m_typing.GetPending().empty())
        prompt = QString::fromStdString(FormatStoredText(idTypedCard, m_typing.GetPending().c_str()));
    if (prompt.isEmpty())
        return;
    // Below the OK button, which ends 42 pixels under the picker.
    const QRect picker = m_cardsScene.Area();
    const QRect line(picker.left(), picker.top() + picker.height() + 46, picker.width(), 24);
    DrawSceneText(buffer, prompt, line, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine);
}
