// The page's view of the game: CWebGame's verbs as methods of Module.Game,
// its results as plain JavaScript objects, and the texts the page shows.
#include "CardText.h"
#include "HandEvaluator.h"
#include "StringIds.h"
#include "StringTable.h"
#include "WebGame.h"
#include "WebRuns.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

using emscripten::val;

namespace {

val RowsValue(const std::vector<TWebRow>& rows)
{
    val list = val::array();
    for (const TWebRow& row : rows) {
        val item = val::object();
        item.set("label", row.m_strLabel);
        item.set("probability", row.m_strProbability);
        item.set("odds", row.m_strOdds);
        list.call<void>("push", item);
    }
    return list;
}

val StringsValue(const std::vector<std::string>& strings)
{
    val list = val::array();
    for (const std::string& text : strings)
        list.call<void>("push", text);
    return list;
}

val ResultValue(CWebGame& game)
{
    const TWebResult& result = game.Result();
    val value = val::object();
    value.set("final", result.m_bFinal);
    value.set("description", result.m_strDescription);
    value.set("advice", result.m_strAdvice);
    value.set("oneOpponent", RowsValue(result.m_arrOneOpponent));
    value.set("atLeastOne", RowsValue(result.m_arrAtLeastOne));
    value.set("showdownHeading", result.m_strShowdownHeading);
    value.set("showdown", RowsValue(result.m_arrShowdown));
    value.set("showdownNote", result.m_strShowdownNote);
    value.set("showdownHands", result.m_strShowdownHands);
    return value;
}

val HoldsValue(CWebGame& game)
{
    val list = val::array();
    for (const TWebHold& hold : game.Holds()) {
        val item = val::object();
        item.set("keep", hold.m_strKeep);
        item.set("keptCards", hold.m_strKeptCards);
        item.set("cells", StringsValue(hold.m_arrCells));
        item.set("discardMask", hold.m_nDiscardMask);
        list.call<void>("push", item);
    }
    return list;
}

val EquityValue(CWebGame& game)
{
    const TWebEquity& equity = game.Equity();
    val value = val::object();
    value.set("heading", equity.m_strHeading);
    value.set("note", equity.m_strNote);
    val holds = val::array();
    for (const TWebEquityHold& hold : equity.m_arrHolds) {
        val item = val::object();
        item.set("keep", hold.m_strKeep);
        item.set("keptCards", hold.m_strKeptCards);
        item.set("figures", StringsValue(hold.m_arrFigures));
        item.set("discardMask", hold.m_nDiscardMask);
        holds.call<void>("push", item);
    }
    value.set("holds", holds);
    return value;
}

val DecisionValue(CWebGame& game)
{
    const TWebDecision& decision = game.Decision();
    val value = val::object();
    value.set("heading", decision.m_strHeading);
    value.set("best", decision.m_strBest);
    value.set("runnerUp", decision.m_strRunnerUp);
    value.set("classicDiffers", decision.m_strClassicDiffers);
    value.set("discardMask", decision.m_nDiscardMask);
    return value;
}

val CallValue(CWebGame& game)
{
    const TWebCall& call = game.Call();
    val value = val::object();
    value.set("needed", call.m_strNeeded);
    value.set("verdict", call.m_strVerdict);
    value.set("assumption", call.m_strAssumption);
    value.set("key", call.m_strKey);
    return value;
}

// Numbers to a worker or from one, copied into a typed array of their own.
val NumbersValue(const std::vector<double>& numbers)
{
    return val::global("Float64Array").new_(emscripten::typed_memory_view(numbers.size(), numbers.data()));
}

// The runs of the hand shown: their generation, and per run its setup and
// how many ranges the workers play.
val RunsValue(CWebGame& game)
{
    val value = val::object();
    value.set("generation", game.Generation());
    val runs = val::array();
    for (const TWebRun& run : game.Runs()) {
        val item = val::object();
        item.set("setup", NumbersValue(SetupNumbers(run.m_setup)));
        item.set("units", static_cast<double>(run.m_nUnits));
        runs.call<void>("push", item);
    }
    value.set("runs", runs);
    return value;
}

bool AddTally(CWebGame& game, unsigned generation, unsigned run, const val& numbers)
{
    TTableTally tally;
    return TallyOfNumbers(emscripten::convertJSArrayToNumberVector<double>(numbers), tally) &&
           game.AddTally(generation, run, tally);
}

// A worker's one call: blocks first .. first + count - 1 of the setup, as a
// tally's numbers; empty when the setup's numbers are not one.
val PlayBlocks(const val& setupNumbers, double first, double count)
{
    TTableSetup setup;
    if (!SetupOfNumbers(emscripten::convertJSArrayToNumberVector<double>(setupNumbers), setup))
        return NumbersValue({});
    return NumbersValue(TallyNumbers(
        PlayTableBlocks(setup, static_cast<std::uint64_t>(first), static_cast<std::uint64_t>(count))));
}

val PickedValue(const CWebGame& game)
{
    val list = val::array();
    for (const int card : game.Doc().GetPicked())
        list.call<void>("push", card);
    return list;
}

// The texts of the page, by what they are for, so that the script never
// carries a string-table id.
val TextsValue()
{
    const std::pair<const char*, unsigned> texts[] = {
        {"appTitle", idAppTitle},
        {"initialCaption", idInitialHandCaption},
        {"finalCaption", idFinalHandCaption},
        {"discard", idDiscardButton},
        {"ok", idOk},
        {"opponents", idNumberOfOpponents},
        {"oneOpponentHeading", idOneOpponentHeading},
        {"atLeastOneHeading", idAtLeastOneHeading},
        {"formationColumn", idFormationColumn},
        {"probabilityColumn", idProbabilityColumn},
        {"oddsColumn", idOddsColumn},
        {"classicHeading", idClassicHeading},
        {"outcomeColumn", idShowdownOutcomeColumn},
        {"tableNote", idTableNote},
        {"pasteTitle", idPasteTitle},
        {"descriptionName", idHandDescriptionName},
        {"newCommand", idNewCommand},
        {"undoCommand", idUndoCommand},
        {"redoCommand", idRedoCommand},
        {"helpCommand", idHelpCommand},
        {"holdsTitle", idDrawAnalysisTitle},
        {"markDiscards", idDrawAnalysisMarkDiscards},
        {"keepColumn", idDrawAnalysisFirstHeading + 1},
        {"tableTitle", idTableTitle},
        {"rangeAny", idRangeAny},
        {"rangeOpened", idRangeOpened},
        {"rangePairOrBetter", idRangePairOrBetter},
        {"rangeTwoPair", idRangeTwoPair},
        {"rangeDraw", idRangeDraw},
        {"rangeTyped", idRangeTyped},
        {"opening", idTableOpening},
        {"pot", idTablePot},
        {"call", idTableCall},
        {"drewUnseen", idTableDrewUnseen},
    };
    val value = val::object();
    for (const auto& [name, id] : texts)
        value.set(name, WebText(id));
    // The draw analysis columns: #, Keep, the pot share at the table, one
    // per final category, Improve, At least as strong, Odds of improving.
    val headings = val::array();
    for (unsigned column = 0; column < 2 + hcCategoryCount + 3; ++column) {
        headings.call<void>("push", WebText(idDrawAnalysisFirstHeading + column));
        if (column == 1)
            headings.call<void>("push", WebText(idDrawAnalysisPotShareHeading));
    }
    value.set("holdsHeadings", headings);
    val outcomes = val::array();
    for (unsigned id : {idShowdownWin, idShowdownTie, idShowdownLose, idShowdownPotShare})
        outcomes.call<void>("push", WebText(id));
    value.set("outcomes", outcomes);
    return value;
}

int Stage(const CWebGame& game) { return static_cast<int>(game.Doc().GetStage()); }
int Opponents(const CWebGame& game) { return game.Doc().GetOpponents(); }
void SetOpponents(CWebGame& game, int opponents) { game.Doc().OnChangeOpponents(opponents); }
void NewGame(CWebGame& game) { game.Doc().OnNewDocument(); }
unsigned PickCount(const CWebGame& game) { return game.Doc().GetPickCount(); }
bool IsOffered(const CWebGame& game, int card) { return game.Doc().IsOffered(card); }
bool IsPicked(const CWebGame& game, int card) { return game.Doc().IsPicked(card); }
bool TogglePick(CWebGame& game, int card) { return game.Doc().TogglePick(card); }
bool CanConfirm(const CWebGame& game) { return game.Doc().CanConfirm(); }
bool Confirm(CWebGame& game) { return game.Doc().ConfirmCards(); }
int HandCard(const CWebGame& game, int place) { return game.Doc().GetHandCard(place); }
bool IsMarked(const CWebGame& game, int place) { return game.Doc().IsMarked(place); }
int MarkedCount(const CWebGame& game) { return game.Doc().GetMarkedCount(); }
bool CanMark(const CWebGame& game) { return game.Doc().CanMark(); }
bool ToggleMark(CWebGame& game, int place) { return game.Doc().ToggleMark(place); }
bool Discard(CWebGame& game) { return game.Doc().Discard(); }
bool MarkPlaces(CWebGame& game, unsigned discardMask) { return game.Doc().MarkPlaces(discardMask); }
bool CanUndo(const CWebGame& game) { return game.Doc().CanUndo(); }
bool CanRedo(const CWebGame& game) { return game.Doc().CanRedo(); }
bool Undo(CWebGame& game) { return game.Doc().Undo(); }
bool Redo(CWebGame& game) { return game.Doc().Redo(); }
bool IsKnown(const CWebGame& game, int card) { return game.Doc().GetManager().IsKnown(card); }
bool IsDiscarded(const CWebGame& game, int card) { return game.Doc().GetManager().IsDiscarded(card); }
bool CanSetSeenDraws(const CWebGame& game) { return game.Doc().CanSetSeenDraws(); }
int SeenDraw(const CWebGame& game, int seat) { return game.Doc().GetSeenDraw(seat); }
bool SetSeenDraw(CWebGame& game, int seat, int count) { return game.Doc().SetSeenDraw(seat, count); }
bool CycleSeenDraw(CWebGame& game, int seat) { return game.Doc().CycleSeenDraw(seat); }
bool CanSetRanges(const CWebGame& game) { return game.Doc().CanSetRanges(); }
bool SetOpening(CWebGame& game, int rank) { return game.Doc().SetOpening(rank); }
bool SetPrice(CWebGame& game, double pot, double call) { return game.Doc().SetPrice(pot, call); }
std::string Refusal(CWebGame& game) { return game.Refusal(); }

// A range typed or chosen for a seat: empty when taken, else the refusal
// in words naming the opponent, as the desktop shows it.
std::string SetRange(CWebGame& game, int seat, const std::string& words)
{
    std::string reason;
    if (game.Doc().SetRange(seat, words, &reason))
        return std::string();
    return FormatString(WebText(idRangeRefused).c_str(), reason.empty() ? words.c_str() : reason.c_str());
}

// The table beyond its seats: the opening rank (Ace-high index) and the price.
val TableValue(const CWebGame& game)
{
    const TTable& table = game.Doc().GetTable();
    val value = val::object();
    value.set("openRank", table.m_nOpenRank);
    value.set("pot", table.m_dPot);
    value.set("call", table.m_dCall);
    return value;
}

// A seat as the desktop's table shows it ("#2 drew 3") and as its screen
// reader says it: the name, and the value apart.
val SeatValue(const CWebGame& game, int seat)
{
    const int drew = game.Doc().GetSeenDraw(seat);
    const bool unseen = drew == kDrawUnseen;
    const TTable& table = game.Doc().GetTable();
    const bool ranged = seat < table.m_nOpponents && !table.m_aRanges[seat].IsAny();
    std::string said = unseen      ? WebText(idSeatNotSeen)
                       : drew == 1 ? WebText(idSeatDrewOne)
                                   : FormatString(WebText(idSeatDrewMany).c_str(), drew);
    if (ranged)
        said = FormatString(WebText(idSeatHolding).c_str(), said.c_str(), table.m_aRanges[seat].Text().c_str());
    val value = val::object();
    value.set("range", ranged ? table.m_aRanges[seat].Text() : std::string());
    value.set("words", seat < table.m_nOpponents ? table.m_astrRangeWords[seat] : std::string());
    value.set("prompt", FormatString(WebText(idRangePrompt).c_str(), seat + 1));
    value.set("drewLabel", FormatString(WebText(idTableSeatDrew).c_str(), seat + 1));
    value.set("drew", drew);
    value.set("unseen", unseen);
    value.set("label", unseen ? FormatString(WebText(idSeatDrewUnseen).c_str(), seat + 1)
                              : FormatString(WebText(idSeatDrew).c_str(), seat + 1, drew));
    value.set("name", FormatString(WebText(idSeatName).c_str(), seat + 1));
    value.set("value", said);
    return value;
}

}  // namespace

EMSCRIPTEN_BINDINGS(quintara)
{
    emscripten::class_<CWebGame>("Game")
        .constructor<>()
        .function("stage", &Stage)
        .function("opponents", &Opponents)
        .function("setOpponents", &SetOpponents)
        .function("newGame", &NewGame)
        .function("pickCount", &PickCount)
        .function("pickTitle", &CWebGame::PickTitle)
        .function("isOffered", &IsOffered)
        .function("isPicked", &IsPicked)
        .function("picked", &PickedValue)
        .function("togglePick", &TogglePick)
        .function("typeKey", &CWebGame::TypeKey)
        .function("eraseKey", &CWebGame::EraseKey)
        .function("clearTyping", &CWebGame::ClearTyping)
        .function("typedPrompt", &CWebGame::TypedPrompt)
        .function("paste", &CWebGame::Paste)
        .function("canConfirm", &CanConfirm)
        .function("confirm", &Confirm)
        .function("handCard", &HandCard)
        .function("isMarked", &IsMarked)
        .function("markedCount", &MarkedCount)
        .function("canMark", &CanMark)
        .function("toggleMark", &ToggleMark)
        .function("markPlaces", &MarkPlaces)
        .function("discard", &Discard)
        .function("canUndo", &CanUndo)
        .function("canRedo", &CanRedo)
        .function("undo", &Undo)
        .function("redo", &Redo)
        .function("result", &ResultValue)
        .function("holds", &HoldsValue)
        .function("equity", &EquityValue)
        .function("decision", &DecisionValue)
        .function("generation", &CWebGame::Generation)
        .function("runs", &RunsValue)
        .function("addTally", &AddTally)
        .function("holdsExplanation", &CWebGame::HoldsExplanation)
        .function("isKnown", &IsKnown)
        .function("isDiscarded", &IsDiscarded)
        .function("canSetSeenDraws", &CanSetSeenDraws)
        .function("seenDraw", &SeenDraw)
        .function("setSeenDraw", &SetSeenDraw)
        .function("cycleSeenDraw", &CycleSeenDraw)
        .function("seat", &SeatValue)
        .function("canSetRanges", &CanSetRanges)
        .function("setRange", &SetRange)
        .function("setOpening", &SetOpening)
        .function("setPrice", &SetPrice)
        .function("table", &TableValue)
        .function("call", &CallValue)
        .function("refusal", &Refusal)
        .function("tableSummary", &CWebGame::TableSummary);
    emscripten::function("texts", &TextsValue);
    emscripten::function("playTableBlocks", &PlayBlocks);
    emscripten::function("cardName", &WebCardName);
    emscripten::function("cardText", &CardText);
}
