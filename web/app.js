// The page of the web edition. Every decision is the game's (Module.Game, the
// desktop's document compiled to WebAssembly): the page calls one verb, then
// shows again everything the game says.
"use strict";

// Where the game stands (the document's stages).
const kStage = { pickInitialHand: 3, initialHand: 4, cardsMarked: 5, pickReplacements: 6, finalHand: 7 };
const kPlaces = 5;
const kMaxOpponents = 5;
const kCards = 52;
const kRanks = 13;
// res/images: bitmap142 is the card back, bitmap144 the Ace of clubs and the
// faces follow in card-index order (13 x suit + rank), each also at @2x.
const kBackPicture = 142;
const kFirstFacePicture = 144;
// How long a refused key's hint stays in the prompt.
const kHintMilliseconds = 2500;
// The figures show again at most this often while the workers play, so that
// the page stays free for taps.
const kFiguresMilliseconds = 250;

let game = null;
let texts = null;
let hint = "";
let hintTimer = 0;
let holdsShown = null;  // the generation of runs the holds' order was reset for
let holdsComplete = null;  // and the one whose pot shares they show whole

const $ = (id) => document.getElementById(id);

function picture(img, id) {
  img.src = `images/bitmap${id}.png`;
  img.srcset = `images/bitmap${id}.png 1x, images/bitmap${id}@2x.png 2x`;
}

function cardPicture(card) {
  return card >= 0 ? kFirstFacePicture + card : kBackPicture;
}

// ---- building the page once the game is there ----

function buildDeck() {
  const deck = $("deck");
  for (let card = 0; card < kCards; ++card) {
    const button = document.createElement("button");
    button.type = "button";
    button.className = "card";
    button.dataset.card = String(card);
    button.setAttribute("aria-label", Module.cardName(card));
    button.dataset.suit = String(Math.floor(card / kRanks));
    button.tabIndex = card === 0 ? 0 : -1;
    const img = document.createElement("img");
    img.alt = "";
    img.width = 71;
    img.height = 96;
    picture(img, cardPicture(card));
    button.append(img);
    button.addEventListener("click", () => act(() => game.togglePick(card)));
    deck.append(button);
  }
  deck.addEventListener("keydown", moveInDeck);
}

function buildPlaces() {
  const places = $("places");
  for (let place = 0; place < kPlaces; ++place) {
    const button = document.createElement("button");
    button.type = "button";
    button.className = "card place";
    button.dataset.place = String(place);
    const img = document.createElement("img");
    img.alt = "";
    img.width = 71;
    img.height = 96;
    button.append(img);
    button.addEventListener("click", () => act(() => game.toggleMark(place)));
    places.append(button);
  }
}

// The table's size as five buttons, the one in force pressed: one tap each.
function buildOpponents() {
  const group = $("opponentButtons");
  for (let opponents = 1; opponents <= kMaxOpponents; ++opponents) {
    const button = document.createElement("button");
    button.type = "button";
    button.className = "segment";
    button.textContent = String(opponents);
    button.dataset.opponents = String(opponents);
    button.addEventListener("click", () => act(() => game.setOpponents(opponents)));
    group.append(button);
  }
}

function fillHead(table, caption, columns) {
  table.querySelector("caption").textContent = caption;
  table.querySelectorAll("thead th").forEach((th, i) => { th.textContent = columns[i]; });
}

function applyTexts() {
  document.title = texts.appTitle;
  $("appTitle").textContent = texts.appTitle;
  $("opponentsLabel").textContent = texts.opponents;
  $("newButton").textContent = texts.newCommand;
  $("undoButton").textContent = texts.undoCommand;
  $("redoButton").textContent = texts.redoCommand;
  $("helpLink").textContent = texts.helpCommand;
  $("okButton").textContent = texts.ok;
  $("discardButton").textContent = texts.discard;
  $("pasteLabel").textContent = texts.pasteTitle;
  $("description").setAttribute("aria-label", texts.descriptionName);
  const columns = [texts.formationColumn, texts.probabilityColumn, texts.oddsColumn];
  fillHead($("oneOpponentTable"), texts.oneOpponentHeading, columns);
  fillHead($("atLeastOneTable"), texts.atLeastOneHeading, columns);
  $("showdownTable").querySelectorAll("thead th").forEach((th, i) => {
    th.textContent = [texts.outcomeColumn, texts.probabilityColumn, texts.oddsColumn][i];
  });
  $("tableNote").textContent = texts.tableNote;
  $("suggestionsHeading").textContent = texts.classicHeading;
  // The two tables' part is headed by both their captions.
  $("tablesHeading").textContent = [texts.oneOpponentHeading, texts.atLeastOneHeading]
    .map((caption) => caption.replace(/:$/, "")).join(" \u00b7 ");
  $("decisionMark").textContent = texts.markDiscards;
  $("holdsHeading").textContent = texts.holdsTitle;
  fillColumns($("holdsTable"), texts.holdsHeadings.map((heading) => heading.replace(/\n/g, " ")), sortHolds);
  $("pairLabel").textContent = texts.rangePairOrBetter;
  $("drewLabel").textContent = "";
  $("openingLabel").textContent = texts.opening;
  $("potLabel").textContent = texts.pot;
  $("callLabel").textContent = texts.call;
  const [win, tie, lose, potShare] = texts.outcomes;
  fillColumns($("equityTable"), [texts.keepColumn, potShare, win, tie, lose]);
}

// On a phone each part of the results is a heading that opens; on a wide
// screen all are open. A wide table shows the columns that matter, the rest
// behind its "All columns" button.
const wideScreen = window.matchMedia("(min-width: 900px)");

function openParts() {
  for (const part of document.querySelectorAll("details.part"))
    part.open = wideScreen.matches;
  $("priceButton").setAttribute("aria-expanded", String(wideScreen.matches));
  $("pricePart").hidden = !wideScreen.matches || $("priceButton").hidden;
}

function wireColumns() {
  for (const button of document.querySelectorAll(".columnsButton"))
    button.addEventListener("click", () => {
      const table = $(button.getAttribute("aria-controls"));
      const all = table.classList.toggle("allColumns");
      button.setAttribute("aria-expanded", String(all));
    });
}

// Column headings; with `sort`, each a button that sorts by its column.
function fillColumns(table, headings, sort) {
  const head = table.querySelector("thead tr");
  headings.forEach((heading, column) => {
    const th = document.createElement("th");
    th.scope = "col";
    if (sort) {
      const button = document.createElement("button");
      button.type = "button";
      button.className = "sortHeading";
      button.textContent = heading;
      button.addEventListener("click", () => sort(column));
      th.append(button);
    } else {
      th.textContent = heading;
    }
    head.append(th);
  });
}

// The draw analysis sorts by any column, as the desktop's dialog does: a
// first press puts the best first (the likeliest outcome, the most cards
// kept, the shortest odds), the next the other way round; equal figures keep
// the best-first order whichever way.
let holdsSort = { column: 0, descending: false };
let holdsData = [];

function holdSortKey(hold, rank, column) {
  if (column === 0)
    return rank;
  if (column === 1)
    return hold.keptCards ? hold.keptCards.split(" ").length : 0;
  const text = hold.cells[column - 2];
  return text === "" ? Infinity : parseFloat(text);  // no odds against what cannot happen
}

function sortHolds(column) {
  const oddsColumn = texts.holdsHeadings.length - 1;
  const bestIsHighest = column !== 0 && column !== oddsColumn;
  holdsSort = holdsSort.column === column ? { column, descending: !holdsSort.descending }
                                          : { column, descending: bestIsHighest };
  showHolds();
}

function showHolds() {
  const { column, descending } = holdsSort;
  const order = holdsData.map((hold, rank) => ({ hold, rank, key: holdSortKey(hold, rank, column) }));
  order.sort((a, b) => a.key !== b.key ? (a.key < b.key) === descending ? 1 : -1 : a.rank - b.rank);
  $("holdsTable").querySelectorAll("thead th").forEach((th, i) => {
    if (i === column)
      th.setAttribute("aria-sort", descending ? "descending" : "ascending");
    else
      th.removeAttribute("aria-sort");
  });
  $("holdsTable").querySelector("tbody").replaceChildren(...order.map(({ hold, rank }) => {
    const cell = document.createElement("td");
    cell.textContent = String(rank + 1);
    return cellsRow([cell, keepCell(hold)], hold.cells);
  }));
}

// The kept cards of a hold as a row heading; while the discards can be
// marked, a button that marks them, as the dialog's Mark discards does.
function keepCell(hold) {
  const keep = document.createElement("th");
  keep.scope = "row";
  if (!game.canMark()) {
    keep.textContent = hold.keep;
    keep.dataset.cards = hold.keptCards;
    return keep;
  }
  const button = document.createElement("button");
  button.type = "button";
  button.className = "markHold";
  button.textContent = hold.keep;
  button.dataset.cards = hold.keptCards;
  button.setAttribute("aria-label", `${texts.markDiscards}: ${hold.keep}`);
  button.dataset.discardMask = String(hold.discardMask);
  button.setAttribute("aria-pressed", String(hold.discardMask === markedMask()));
  button.addEventListener("click", () => act(() => game.markPlaces(hold.discardMask)));
  keep.append(button);
  return keep;
}

// The hand's marks as a mask of places, as a hold's discards are given.
function markedMask() {
  let mask = 0;
  for (let place = 0; place < kPlaces; ++place)
    mask |= game.isMarked(place) ? 1 << place : 0;
  return mask;
}

// Each hold's button, and the decision's, shows pressed while the hand's
// marks are its discards: the answer to a tap is beside the finger.
function showHoldMarks() {
  const mask = markedMask();
  for (const button of document.querySelectorAll("#results .markHold, #decisionMark"))
    button.setAttribute("aria-pressed", String(Number(button.dataset.discardMask) === mask));
}

function cellsRow(first, cells) {
  const tr = document.createElement("tr");
  tr.append(...first);
  for (const cell of cells) {
    const td = document.createElement("td");
    td.textContent = cell;
    tr.append(td);
  }
  return tr;
}

// ---- showing the game ----

// A column of odds shows only when some row has them: simulated figures have none.
function fillRows(table, rows) {
  const withOdds = rows.some((row) => row.odds !== "");
  table.querySelectorAll("thead th")[2].hidden = !withOdds;
  const body = table.querySelector("tbody");
  body.replaceChildren(...rows.map((row) => {
    const tr = document.createElement("tr");
    const label = document.createElement("th");
    label.scope = "row";
    label.textContent = row.label;
    tr.append(label);
    for (const text of withOdds ? [row.probability, row.odds] : [row.probability]) {
      const td = document.createElement("td");
      td.textContent = text;
      tr.append(td);
    }
    return tr;
  }));
}

// Best first by pot share as the figures come in; a sort the player chose stays.
function fillHolds(reset) {
  $("holdsExplanation").textContent = game.holdsExplanation();
  holdsData = game.holds();
  if (reset)
    holdsSort = { column: 0, descending: false };
  showHolds();
}

// The figure the holds are ranked by comes first, in view on a phone too.
function potShareFirst([win, tie, lose, potShare]) {
  return [potShare, win, tie, lose];
}

function fillEquity() {
  const equity = game.equity();
  $("equity").hidden = !equity.heading;
  $("equityScroller").hidden = equity.holds.length === 0;
  $("equityHeading").textContent = equity.heading;
  $("equityNote").textContent = equity.note;
  $("equityTable").querySelector("tbody").replaceChildren(...equity.holds.map((hold) =>
    cellsRow([keepCell(hold)], potShareFirst(hold.figures))));
}

// The hold that wins the pot most often, said first; the classic advice's
// own sentence when it keeps other cards.
function fillDecision() {
  const decision = game.decision();
  $("decision").hidden = !decision.heading;
  $("decisionHeading").textContent = decision.heading;
  $("decisionBest").textContent = decision.best;
  $("decisionRunnerUp").textContent = decision.runnerUp;
  $("decisionMark").hidden = !game.canMark();
  $("decisionMark").dataset.discardMask = String(decision.discardMask);
  $("decisionMark").setAttribute("aria-pressed", String(decision.discardMask === markedMask()));
  $("classicDiffers").textContent = decision.classicDiffers;
  $("classicDiffers").hidden = !decision.classicDiffers;
  // The price of a call for that hold, or for the final hand.
  const call = game.call();
  $("call").hidden = !call.verdict;
  $("call").dataset.verdict = call.key;
  $("callNeeded").textContent = call.needed;
  $("callVerdict").textContent = call.verdict;
  $("callAssumption").textContent = call.assumption;
  $("tableRefusal").textContent = game.refusal();
}

// Everything the simulations give, as far as their tallies are in.
function showFigures() {
  const result = game.result();
  fillDecision();
  $("showdownHeading").textContent = result.showdownHeading;
  fillRows($("showdownTable"), result.showdown);
  $("showdownNote").textContent = result.showdownNote;
  $("showdownNote").hidden = !result.showdownNote;
  fillEquity();
  // The draw analysis, below the rest, is filled for a new hand and once
  // more when its pot shares are all in, each time in a task of its own:
  // its 32 rows are the page's largest.
  const generation = game.generation();
  const complete = pool.pending === 0 && pool.generation === generation;
  if (game.canMark() && (holdsShown !== generation || (complete && holdsComplete !== generation))) {
    const reset = holdsShown !== generation;
    holdsShown = generation;
    holdsComplete = complete ? generation : null;
    setTimeout(() => {
      if (game.generation() === generation && game.canMark())
        fillHolds(reset);
    }, 0);
  }
}

function showDeck(picking) {
  $("picker").hidden = !picking;
  if (!picking)
    return;
  $("pickTitle").textContent = game.pickTitle();
  for (const button of $("deck").children) {
    const card = Number(button.dataset.card);
    const offered = game.isOffered(card);
    button.classList.toggle("unoffered", !offered);
    button.setAttribute("aria-disabled", String(!offered));
    button.setAttribute("aria-pressed", String(game.isPicked(card)));
  }
  $("okButton").disabled = !game.canConfirm();
  const typed = game.typedPrompt();
  $("prompt").textContent = hint || typed;
}

function showHand(stage) {
  const canMark = game.canMark();
  $("handCaption").textContent = stage === kStage.finalHand ? texts.finalCaption : texts.initialCaption;
  for (const button of $("places").children) {
    const place = Number(button.dataset.place);
    const card = game.handCard(place);
    picture(button.firstChild, cardPicture(card));
    button.setAttribute("aria-label", Module.cardName(card));
    button.dataset.card = String(card);
    button.dataset.text = card >= 0 ? Module.cardText(card) : "";
    button.dataset.suit = card >= 0 ? String(Math.floor(card / kRanks)) : "";
    button.setAttribute("aria-disabled", String(!canMark));
    if (canMark)
      button.setAttribute("aria-pressed", String(game.isMarked(place)));
    else
      button.removeAttribute("aria-pressed");
    button.classList.toggle("marked", game.isMarked(place));
    button.tabIndex = canMark ? 0 : -1;
  }
  $("discardButton").hidden = !canMark;
  $("discardButton").disabled = game.markedCount() === 0;
  showHoldMarks();
}

// The opponents' seats, numbered as on the desktop. From the initial hand on
// a tap opens the seat's panel: his range (the desktop's seat menu) and,
// after the discard, what he was seen to draw.
let seatOpen = -1;
let rangeMessage = "";
// Ace-high rank letters, index 0 the Two, as the opening rank counts them.
const kRankLetters = "23456789TJQKA";
const kDefaultOpenRank = 9;

function buildSeatPanel() {
  const choices = [[texts.rangeAny, ""], [texts.rangeOpened, "open"], [texts.rangeTwoPair, "2P+"],
                   [texts.rangeDraw, "4F/OE"]];
  for (const [caption, words] of choices) {
    const button = document.createElement("button");
    button.type = "button";
    button.className = "rangeChoice";
    button.textContent = caption;
    button.dataset.words = words;
    button.addEventListener("click", () => chooseRange(words));
    $("rangeChoices").append(button);
  }
  const pairs = $("pairSelect");
  pairs.append(new Option("\u2014", ""));
  for (let rank = kRanks - 1; rank >= 0; --rank) {
    const words = kRankLetters[rank].repeat(2) + "+";
    pairs.append(new Option(words, words));
  }
  pairs.addEventListener("change", () => { if (pairs.value) chooseRange(pairs.value); });
  $("rangeForm").addEventListener("submit", (event) => {
    event.preventDefault();
    chooseRange($("rangeInput").value.trim());
  });
  for (let count = -1; count <= kPlaces; ++count) {
    const button = document.createElement("button");
    button.type = "button";
    button.className = "segment";
    button.textContent = count < 0 ? texts.drewUnseen : String(count);
    button.dataset.drew = String(count);
    button.addEventListener("click", () => act(() => game.setSeenDraw(seatOpen, count)));
    $("drewChoices").append(button);
  }
  $("seatDone").addEventListener("click", () => {
    const seat = seatOpen;
    seatOpen = -1;
    render();
    $("seats").children[seat]?.firstChild.focus();
  });
  const opening = $("openingSelect");
  for (let rank = kRanks - 1; rank >= 0; --rank)
    opening.append(new Option(kRankLetters[rank], String(rank)));
  opening.addEventListener("change", () => act(() => game.setOpening(Number(opening.value))));
  $("priceButton").addEventListener("click", () => {
    const button = $("priceButton");
    button.setAttribute("aria-expanded", String(button.getAttribute("aria-expanded") !== "true"));
    render();
  });
  $("potInput").addEventListener("change", choosePrice);
  $("callInput").addEventListener("change", choosePrice);
}

// A range for the open seat: refused words stay in the field, with the
// reason naming the opponent.
function chooseRange(words) {
  act(() => { rangeMessage = game.setRange(seatOpen, words); });
  if (!rangeMessage)
    $("rangeInput").value = game.seat(seatOpen).words;
}

// The pot and the call make one price, set once both are given; 0 and 0 (or
// both empty) take it away.
function choosePrice() {
  const amount = (id) => { const text = $(id).value.trim(); return text === "" ? 0 : Number(text); };
  const pot = amount("potInput");
  const call = amount("callInput");
  let message = "";
  if (!(pot >= 0 && call >= 0 && Number.isFinite(pot) && Number.isFinite(call)))
    message = "The pot and the call are amounts above 0, or both 0 for no price.";
  else if ((pot > 0) !== (call > 0))
    message = "Give both the pot and the call (both 0: no price).";
  $("priceHint").textContent = message;
  if (!message)
    act(() => game.setPrice(pot, call));
}

function amountText(amount) {
  return amount > 0 ? String(amount) : "";
}

function showSeats() {
  const seats = $("seats");
  const canSet = game.canSetRanges();
  const count = game.opponents();
  while (seats.children.length < count) {
    const seat = seats.children.length;
    const item = document.createElement("li");
    const button = document.createElement("button");
    button.type = "button";
    button.className = "seat";
    button.dataset.seat = String(seat);
    button.setAttribute("aria-controls", "seatPanel");
    button.addEventListener("click", () => {
      if (!game.canSetRanges())
        return;
      seatOpen = seatOpen === seat ? -1 : seat;
      rangeMessage = "";
      $("rangeInput").value = game.seat(seat).words;
      render();
    });
    item.append(button);
    seats.append(item);
  }
  while (seats.children.length > count)
    seats.lastChild.remove();
  if (!canSet || seatOpen >= count)
    seatOpen = -1;
  for (const item of seats.children) {
    const button = item.firstChild;
    const seat = game.seat(Number(button.dataset.seat));
    const shown = seat.range ? `${seat.label} \u00b7 ${seat.range}` : seat.label;
    button.textContent = shown;
    // The name starts with what the seat shows, then says it in words.
    button.setAttribute("aria-label", `${shown} (${seat.name}, ${seat.value})`);
    button.setAttribute("aria-disabled", String(!canSet));
    button.setAttribute("aria-expanded", String(Number(button.dataset.seat) === seatOpen));
    button.dataset.drew = seat.unseen ? "?" : String(seat.drew);
    button.dataset.range = seat.range;
  }
  $("seatsHint").textContent = !canSet ? "From your first five on, tap a seat for his range."
    : game.canSetSeenDraws() ? "Tap a seat for his range and what he drew." : "Tap a seat for his range.";
  showSeatPanel();
  showPrice(canSet);
}

function showSeatPanel() {
  $("seatPanel").hidden = seatOpen < 0;
  if (seatOpen < 0)
    return;
  const seat = game.seat(seatOpen);
  $("seatPanelHeading").textContent = seat.name;
  const words = seat.words.toUpperCase();
  for (const button of $("rangeChoices").children)
    button.setAttribute("aria-pressed", String(button.dataset.words.toUpperCase() === words));
  const pairs = $("pairSelect");
  pairs.value = Array.from(pairs.options, (option) => option.value).includes(words) ? words : "";
  $("rangeLabel").textContent = seat.prompt;
  if (!rangeMessage && document.activeElement !== $("rangeInput"))
    $("rangeInput").value = seat.words;
  $("rangeError").textContent = rangeMessage;
  $("rangeInput").setAttribute("aria-invalid", String(rangeMessage !== ""));
  $("drewBlock").hidden = !game.canSetSeenDraws();
  $("drewLabel").textContent = seat.drewLabel;
  for (const button of $("drewChoices").children)
    button.setAttribute("aria-pressed", String(Number(button.dataset.drew) === seat.drew));
}

// The opening requirement and the price, from the initial hand on.
let summarySaid = null;

function showPrice(canSet) {
  $("priceButton").hidden = !canSet;
  $("pricePart").hidden = !canSet || $("priceButton").getAttribute("aria-expanded") !== "true";
  const table = game.table();
  $("openingSelect").value = String(table.openRank);
  for (const id of ["potInput", "callInput"])
    if (document.activeElement !== $(id))
      $(id).value = amountText(id === "potInput" ? table.pot : table.call);
  // Each change of the table is said once, undone or redone too.
  const summary = game.tableSummary();
  if (summarySaid !== null && summary !== summarySaid)
    $("tableStatus").textContent = summary;
  summarySaid = summary;
}

// While the replacements are picked the figures of the hand before stay in
// view, marked as not yet updated; their buttons no longer mark anything.
let resultsFilled = false;

function showResults(stage) {
  const shown = stage === kStage.initialHand || stage === kStage.cardsMarked || stage === kStage.finalHand;
  const stale = stage === kStage.pickReplacements && resultsFilled;
  $("results").hidden = !shown && !stale;
  $("results").classList.toggle("stale", stale);
  $("staleNote").hidden = !stale;
  for (const button of document.querySelectorAll("#results .markHold, #decisionMark"))
    button.disabled = stale;
  if (!shown) {
    resultsFilled = stale;
    holdsShown = null;
    return;
  }
  resultsFilled = true;
  $("description").hidden = false;
  const result = game.result();
  $("description").textContent = result.description;
  fillRows($("oneOpponentTable"), result.oneOpponent);
  fillRows($("atLeastOneTable"), result.atLeastOne);
  $("suggestions").hidden = result.final;
  $("classicPart").hidden = result.final;
  $("advice").textContent = result.advice;
  $("showdownHands").textContent = result.showdownHands;
  $("holds").hidden = !game.canMark();
  // A new hand's figures are yet to come: shown in a task of their own, so
  // that the step itself stays short.
  if (game.generation() !== pool.generation)
    setTimeout(showFigures, 0);
  else
    showFigures();
}

function render() {
  const stage = game.stage();
  showDeck(game.pickCount() > 0);
  showHand(stage);
  showResults(stage);
  showSeats();
  for (const button of $("opponentButtons").children)
    button.setAttribute("aria-pressed", String(Number(button.dataset.opponents) === game.opponents()));
  $("undoButton").disabled = !game.canUndo();
  $("redoButton").disabled = !game.canRedo();
  $("helpLink").href = `help.html#stage${stage}`;
  document.body.dataset.stage = String(stage);
  keepLink();
  playRuns();
}

// ---- a link for every hand: the address holds the whole game ----

// The link's parts: its version, the opponents, the initial hand confirmed,
// the cards marked (thrown once discarded), the cards picked (replacements
// when discarded), the final hand confirmed, the seen draws.
const kLinkVersion = "1";
// The replacements of each final hand reached here, since the hand no longer
// tells them from the cards kept: by final hand and cards thrown.
const replacementsOf = new Map();
let cardByText = null;

function cardsText(cards) {
  return cards.map((card) => Module.cardText(card)).join(".");
}

function everyCard(test) {
  return Array.from({ length: kCards }, (_, card) => card).filter(test);
}

function handCards() {
  return Array.from({ length: kPlaces }, (_, place) => game.handCard(place)).filter((card) => card >= 0);
}

function finalKey() {
  return [handCards(), everyCard((card) => game.isDiscarded(card))]
    .map((cards) => cards.slice().sort((a, b) => a - b).join(",")).join("/");
}

function gameLink() {
  const stage = game.stage();
  const link = new URLSearchParams({ v: kLinkVersion, o: String(game.opponents()) });
  const picked = Array.from(game.picked());
  if (stage === kStage.initialHand || stage === kStage.cardsMarked) {
    link.set("h", cardsText(handCards()));
    const marked = handCards().filter((_, place) => game.isMarked(place));
    if (marked.length > 0)
      link.set("m", cardsText(marked));
    return tableLink(link);
  } else if (stage === kStage.pickReplacements || stage === kStage.finalHand) {
    const thrown = everyCard((card) => game.isDiscarded(card));
    const drawn = stage === kStage.finalHand ? replacementsOf.get(finalKey()) : picked;
    if (!drawn)
      return link;
    const initial = stage === kStage.finalHand
      ? handCards().filter((card) => !drawn.includes(card)).concat(thrown)
      : everyCard((card) => game.isKnown(card));
    link.set("h", cardsText(initial));
    link.set("m", cardsText(thrown));
    link.set("d", "1");
    if (drawn.length > 0)
      link.set("p", cardsText(drawn));
    if (stage === kStage.finalHand)
      link.set("f", "1");
    const seen = Array.from({ length: game.opponents() }, (_, seat) => game.seenDraw(seat));
    if (seen.some((drew) => drew >= 0))
      link.set("s", seen.map((drew) => (drew >= 0 ? String(drew) : "?")).join("."));
    return tableLink(link);
  }
  if (picked.length > 0 && stage === kStage.pickInitialHand)
    link.set("p", cardsText(picked));
  return link;
}

// The table beyond the seen draws: each seat's range words as typed (r),
// the opening rank (n) and the price (pot, call).
function tableLink(link) {
  const words = Array.from({ length: game.opponents() }, (_, seat) => game.seat(seat).words);
  if (words.some((text) => text))
    link.set("r", words.join(","));
  const table = game.table();
  if (table.openRank !== kDefaultOpenRank)
    link.set("n", kRankLetters[table.openRank]);
  if (table.call > 0) {
    link.set("pot", String(table.pot));
    link.set("call", String(table.call));
  }
  return link;
}

function replayTable(link) {
  const rank = link.has("n") ? kRankLetters.indexOf(link.get("n").toUpperCase()) : kDefaultOpenRank;
  const words = link.has("r") ? link.get("r").split(",") : [];
  const priced = link.has("pot") || link.has("call");
  return (rank === kDefaultOpenRank || game.setOpening(rank)) && words.length <= game.opponents() &&
    words.every((text, seat) => !text || game.setRange(seat, text) === "") &&
    (!priced || game.setPrice(Number(link.get("pot")), Number(link.get("call"))));
}

// The address follows the game, so that a reload, a bookmark or a copied
// address opens this very hand.
function keepLink() {
  const hash = "#" + gameLink().toString();
  if (location.hash !== hash)
    history.replaceState(null, "", hash);
}

function linkCards(text) {
  if (!text)
    return [];
  return text.split(".").map((part) => cardByText.get(part.toLowerCase()) ?? -1);
}

// Replays the link's game through the game's own verbs; any step refused
// makes the whole link refused.
function replayLink(link) {
  const steps = [];
  const opponents = Number(link.get("o") || "1");
  steps.push(() => Number.isInteger(opponents) && opponents >= 1 && opponents <= kMaxOpponents);
  steps.push(() => { game.setOpponents(opponents); return true; });
  const pick = (cards) => () => cards.every((card) => card >= 0 && game.togglePick(card));
  if (link.has("h")) {
    const hand = linkCards(link.get("h"));
    const marked = linkCards(link.get("m"));
    steps.push(pick(hand), () => game.confirm(), () => replayTable(link));
    steps.push(() => marked.every((card) => {
      const place = handCards().indexOf(card);
      return place >= 0 && game.toggleMark(place);
    }));
    if (link.get("d") === "1")
      steps.push(() => game.discard());
  }
  steps.push(pick(linkCards(link.get("p"))));
  if (link.get("f") === "1")
    steps.push(() => {
      const drawn = Array.from(game.picked());
      if (!game.confirm())
        return false;
      replacementsOf.set(finalKey(), drawn);
      return true;
    });
  if (link.has("s"))
    steps.push(() => link.get("s").split(".").every((text, seat) =>
      text === "?" || game.setSeenDraw(seat, Number(text))));
  return steps.every((step) => step());
}

function restoreLink() {
  const link = new URLSearchParams(location.hash.slice(1));
  if (!link.has("v"))
    return;
  let message = "";
  if (link.get("v") !== kLinkVersion)
    message = "This link was made by another version of Quintara and cannot be opened here: a new game is shown instead.";
  else if (!replayLink(link))
    message = "This link does not hold a game Quintara can show: a new game is shown instead.";
  if (message) {
    game.delete();
    game = new Module.Game();
    $("linkStatus").textContent = message;
  }
}

async function shareLink() {
  const url = location.href;
  try {
    if (navigator.share) {
      await navigator.share({ title: texts.appTitle, url });
      return;
    }
    await navigator.clipboard.writeText(url);
    $("linkStatus").textContent = "The link to this hand is copied.";
  } catch (error) {
    if (error && error.name === "AbortError")
      return;
    $("linkStatus").textContent = "Copy this link to share the hand: " + url;
  }
}

// ---- the simulations, in Web Workers: never on the page's thread ----

// One worker per core the browser reports; ?workers=N asks for N.
function workerCount() {
  const asked = Number(new URLSearchParams(location.search).get("workers"));
  const count = asked >= 1 ? asked : navigator.hardwareConcurrency || 1;
  return Math.max(1, Math.min(Math.floor(count), 16));
}

// Without Worker, each block runs by itself from the page's timer queue: a
// block is a few milliseconds, so the page still answers between them.
class PageWorker {
  terminate() {}

  postMessage(job) {
    setTimeout(() => {
      const tally = Module.playTableBlocks(job.setup, job.first, job.count);
      this.onmessage({ data: { ...job, setup: undefined, tally } });
    }, 0);
  }
}

// Each worker has two jobs at a time, so that it never waits for the page
// between blocks.
const kJobsPerWorker = 2;
const pool = { workers: [], jobs: [], generation: -1, total: 0, pending: 0, started: 0 };

function addWorker(worker) {
  worker.onmessage = (event) => finishJob(worker, event.data);
  worker.onerror = () => loseWorker(worker);
  worker.jobs = [];
  pool.workers.push(worker);
}

// A worker that cannot run (its script or module failed to load) hands its
// jobs back; with none left, the page's timer plays them, block by block.
function loseWorker(worker) {
  pool.workers = pool.workers.filter((other) => other !== worker);
  pool.jobs.unshift(...worker.jobs.filter((job) => job.generation === pool.generation));
  worker.terminate();
  if (pool.workers.length === 0)
    addWorker(new PageWorker());
  feedWorkers();
}

function startWorkers() {
  const count = typeof Worker === "function" ? workerCount() : 1;
  for (let i = 0; i < count; ++i) {
    const worker = typeof Worker === "function" ? new Worker("worker.js") : new PageWorker();
    addWorker(worker);
  }
  document.body.dataset.workers = String(count);
}

// A new hand, table or stage: the jobs of the old runs are dropped, the
// blocks of the new ones handed out, the decision's run first.
function playRuns() {
  const generation = game.generation();
  if (generation === pool.generation)
    return;
  const { runs } = game.runs();
  pool.generation = generation;
  pool.jobs = [];
  runs.forEach((run, index) => {
    for (let first = 0; first < run.units; ++first)
      pool.jobs.push({ generation, run: index, setup: run.setup, first, count: 1 });
  });
  pool.total = pool.pending = pool.jobs.length;
  pool.started = performance.now();
  document.body.dataset.figures = pool.pending > 0 ? "running" : "done";
  feedWorkers();
}

function feedWorkers() {
  for (let round = 0; round < kJobsPerWorker; ++round)
    for (const worker of pool.workers)
      if (worker.jobs.length < kJobsPerWorker && pool.jobs.length > 0) {
        worker.jobs.push(pool.jobs.shift());
        worker.postMessage(worker.jobs[worker.jobs.length - 1]);
      }
}

let figuresTimer = 0;
let figuresShownAt = 0;

function finishJob(worker, job) {
  worker.jobs.shift();
  if (job.generation === pool.generation && game.addTally(job.generation, job.run, job.tally)) {
    if (pool.pending-- === pool.total)
      performance.measure("quintara-first-figures", { start: pool.started });
    if (pool.pending === 0) {
      clearTimeout(figuresTimer);
      figuresTimer = 0;
      showFigures();
      // After the draw analysis' own task, queued by showFigures.
      const generation = pool.generation;
      setTimeout(() => {
        if (pool.generation !== generation)
          return;
        document.body.dataset.figures = "done";
        performance.measure("quintara-figures", { start: pool.started });
      }, 0);
    } else {
      scheduleFigures();
    }
  }
  feedWorkers();
}

function scheduleFigures() {
  if (figuresTimer)
    return;
  const wait = Math.max(0, figuresShownAt + kFiguresMilliseconds - performance.now());
  figuresTimer = setTimeout(() => {
    figuresTimer = 0;
    figuresShownAt = performance.now();
    showFigures();
  }, wait);
}

// Keeps the keys with the game when a step hides what had the focus: the
// next thing to do gets it.
function placeFocus(stageBefore) {
  const stage = game.stage();
  if (stage === stageBefore)
    return;
  const active = document.activeElement;
  const lost = !active || active === document.body || active.closest("[hidden]") || active.disabled;
  if (!lost && active.id !== "okButton" && active.id !== "discardButton")
    return;
  if (game.pickCount() > 0)
    focusDeckCard(firstOffered());
  else if (game.canMark())
    $("places").children[0].focus();
  else
    $("description").focus();
}

// One step of the game, then the page shows it.
function act(step) {
  const stageBefore = game.stage();
  const drawn = stageBefore === kStage.pickReplacements ? Array.from(game.picked()) : null;
  step();
  if (drawn && game.stage() === kStage.finalHand)
    replacementsOf.set(finalKey(), drawn);
  $("linkStatus").textContent = "";
  if (game.stage() !== stageBefore)
    showHint("");
  render();
  placeFocus(stageBefore);
}

function showHint(text) {
  hint = text;
  clearTimeout(hintTimer);
  if (text)
    hintTimer = setTimeout(() => { hint = ""; render(); }, kHintMilliseconds);
}

// ---- the deck from the keyboard: one tab stop, arrows move ----

function firstOffered() {
  for (let card = 0; card < kCards; ++card)
    if (game.isOffered(card))
      return card;
  return 0;
}

function focusDeckCard(card) {
  const buttons = $("deck").children;
  for (const button of buttons)
    button.tabIndex = -1;
  buttons[card].tabIndex = 0;
  buttons[card].focus();
}

function moveInDeck(event) {
  const from = Number(event.target.dataset.card);
  if (Number.isNaN(from))
    return;
  const moves = { ArrowLeft: -1, ArrowRight: 1, ArrowUp: -kRanks, ArrowDown: kRanks, Home: -(from % kRanks),
                  End: kRanks - 1 - (from % kRanks) };
  if (!(event.key in moves))
    return;
  event.preventDefault();
  const to = from + moves[event.key];
  if (to >= 0 && to < kCards)
    focusDeckCard(to);
}

// ---- keys and paste, as on the desktop ----

function onKey(event) {
  const target = event.target;
  const inField = target.matches && target.matches("input, select, textarea");
  // The deck and the hand are the game's own: there Space presses a card and
  // Enter is OK or Discard, as on the desktop. Other controls keep Enter.
  const onControl = target.matches && target.matches("button:not(.card), a, .scroller");
  const onCard = target.matches && target.matches(".card");
  const plain = !event.ctrlKey && !event.altKey && !event.metaKey;
  const key = event.key;

  if (key === "F1") {
    event.preventDefault();
    window.open($("helpLink").href, "_blank", "noopener");
    return;
  }
  if (!inField && (event.ctrlKey || event.metaKey) && !event.altKey) {
    const lower = key.toLowerCase();
    if (lower === "z" && !event.shiftKey) {
      event.preventDefault();
      act(() => game.undo());
    } else if ((lower === "z" && event.shiftKey) || lower === "y") {
      event.preventDefault();
      act(() => game.redo());
    }
    return;
  }
  if (inField || !plain)
    return;
  const enter = key === "Enter" && !onControl;
  if (enter && onCard)
    event.preventDefault();
  if (game.pickCount() > 0) {
    if (enter) {
      act(() => game.confirm());
    } else if (key === "Backspace") {
      game.eraseKey();
      showHint("");
      act(() => {});
    } else if (key === "Escape") {
      game.clearTyping();
      showHint("");
      render();
    } else if (key.length === 1 && !(key === " " && (onControl || onCard))) {
      const refusal = game.typeKey(key);
      showHint(refusal);
      act(() => {});
    } else {
      return;
    }
    event.preventDefault();
    return;
  }
  if (game.canMark()) {
    const digit = Number(key);
    if (enter)
      act(() => game.discard());
    else if (key.length === 1 && digit >= 1 && digit <= kPlaces)
      act(() => game.toggleMark(digit - 1));
    else
      return;
    event.preventDefault();
  }
}

function paste(text) {
  if (game.pickCount() === 0)
    return false;
  const refusal = game.paste(text);
  showHint(refusal);
  act(() => {});
  return !refusal;
}

function wire() {
  $("okButton").addEventListener("click", () => act(() => game.confirm()));
  $("discardButton").addEventListener("click", () => act(() => game.discard()));
  $("newButton").addEventListener("click", () => act(() => game.newGame()));
  $("undoButton").addEventListener("click", () => act(() => game.undo()));
  $("redoButton").addEventListener("click", () => act(() => game.redo()));
  $("decisionMark").addEventListener("click",
    () => act(() => game.markPlaces(Number($("decisionMark").dataset.discardMask))));
  $("pasteForm").addEventListener("submit", (event) => {
    event.preventDefault();
    const input = $("pasteInput");
    if (paste(input.value)) {
      input.value = "";
      if (game.canConfirm())
        $("okButton").focus();
    }
  });
  document.addEventListener("keydown", onKey);
  document.addEventListener("paste", (event) => {
    if (event.target.matches && event.target.matches("input, textarea"))
      return;
    event.preventDefault();
    paste(event.clipboardData.getData("text"));
  });
  $("newButton").disabled = false;
  $("shareButton").addEventListener("click", shareLink);
  // A link pasted into the address bar of the open page opens its game too.
  window.addEventListener("hashchange", () => {
    if (location.hash === "#" + gameLink().toString())
      return;
    game.delete();
    game = new Module.Game();
    restoreLink();
    render();
  });
  $("shareButton").disabled = false;
  wireColumns();
  openParts();
  wideScreen.addEventListener("change", openParts);
  const fourColours = $("fourColours");
  fourColours.checked = localStorage.getItem("quintara-four-colours") === "1";
  document.body.classList.toggle("fourColours", fourColours.checked);
  fourColours.addEventListener("change", () => {
    document.body.classList.toggle("fourColours", fourColours.checked);
    localStorage.setItem("quintara-four-colours", fourColours.checked ? "1" : "0");
  });
}

// Ready once the deck can show: every card's picture is in.
function picturesLoaded() {
  return Promise.all(Array.from(document.querySelectorAll("#deck img, #places img"), (img) =>
    img.decode().catch(() => {})));
}

QuintaraModule().then((module) => {
  window.Module = module;
  game = new module.Game();
  texts = module.texts();
  cardByText = new Map(everyCard(() => true).map((card) => [module.cardText(card).toLowerCase(), card]));
  applyTexts();
  buildOpponents();
  buildDeck();
  buildPlaces();
  buildSeatPanel();
  startWorkers();
  wire();
  restoreLink();
  render();
  return picturesLoaded();
}).then(() => {
  document.body.dataset.ready = "true";
  performance.mark("quintara-interactive");
  // The engine builds its tables on first use: once here, in a task of its
  // own, so that the player's first OK does not pay for them.
  setTimeout(() => {
    const warm = new Module.Game();
    warm.paste("Kh Kd 7s 4c 2h");
    warm.confirm();
    warm.holds();
    warm.delete();
  }, 0);
});

if ("serviceWorker" in navigator)
  navigator.serviceWorker.register("sw.js");
