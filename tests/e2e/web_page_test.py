#!/usr/bin/python3
"""Two whole games of the web edition in headless Chromium: one by taps
(mouse clicks at the centre of what a player touches) on a phone-sized page,
one from the keyboard on a desktop-sized page. After each step the page is
read back once its workers are done; the decision, the hand's description,
the advice and every table figure must be those quintara-odds --json gives
for the same cards and seen draws, since both run the same engine on the
same deals. At each stage axe-core finds no serious fault, nothing is wider
than the phone and every tap target is a finger's size. The page's address
reopens the very game; a bad one opens an empty game. Then the table changes
at every stage and Undo brings it back; the figures are the same with one
worker and three, and the page never blocks while they play. Screenshots at
both sizes go to BUILD_WEB/e2e/. Finally the server is stopped and the
service worker must still serve the page.

Usage: web_page_test.py BUILD_WEB QUINTARA_ODDS
"""

import base64
import functools
import http.server
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

PHONE = (360, 740)
DESKTOP = (1280, 800)
# The stages the page reports in body[data-stage] (the document's stages).
PICK_INITIAL, INITIAL, MARKED, PICK_REPLACEMENTS, FINAL = 3, 4, 5, 6, 7

# Everything the page shows that the test compares, in one round trip.
READ_PAGE = """
const text = (id) => document.getElementById(id).textContent;
const shown = (id) => document.getElementById(id).closest('[hidden]') === null;
const rows = (id) => Array.from(document.querySelectorAll('#' + id + ' tbody tr'),
    (tr) => Array.from(tr.children, (cell) => cell.textContent));
return {
  stage: Number(document.body.dataset.stage),
  decisionShown: shown('decision'), decision: text('decisionBest'), runnerUp: text('decisionRunnerUp'),
  classicDiffers: text('classicDiffers'), decisionMark: shown('decisionMark'),
  showdownCaption: text('showdownHeading'), equityHeading: text('equityHeading'),
  equityBeforeShowdown: Boolean(document.getElementById('equity').compareDocumentPosition(
      document.getElementById('showdownTable')) & Node.DOCUMENT_POSITION_FOLLOWING),
  pickerShown: shown('picker'), resultsShown: shown('results'),
  pickTitle: text('pickTitle'), prompt: text('prompt'),
  okEnabled: !document.getElementById('okButton').disabled,
  discardShown: shown('discardButton'),
  discardEnabled: !document.getElementById('discardButton').disabled,
  undo: !document.getElementById('undoButton').disabled,
  redo: !document.getElementById('redoButton').disabled,
  opponents: Array.from(document.querySelectorAll('#opponentButtons button'),
      (b) => b.getAttribute('aria-pressed')).indexOf('true') + 1,
  picked: Array.from(document.querySelectorAll('#deck .card[aria-pressed="true"]'), (b) => Number(b.dataset.card)),
  unoffered: Array.from(document.querySelectorAll('#deck .card[aria-disabled="true"]'), (b) => Number(b.dataset.card)),
  places: Array.from(document.querySelectorAll('#places .card'), (b) => ({
      card: Number(b.dataset.card), text: b.dataset.text, name: b.getAttribute('aria-label'),
      pressed: b.getAttribute('aria-pressed')})),
  description: text('description'), adviceShown: shown('suggestions'), advice: text('advice'),
  oneOpponent: rows('oneOpponentTable'), atLeastOne: rows('atLeastOneTable'),
  showdown: rows('showdownTable'), showdownHands: text('showdownHands'),
  holdsShown: shown('holds'), holds: rows('holdsTable'),
  holdCards: Array.from(document.querySelectorAll('#holdsTable .markHold'), (b) => b.dataset.cards),
  equityShown: shown('equity'), equity: rows('equityTable'),
  equityCards: Array.from(document.querySelectorAll('#equityTable tbody tr > th'),
      (th) => (th.querySelector('button') || th).dataset.cards),
  seats: Array.from(document.querySelectorAll('#seats .seat'), (b) => b.dataset.drew),
  ranges: Array.from(document.querySelectorAll('#seats .seat'), (b) => b.dataset.range),
  call: shown('call') ? [text('callNeeded'), text('callVerdict'), text('callAssumption')] : [],
  rangeError: text('rangeError'), tableStatus: text('tableStatus'),
  price: [document.getElementById('potInput').value, document.getElementById('callInput').value],
  seatNames: Array.from(document.querySelectorAll('#seats .seat'), (b) => b.getAttribute('aria-label')),
  stale: shown('staleNote'), linkStatus: text('linkStatus'), link: location.hash,
};
"""

# Elements that reach past the page's width, outside the boxes that scroll
# on their own (the holds table).
OVERFLOW = """
const width = document.documentElement.clientWidth;
const wide = [];
for (const el of document.querySelectorAll('body *')) {
  if (el.closest('.scroller') && !el.classList.contains('scroller')) continue;
  const r = el.getBoundingClientRect();
  if (r.width > 0 && (r.right > width + 0.5 || r.left < -0.5)) wide.push(el.tagName + '#' + el.id + '.' + el.className);
}
return {scrollWidth: document.documentElement.scrollWidth, width: width, wide: wide};
"""

# Every control a finger can reach that is smaller than 44 x 44 CSS px (a
# checkbox counts by its label).
SMALL_TARGETS = """
const small = [];
for (const el of document.querySelectorAll('button, a, summary, input, select')) {
  const target = el.matches('input[type=checkbox]') ? el.closest('label') : el;
  const r = target.getBoundingClientRect();
  if (r.width > 0 && r.height > 0 && (r.width < 43.5 || r.height < 43.5))
    small.push((el.id || el.className || el.textContent) + ' ' + Math.round(r.width) + 'x' + Math.round(r.height));
}
return small;
"""

DECK_SHOWN = """
return Array.from(document.querySelectorAll('#deck img'), (img) => img.complete && img.naturalWidth > 0)
    .filter(Boolean).length === 52;
"""

# The filter on an unpicked card's picture of each suit (clubs, diamonds, hearts, spades).
FOUR_COLOURS = """
return [1, 14, 28, 41].map((card) => getComputedStyle(document.querySelector(
    '#deck .card[data-card="' + card + '"] img')).filter);
"""

# What the first screen after OK shows, without a scroll.
ABOVE_THE_FOLD = """
window.scrollTo(0, 0);
const inView = (el) => { const r = el.getBoundingClientRect(); return r.height > 0 && r.top >= 0 && r.bottom <= innerHeight; };
return ['#places', '#decisionBest', '#decisionMark', '#seats'].filter((css) => !inView(document.querySelector(css)));
"""

AXE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "node_modules", "axe-core", "axe.min.js")
# axe-core's serious and critical findings on the page as it stands.
RUN_AXE = """
const done = arguments[0];
axe.run(document, {resultTypes: ['violations']}).then((results) => done(results.violations
    .filter((v) => v.impact === 'serious' || v.impact === 'critical')
    .map((v) => v.id + ' (' + v.impact + '): ' + v.nodes.slice(0, 3).map((n) => n.target.join(' ')).join(', '))),
  (error) => done(['axe failed: ' + error]));
"""


class Failure(Exception):
    pass


def check(condition, what):
    if not condition:
        raise Failure(what)


class Site:
    """The site served on a free port of 127.0.0.1, stoppable."""

    def __init__(self, root):
        handler = functools.partial(QuietHandler, directory=root)
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.url = "http://127.0.0.1:%d/" % self.server.server_address[1]
        self.thread = threading.Thread(target=self.server.serve_forever, daemon=True)
        self.thread.start()

    def stop(self):
        self.server.shutdown()
        self.server.server_close()


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    # Streaming compilation wants the wasm type, whatever the machine's mime.types says.
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, ".wasm": "application/wasm"}

    def log_message(self, *args):
        pass


class Odds:
    """quintara-odds --json for the cards the page shows."""

    def __init__(self, program):
        self.program = program

    # The page plays the one default of every front end (game/TableEquity.h:
    # kTableTrials for the pot shares, kShowdownTrials for the stand-pat
    # showdown, seed 1): the same figures, not just close ones.
    TABLE_TRIALS, SHOWDOWN_TRIALS = "400000", "50000"

    def run(self, opponents, dealt, discards=(), draws=(), drew=(), table=()):
        args = [self.program, "--json", "--opponents", str(opponents), "--seed", "1"]
        if discards:
            args += ["--discard", ",".join(discards), "--draw", ",".join(draws)]
        answer = self.answer(args + ["--trials", self.SHOWDOWN_TRIALS], dealt)
        # What the opponents were seen to draw moves only the table's figures.
        seen = ["--drew", ",".join(drew)] if drew else []
        # So do the ranges and the price; the tables and the stand-pat showdown ignore them.
        table_args = args + seen + list(table) + ["--trials", self.TABLE_TRIALS, "--equity"]
        answer["call_lines"] = self.text([a for a in table_args if a != "--json"], dealt).splitlines() if table else []
        table = self.answer(table_args, dealt)
        answer["equity"] = table["equity"]
        holds = table["equity"]["holds"]
        answer["decision"] = table.get("decision") or (dict(holds[0], runner_up=holds[1]) if len(holds) > 1 else None)
        if answer["decision"]:
            # The runner-up's interval, from its row.
            runner_up = answer["decision"]["runner_up"]
            answer["decision"]["runner_up"] = next(h for h in holds if h["keep"] == runner_up["keep"])
        if not discards:
            # The draw analysis' exact figures, in the table's order: by pot share.
            drawn = {tuple(hold["keep"]): hold for hold in self.answer(args + ["--holds"], dealt)["holds"]}
            answer["holds"] = [dict(drawn[tuple(hold["keep"])], pot_share=hold) for hold in holds]
        return answer

    @staticmethod
    def text(args, dealt):
        return subprocess.run(args + list(dealt), check=True, capture_output=True, text=True).stdout

    @classmethod
    def answer(cls, args, dealt):
        return json.loads(cls.text(args, dealt))


def percent(p):
    return "%.3f%%" % (p * 100.0)


def odds_against(p):
    # The holds leave the odds cell empty for what cannot happen.
    return "" if p == 0.0 else "%.2f : 1" % ((1.0 - p) / p)


class NoOdds:
    """A results row or exact figure at 0: a mark that is neither empty nor a number."""

    def __eq__(self, shown):
        return isinstance(shown, str) and shown.strip() != "" and not any(c.isdigit() for c in shown)

    def __repr__(self):
        return "(a dash)"


def row_odds(p):
    return NoOdds() if p == 0.0 else odds_against(p)


def expected_figure(shown, p, exact, half_width=None):
    """A figure as the page must show it: exact, or with its 95% interval.
    The command line gives only the pot share's interval; for the others the
    page's own interval is taken as long as the figure before it is right."""
    if exact:
        return percent(p)
    if half_width is not None:
        return "%s \u00b1 %.3f" % (percent(p), half_width * 100.0)
    prefix = percent(p) + " \u00b1 "
    return shown if shown.startswith(prefix) and len(shown) > len(prefix) else prefix + "(interval)"


OUTCOMES = ("win", "tie", "lose", "pot_share")


def equity_figures(hold, shown):
    """Win, tie, lose and pot share of a hold, or of the hand at the showdown."""
    return [expected_figure(text, hold[key], hold["exact"], hold["pot_share_error"] if key == "pot_share" else None)
            for key, text in zip(OUTCOMES, shown)]


def showdown_figures(showdown, shown):
    """Figure and odds of each outcome; simulated figures have no odds."""
    figures = equity_figures(showdown, [row[1] for row in shown])
    return [[figure, row_odds(showdown[key]) if showdown["exact"] else ""]
            for figure, key in zip(figures, OUTCOMES)]


def page_lines(text):
    return text.replace("\r\n", "\n")


def pot_share_figure(hold):
    return expected_figure(None, hold["pot_share"], hold.get("exact", False), hold["pot_share_error"])


def expect_decision(page, answer, step):
    """First on an initial hand: the best hold, the runner-up and the margin, as --equity --json says."""
    decision = answer["decision"]
    if answer["final"]:
        check(not page["decisionShown"], step + ": no decision on a final hand")
        return
    check(page["decisionShown"] and pot_share_figure(decision) in page["decision"] and
          pot_share_figure(decision["runner_up"]) in page["runnerUp"],
          "%s: decision %s / %s, not %s" % (step, page["decision"], page["runnerUp"], decision))
    if "margin" in decision:
        margin = "%.3f \u00b1 %.3f" % (decision["margin"] * 100.0, decision["margin_error"] * 100.0)
        check(margin in page["runnerUp"], "%s: margin %s not in %s" % (step, margin, page["runnerUp"]))


def expect_figures(page, answer, step):
    """The page's texts and every figure are quintara-odds' own."""
    expect_decision(page, answer, step)
    # Each model named, the drawing figure first; the stand-pat one says so.
    check(page["equityBeforeShowdown"] and page["showdownCaption"] and
          page["showdownCaption"] != page["equityHeading"], step + ": the pot share at the table comes first")
    check(page["description"] == page_lines(answer["description"]), step + ": description")
    if answer["final"]:
        check(not page["adviceShown"], step + ": no advice for a final hand")
    else:
        check(page["adviceShown"] and page["advice"] == page_lines(answer["advice"]), step + ": advice")
    for table in ("one_opponent", "at_least_one"):
        expected = [[row["label"], percent(row["probability"]), row_odds(row["probability"])]
                    for row in answer[table]]
        shown = page["oneOpponent" if table == "one_opponent" else "atLeastOne"]
        check(shown == expected, "%s: %s table %s, not %s" % (step, table, shown, expected))
    showdown = answer["showdown"]
    # A column of odds that would be empty throughout is left out.
    rows = [row[1:] + [""] * (3 - len(row)) for row in page["showdown"]]
    check(len(rows) == 4 and rows == showdown_figures(showdown, page["showdown"]),
          "%s: showdown %s, not %s" % (step, page["showdown"], showdown))
    equity = answer["equity"]["holds"]
    check(page["equityShown"] and len(page["equity"]) == len(equity) > 0, step + ": a pot share for each hold")
    for row, kept, hold in zip(page["equity"], page["equityCards"], equity):
        # The page puts the pot share, the figure the holds are ranked by, first.
        shown = row[2:] + row[1:2]
        check(sorted(kept.split()) == sorted(hold["keep"]) and len(row) == 5 and shown == equity_figures(hold, shown),
              "%s: pot share of %s shows %s, not %s" % (step, kept, row, hold))
    # The price of a call: the command line's own three lines.
    call_lines = answer.get("call_lines", [])
    check(len(page["call"]) == (3 if call_lines else 0) and all(line in call_lines for line in page["call"]),
          "%s: the call reads %s" % (step, page["call"]))
    counts = [int(n) for n in re.findall(r"\d+", page["showdownHands"])]
    check(counts == [showdown[key] for key in ("hands", "beating", "tying", "losing")],
          step + ": showdown counts " + page["showdownHands"])
    if "holds" in answer:
        check(page["holdsShown"] and len(page["holds"]) == len(answer["holds"]), step + ": 32 holds")
        for rank, (row, kept, hold) in enumerate(zip(page["holds"], page["holdCards"], answer["holds"]), 1):
            cells = [pot_share_figure(hold["pot_share"])] + [percent(p) for p in hold["probabilities"].values()]
            cells += [percent(hold["improve"]), percent(hold["at_least_current"]), odds_against(hold["improve"])]
            check(row[0] == str(rank) and sorted(kept.split()) == sorted(hold["keep"]) and row[2:] == cells,
                  "%s: hold %d shows %s %s, not %s" % (step, rank, kept, row, hold))
    else:
        check(not page["holdsShown"], step + ": holds only for an initial hand")


class Player:
    def __init__(self, driver, odds, shots):
        self.driver = driver
        self.odds = odds
        self.shots = shots
        self.axe_runs = []

    def page(self):
        self.settle()
        return self.driver.execute_script(READ_PAGE)

    def settle(self):
        """Waits for the workers' last tally, and for the page to show it."""
        for _ in range(1200):
            if self.driver.execute_script("return document.body.dataset.figures === 'done'"):
                return
            time.sleep(0.025)
        raise Failure("the simulations never ended")

    def size(self, width_height, mobile):
        width, height = width_height
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": 2 if mobile else 1, "mobile": mobile})

    def shoot(self, name):
        self.driver.save_screenshot(os.path.join(self.shots, name + ".png"))

    def shoot_page(self, name):
        """The whole page, below the fold too."""
        size = self.driver.execute_cdp_cmd("Page.getLayoutMetrics", {})["cssContentSize"]
        shot = self.driver.execute_cdp_cmd("Page.captureScreenshot", {"captureBeyondViewport": True, "clip": {
            "x": 0, "y": 0, "width": size["width"], "height": size["height"], "scale": 1}})
        with open(os.path.join(self.shots, name + ".png"), "wb") as file:
            file.write(base64.b64decode(shot["data"]))

    def tap(self, css):
        element = self.driver.find_element(By.CSS_SELECTOR, css)
        self.driver.execute_script("arguments[0].scrollIntoView({block: 'center'})", element)
        ActionChains(self.driver).move_to_element(element).click().perform()

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def chord(self, *modifiers_and_key):
        *modifiers, key = modifiers_and_key
        chain = ActionChains(self.driver)
        for modifier in modifiers:
            chain.key_down(modifier)
        chain.send_keys(key)
        for modifier in reversed(modifiers):
            chain.key_up(modifier)
        chain.perform()

    def tab_to(self, css, backward=False, limit=80):
        """Tabs until the element is focused: it is reachable by keys."""
        target = self.driver.find_element(By.CSS_SELECTOR, css)
        for _ in range(limit):
            if self.driver.switch_to.active_element == target:
                return
            if backward:
                self.chord(Keys.SHIFT, Keys.TAB)
            else:
                self.keys(Keys.TAB)
        raise Failure("Tab never reaches " + css)

    def fits_phone(self, step):
        """Nothing wider than the phone, every target a finger's size, no serious accessibility fault."""
        overflow = self.driver.execute_script(OVERFLOW)
        check(overflow["scrollWidth"] <= overflow["width"] and not overflow["wide"],
              "%s: wider than the phone: %s" % (step, overflow))
        small = self.driver.execute_script(SMALL_TARGETS)
        check(not small, "%s: tap targets under 44 px: %s" % (step, small))
        self.accessible(step)

    def accessible(self, step, game=True):
        if game:
            self.settle()
        if not self.driver.execute_script("return typeof axe === 'object'"):
            with open(AXE, encoding="utf-8") as file:
                self.driver.execute_script(file.read())
        found = self.driver.execute_async_script(RUN_AXE)
        self.axe_runs.append(step)
        check(not found, "%s: axe-core: %s" % (step, found))

    def hand(self, page):
        return [place["text"] for place in page["places"]]


def load(driver, url, ready=True):
    driver.get(url)
    for _ in range(100 if ready else 0):
        if driver.execute_script("return document.body.dataset.ready === 'true'"):
            return
        time.sleep(0.05)
    if ready:
        raise Failure("the page never became ready")


def deck(card):
    return '#deck .card[data-card="%d"]' % card


def game_by_taps(player, url):
    """Three opponents; a pair of kings, three cards thrown, three drawn."""
    player.size(PHONE, True)
    load(player.driver, url)
    page = player.page()
    check(page["stage"] == PICK_INITIAL and page["pickerShown"] and not page["resultsShown"], "starts picking")
    check(player.driver.execute_script(DECK_SHOWN), "ready only once every card's picture is in")
    player.fits_phone("phone, picking")
    player.shoot("phone-1-picking")

    player.tap('#opponentButtons button[data-opponents="3"]')
    check(player.page()["opponents"] == 3, "three opponents pressed")
    # Kh Kd 7s 4c 2h as card indices (13 x suit + rank, Ace 0).
    dealt = [38, 25, 45, 3, 27]
    for count, card in enumerate(dealt, 1):
        player.tap(deck(card))
        page = player.page()
        check(sorted(page["picked"]) == sorted(dealt[:count]), "tapped cards show pressed: %s" % page["picked"])
        check(page["okEnabled"] == (count == 5), "OK only with five cards")
    player.tap(deck(dealt[0]))
    player.tap(deck(dealt[0]))
    player.shoot("phone-2-five-picked")
    player.tap("#fourColours")
    filters = player.driver.execute_script(FOUR_COLOURS)
    check(filters[0] != filters[1] and filters[0] != "none" and filters[2:] == ["none", "none"],
          "the four-colour deck recolours clubs and diamonds only: %s" % filters)
    player.shoot("phone-2b-four-colours")
    player.tap("#fourColours")
    player.tap("#okButton")
    page = player.page()
    check(page["stage"] == INITIAL and not page["pickerShown"] and page["resultsShown"], "OK shows the results")
    hand = player.hand(page)
    check(sorted(p["card"] for p in page["places"]) == sorted(dealt), "the hand is the cards picked")
    answer = player.odds.run(3, hand)
    expect_figures(page, answer, "initial hand")
    hidden = player.driver.execute_script(ABOVE_THE_FOLD)
    check(not hidden, "the first screen after OK lacks %s" % hidden)
    check(page["seats"] == ["?"] * 3, "three seats, none seen to draw: %s" % page["seats"])
    player.fits_phone("phone, results")
    player.shoot("phone-3-initial-hand")
    player.shoot_page("phone-3-initial-hand-whole-page")

    discards = ["7s", "4c", "2h"]
    for text in discards:
        player.tap('#places .card[data-text="%s"]' % text)
    page = player.page()
    check(page["stage"] == MARKED and page["discardEnabled"], "marked cards enable Discard")
    check([p["pressed"] == "true" for p in page["places"]] == [p["text"] in discards for p in page["places"]],
          "the tapped places show marked")
    # Unmarked again, then the decision's button marks its discards.
    player.tap('#places .card[data-text="2h"]')
    check(player.page()["places"][[p["text"] for p in page["places"]].index("2h")]["pressed"] == "false",
          "a second tap unmarks")
    player.tap("#decisionMark")
    page = before_discard = player.page()
    best = answer["decision"]
    check([p["text"] for p in page["places"] if p["pressed"] == "true"] == best["discard"],
          "the decision marks %s" % best["discard"])
    check(player.driver.execute_script("return document.getElementById('decisionMark').getAttribute('aria-pressed')")
          == "true", "the decision's button shows its marks set")
    player.fits_phone("phone, marked")
    player.shoot("phone-3b-marked")
    discards = best["discard"]
    player.tap("#discardButton")
    page = player.page()
    check(page["stage"] == PICK_REPLACEMENTS and page["pickerShown"], "Discard asks for replacements")
    check(page["stale"] and page["decision"] == before_discard["decision"], "the figures stay, marked as not yet updated")
    check(set(dealt) <= set(page["unoffered"]), "the dealt cards are not offered again")
    player.fits_phone("phone, replacements")
    player.shoot("phone-3c-replacements")
    player.shoot_page("phone-3c-replacements-whole-page")
    # Kc 9h 9d 5s: replacements fill the emptied places in card-index order.
    draws = [12, 34, 21, 43][:len(discards)]
    for card in draws:
        player.tap(deck(card))
    player.tap("#okButton")
    page = player.page()
    check(page["stage"] == FINAL, "OK shows the final hand")
    final = player.hand(page)
    drawn = [t for t in final if t not in hand]
    expected = player.odds.run(3, hand, discards, drawn)
    check(sorted(final) == sorted(expected["hand"]), "final hand %s, not %s" % (final, expected["hand"]))
    expect_figures(page, expected, "final hand")
    player.fits_phone("phone, final hand")
    player.shoot("phone-4-final-hand")

    player.tap("#undoButton")
    page = player.page()
    check(page["stage"] == PICK_REPLACEMENTS and sorted(page["picked"]) == sorted(draws),
          "Undo brings back the replacements picked")
    player.tap("#redoButton")
    expect_figures(player.page(), expected, "redone final hand")
    player.tap("#newButton")
    page = player.page()
    check(page["stage"] == PICK_INITIAL and not page["resultsShown"] and page["opponents"] == 3 and page["undo"],
          "New forgets the cards and keeps the table, undoably")
    player.tap("#undoButton")
    check(player.hand(player.page()) == final, "Undo brings back the hand New cleared")
    seen_draws(player, url, hand, discards, drawn)
    shared_links(player, url)


def seen_draws(player, url, hand, discards, drawn):
    """Taps on the seats of the final hand: each cycles unseen, 0, 1, ...; each
    is one undoable step, and the figures are those of --drew."""
    for seat, count in ((1, 1), (3, 0)):
        set_drew(player, seat, count)
    player.tap("#seatDone")
    page = player.page()
    check(page["seats"] == ["1", "?", "0"], "seats after taps: %s" % page["seats"])
    check(len(set(page["seatNames"])) == 3 and all(re.search(r"\d.*\(.*,", name) for name in page["seatNames"]),
          "each seat is a named control with its value: %s" % page["seatNames"])
    expect_figures(page, player.odds.run(3, hand, discards, drawn, drew=page["seats"]), "seen draws")
    player.fits_phone("phone, seen draws")
    player.shoot("phone-4b-seen-draws")
    player.tap("#undoButton")
    check(player.page()["seats"] == ["1", "?", "?"], "Undo takes back the last seat's draw")
    player.tap("#redoButton")
    check(player.page()["seats"] == ["1", "?", "0"], "Redo sets it again")


def set_drew(player, seat, count):
    """A tap on the seat opens its panel; a tap there says what he drew."""
    player.tap('#seats .seat[data-seat="%d"]' % (seat - 1))
    player.tap('#drewChoices [data-drew="%d"]' % count)


def ranges_and_price(player, url):
    """Qs Qd 7c 7h Ac against two: opponent 1 opened, a price of 20 into 60.
    The decision and its call, then the final hand with opponent 1 seen to
    draw 1 and opponent 2 to draw 3, are quintara-odds' figures and lines. A
    bad range word is refused naming the opponent; Undo takes a range back;
    the link carries ranges and price."""
    player.size(PHONE, True)
    load(player.driver, url)
    player.tap('#opponentButtons button[data-opponents="2"]')
    for text in ("Qs", "Qd", "7c", "7h", "Ac"):
        player.tap(deck(card_index(text)))
    player.tap("#okButton")
    hand = player.hand(player.page())
    player.tap("#priceButton")
    player.tap('#seats .seat[data-seat="0"]')
    player.tap("#rangeInput")
    player.keys("JJ+/zz")
    player.tap("#rangeSet")
    page = player.page()
    check("opponent 1" in page["rangeError"] and "zz" in page["rangeError"] and page["ranges"] == ["", ""],
          "a bad word is refused naming the opponent: %s" % page["rangeError"])
    player.tap('#rangeChoices [data-words="open"]')
    check(player.page()["ranges"] == ["JJ+", ""], "Opened gives opponent 1 the opening requirement")
    player.fits_phone("phone, a seat's range")
    player.shoot("phone-6-seat-range")
    player.tap("#undoButton")
    check(player.page()["ranges"] == ["", ""], "Undo takes the range back")
    player.tap("#redoButton")
    player.tap("#seatDone")
    for field, amount in (("#potInput", "60"), ("#callInput", "20")):
        player.tap(field)
        player.keys(amount, Keys.TAB)
    page = player.page()
    check("JJ+" in page["tableStatus"] and "20" in page["tableStatus"], "said: %s" % page["tableStatus"])
    table = ["--range", "open", "--pot", "60", "--call", "20"]
    expect_figures(page, player.odds.run(2, hand, table=table), "opener and price")
    player.shoot("phone-6a-opener-and-price")
    player.tap("#decisionMark")
    discards = [p["text"] for p in player.page()["places"] if p["pressed"] == "true"]
    player.tap("#discardButton")
    draws = ["2d", "3s", "4c", "5h", "6d"][:len(discards)]
    for text in draws:
        player.tap(deck(card_index(text)))
    player.tap("#okButton")
    set_drew(player, 1, 1)
    set_drew(player, 2, 3)
    player.tap("#seatDone")
    before = player.page()
    check(before["seats"] == ["1", "3"] and before["ranges"] == ["JJ+", ""], "seats %s" % before["seats"])
    expect_figures(before, player.odds.run(2, hand, discards, draws, drew=["1", "3"], table=table),
                   "opener seen to draw 1, final hand")
    player.shoot("phone-6b-opener-drew-1")
    load(player.driver, "about:blank", ready=False)
    load(player.driver, url + before["link"])
    after = player.page()
    same = ("stage", "seats", "ranges", "price", "call", "equity", "showdown")
    check({key: after[key] for key in same} == {key: before[key] for key in same} and not after["linkStatus"],
          "the link %s reopens ranges and price: %s" % (before["link"], after))


def shared_links(player, url):
    """The address reopens the game as it was; a bad or outdated one opens an empty game with a message."""
    before = player.page()
    # Without a share sheet the link is copied, or shown to be copied by hand.
    player.tap("#shareButton")
    status = ""
    for _ in range(40):
        status = player.page()["linkStatus"]
        if status:
            break
        time.sleep(0.05)
    check(status, "Share says what it did with the link (share sheet: %s)" %
          player.driver.execute_script("return typeof navigator.share"))
    load(player.driver, "about:blank", ready=False)
    load(player.driver, url + before["link"])
    after = player.page()
    same = ("stage", "opponents", "places", "seats", "decision", "equity", "showdown", "description")
    check({key: after[key] for key in same} == {key: before[key] for key in same} and not after["linkStatus"],
          "the link %s reopens %s, not %s" % (before["link"], before, after))
    player.fits_phone("phone, reopened link")
    # A link for each earlier stage: marked, and picking replacements.
    for link, stage in (("#v=1&o=2&h=Kh.Kd.7s.4c.2h&m=7s.2h", MARKED),
                        ("#v=1&o=4&h=Kh.Kd.7s.4c.2h&m=7s.4c.2h&d=1&p=Ac", PICK_REPLACEMENTS)):
        load(player.driver, "about:blank", ready=False)
        load(player.driver, url + link)
        page = player.page()
        check(page["stage"] == stage and not page["linkStatus"], "%s opens stage %d: %s" % (link, stage, page))
    # A link put in the address bar of the open page opens its game as well.
    player.driver.execute_script("location.hash = arguments[0]", "#v=1&o=5&p=Ac.Kd")
    page = player.page()
    check(page["opponents"] == 5 and sorted(page["picked"]) == [0, card_index("Kd")], "a new address, a new game")
    for link in ("#v=1&h=Kh.Kh.7s.4c.2h", "#v=1&o=9", "#v=1&h=Zz", "#v=0&h=Kh.Kd.7s.4c.2h"):
        load(player.driver, "about:blank", ready=False)
        load(player.driver, url + link)
        page = player.page()
        check(page["linkStatus"] and page["stage"] == PICK_INITIAL and not page["picked"] and not page["undo"],
              "%s: a message and an empty game, not %s" % (link, page))


def game_by_keys(player, url):
    """Two opponents; typed cards, digits to mark, a pasted draw, Ctrl+Z."""
    player.size(DESKTOP, False)
    load(player.driver, url)
    player.accessible("desktop, picking")
    player.shoot("desktop-0-picking")
    player.tab_to('#opponentButtons button[data-opponents="2"]')
    player.keys(Keys.SPACE)
    check(player.page()["opponents"] == 2, "Space on the second button sets two opponents")
    player.tab_to(deck(0))

    # A key that is no card is refused with a hint and changes nothing.
    player.keys("z")
    page = player.page()
    check(page["prompt"] != "" and page["picked"] == [], "a refused key shows its hint")
    player.keys("Q")
    check(player.page()["prompt"] != "", "the pending key shows")
    # Space would press the focused card: cards typed back to back.
    player.keys("h10hjH9c2d")
    page = player.page()
    check(len(page["picked"]) == 5 and page["okEnabled"], "five typed cards are picked: %s" % page["picked"])
    player.keys(Keys.BACKSPACE)
    check(len(player.page()["picked"]) == 4, "Backspace takes the last card back")
    player.keys("2d")
    player.shoot("desktop-1-typed")
    player.keys(Keys.ENTER)
    page = player.page()
    check(page["stage"] == INITIAL, "Enter confirms the typed hand")
    hand = player.hand(page)
    answer = player.odds.run(2, hand)
    expect_figures(page, answer, "typed initial hand")
    # Side by side: the hand on the left, the results beside it.
    left = player.driver.find_element(By.ID, "table").rect
    right = player.driver.find_element(By.ID, "decision").rect
    check(right["x"] >= left["x"] + left["width"] and right["y"] < left["y"] + left["height"],
          "results beside the hand on a desktop")
    player.accessible("desktop, initial hand")
    player.shoot("desktop-2-initial-hand")

    # The digits mark places; the best hold's button marks exactly its discards.
    player.keys("1", "2")
    page = player.page()
    check([p["pressed"] for p in page["places"]][:2] == ["true", "true"] and page["stage"] == MARKED,
          "digits mark places")
    player.shoot("desktop-2a-marked")
    # The draw analysis sorts by a column's figures: Improve, best first.
    improve = 3 + len(answer["holds"][0]["probabilities"])
    player.tab_to("#holdsTable thead th:nth-child(%d) button" % (improve + 1))
    player.keys(Keys.ENTER)
    shown = player.page()["holds"]
    figures = [float(row[improve].rstrip("%")) for row in shown]
    check(figures == sorted(figures, reverse=True) and
          sorted(row[0] for row in shown) == sorted(str(rank) for rank in range(1, len(shown) + 1)),
          "sorted by Improve, best first: %s" % figures)
    player.tab_to("#holdsTable thead th:first-child button", backward=True)
    player.keys(Keys.ENTER)
    check([row[0] for row in player.page()["holds"]] == [str(rank) for rank in range(1, len(shown) + 1)],
          "# sorts back to the best-first order")
    player.tab_to("#holdsTable .markHold")
    player.keys(Keys.ENTER)
    page = player.page()
    best = answer["holds"][0]
    check([p["text"] for p in page["places"] if p["pressed"] == "true"] == best["discard"],
          "the best hold marks %s" % best["discard"])
    player.tab_to("#discardButton", backward=True)
    player.keys(Keys.ENTER)
    page = player.page()
    check(page["stage"] == PICK_REPLACEMENTS, "Enter on Discard throws the marked cards")
    player.accessible("desktop, replacements")
    player.shoot("desktop-2b-replacements")

    # The replacements pasted as text into the field, then Enter on OK.
    needed = len(best["discard"])
    draws = ["As", "Ad", "Ah", "Ac"][:needed]
    player.tab_to("#pasteInput")
    player.keys(" ".join(draws), Keys.ENTER)
    page = player.page()
    check(len(page["picked"]) == needed and page["okEnabled"], "the pasted cards are picked")
    player.keys(Keys.ENTER)
    page = player.page()
    check(page["stage"] == FINAL, "Enter on OK shows the final hand")
    final = player.hand(page)
    drawn = [t for t in final if t not in hand]
    expected = player.odds.run(2, hand, best["discard"], drawn)
    check(sorted(final) == sorted(expected["hand"]), "final hand %s, not %s" % (final, expected["hand"]))
    expect_figures(page, expected, "pasted final hand")
    player.accessible("desktop, final hand")
    player.shoot("desktop-3-final-hand")
    player.shoot_page("desktop-3-final-hand-whole-page")

    player.chord(Keys.CONTROL, "z")
    check(player.page()["stage"] == PICK_REPLACEMENTS, "Ctrl+Z undoes the final hand")
    player.chord(Keys.CONTROL, Keys.SHIFT, "z")
    expect_figures(player.page(), expected, "Ctrl+Shift+Z redoes it")


def card_index(text):
    """'Kd' as the deck's index: 13 x suit (clubs, diamonds, hearts, spades) + rank (Ace 0)."""
    return "cdhs".index(text[1]) * 13 + "A23456789TJQK".index(text[0])


def table_changes_keep_the_cards(player, url):
    """At every stage another number of opponents keeps the cards, picks and
    marks, and one Undo brings the table back; Enter on the focused button is
    the same tap. The hand shows as players sort it; digits follow it."""
    player.size(PHONE, True)
    load(player.driver, url)
    player.tap('#opponentButtons button[data-opponents="3"]')
    same = lambda p: (p["stage"], sorted(p["picked"]), p["places"], p["description"])

    def change(opponents, step, enter=False, answer_for=None):
        before = player.page()
        button = '#opponentButtons button[data-opponents="%d"]' % opponents
        if enter:
            player.driver.execute_script("document.querySelector(arguments[0]).focus()", button)
            player.keys(Keys.ENTER)
        else:
            player.tap(button)
        after = player.page()
        check(after["opponents"] == opponents and same(after) == same(before),
              "%s: %d opponents keep the cards" % (step, opponents))
        check(not after["resultsShown"] or after["stale"] or after["equityHeading"] != before["equityHeading"],
              step + ": the figures are for the new table, or marked as not yet updated")
        if answer_for:
            expect_figures(after, player.odds.run(opponents, player.hand(after)), step + ", new table")
        player.tap("#undoButton")
        page = player.page()
        check(page["opponents"] == before["opponents"] and same(page) == same(before), step + ": Undo brings the table back")

    for text in ("Kd", "Ks"):
        player.tap(deck(card_index(text)))
    change(2, "picking")
    for text in ("8s", "4h", "2c"):
        player.tap(deck(card_index(text)))
    player.tap("#okButton")
    page = player.page()
    # Typed or tapped in any order, the pair comes first, then by rank.
    check(player.hand(page) == ["Kd", "Ks", "8s", "4h", "2c"], "the hand as players hold it: %s" % player.hand(page))
    names = player.driver.execute_script(
        "return Array.from(arguments[0], (c) => document.querySelector('#deck [data-card=\"' + c + '\"]')"
        ".getAttribute('aria-label'))", [p["card"] for p in page["places"]])
    check([p["name"] for p in page["places"]] == names, "each place is named for the card it shows")
    change(4, "initial hand", enter=True, answer_for=True)
    player.keys("3", "4", "5")
    page = player.page()
    check([p["text"] for p in page["places"] if p["pressed"] == "true"] == ["8s", "4h", "2c"],
          "digits 3 to 5 mark the three small cards")
    change(5, "cards marked")
    player.tap("#discardButton")
    player.tap(deck(card_index("Ah")))
    change(1, "picking replacements")
    for text in ("Ad", "Kc"):
        player.tap(deck(card_index(text)))
    player.tap("#okButton")
    check(player.page()["stage"] == FINAL, "the final hand")
    change(2, "final hand")


# The page's longest task while its workers play, from the browser's own
# long task entries (50 ms and more).
WATCH_LONG_TASKS = """
window.quintaraLongest = 0;
new PerformanceObserver((list) => {
  for (const entry of list.getEntries()) window.quintaraLongest = Math.max(window.quintaraLongest, entry.duration);
}).observe({type: 'longtask'});
"""


def workers_agree(player, url):
    """Five opponents, the longest run: the same figures with one worker and
    with three, the decision --equity --json gives, and no task of the page's
    50 ms or longer while the workers play. The machine may be busy with other
    work, so a long task gets two more tries; one that always comes is the page's."""
    player.size(PHONE, True)
    shown = {}
    for workers in (1, 3):
        load(player.driver, url + "?workers=%d" % workers)
        check(player.driver.execute_script("return document.body.dataset.workers") == str(workers),
              "%d workers asked, %d started" % (workers, workers))
        player.tap('#opponentButtons button[data-opponents="5"]')
        longest = []
        for attempt in range(3):
            player.driver.execute_script(WATCH_LONG_TASKS)
            for text in ("Ac", "Kd", "7h", "4s", "2c"):
                player.tap(deck(card_index(text)))
            player.tap("#okButton")
            page = player.page()
            time.sleep(0.2)  # long task entries arrive a little after their task
            longest.append(player.driver.execute_script("return window.quintaraLongest"))
            if longest[-1] < 50:
                break
            player.tap("#newButton")
        check(min(longest) < 50, "%d workers: the page blocked for %s ms" % (workers, longest))
        shown[workers] = {key: page[key] for key in ("decision", "runnerUp", "equity", "showdown", "holds")}
        player.shoot("phone-5-five-opponents-%d-workers" % workers)
    check(shown[1] == shown[3], "one worker and three disagree: %s / %s" % (shown[1], shown[3]))
    # The classic play keeps the three straight cards; the decision does not.
    check(page["classicDiffers"], "the classic play's other hold is said under it")
    expect_figures(page, player.odds.run(5, player.hand(page)), "five opponents")


def offline(player, site):
    """With the server stopped, the service worker still serves the page."""
    driver = player.driver
    driver.execute_async_script(
        "const done = arguments[0];"
        "navigator.serviceWorker.ready.then(() => {"
        "  const wait = () => navigator.serviceWorker.controller ? done(true) : setTimeout(wait, 50); wait(); });")
    site.stop()
    load(driver, site.url)
    # The pictures are put in by the page's script once it is ready, so they
    # may still be arriving from the cache: give them a bounded while.
    loaded = False
    for _ in range(100):
        loaded = player.page()["stage"] == PICK_INITIAL and driver.execute_script(
            "return document.querySelectorAll('#deck .card').length === 52 &&"
            " Array.from(document.images).every((img) => img.complete && img.naturalWidth > 0)")
        if loaded:
            break
        time.sleep(0.05)
    check(loaded, "offline: the page, its module and its pictures load from the cache")
    player.keys("Ac")
    check(player.page()["picked"] == [0], "offline: the game answers (the Ace of clubs is card 0)")
    player.keys("Kd7h4s2c", Keys.ENTER)
    check(player.page()["equity"], "offline: the workers load from the cache and play")
    # The page's own help, sized for a phone, and the installable icons come from the cache too.
    load(driver, site.url + "help.html", ready=False)
    check(driver.execute_script("return document.querySelector('meta[name=viewport]') !== null && "
                                "document.getElementById('stage7') !== null"), "offline: the page's own help")
    player.accessible("help page", game=False)
    manifest = json.loads(driver.execute_script(
        "return fetch('manifest.webmanifest').then((r) => r.text())"))
    for icon in manifest["icons"]:
        size = driver.execute_async_script(
            "const done = arguments[1]; const img = new Image(); img.onload = () => done(img.naturalWidth + 'x' +"
            " img.naturalHeight); img.onerror = () => done('missing'); img.src = arguments[0];", icon["src"])
        check(size == icon["sizes"], "offline: icon %s is %s" % (icon["src"], size))
    check({"192x192", "512x512"} <= {i["sizes"] for i in manifest["icons"] if "maskable" in i.get("purpose", "")}
          and manifest["theme_color"], "installable: maskable 192 and 512 px icons and a theme colour")


def main():
    build_web, program = sys.argv[1], os.path.abspath(sys.argv[2])
    root = os.path.join(build_web, "site")
    shots = os.path.join(build_web, "e2e")
    shutil.rmtree(shots, ignore_errors=True)
    os.makedirs(shots)
    profile = tempfile.mkdtemp(prefix="quintara-chromium-")
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 "--user-data-dir=" + profile):
        options.add_argument(flag)
    site = Site(root)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    player = Player(driver, Odds(program), shots)
    started = time.monotonic()
    try:
        for game in (game_by_taps, ranges_and_price, game_by_keys, table_changes_keep_the_cards, workers_agree):
            game(player, site.url)
            print("passed:", game.__name__)
        offline(player, site)
        print("passed: offline")
        print("axe-core %s: no serious or critical violation at %d stages: %s" % (
            json.load(open(os.path.join(os.path.dirname(AXE), "package.json")))["version"],
            len(player.axe_runs), "; ".join(player.axe_runs)))
    except Failure as failure:
        player.shoot("failure")
        print("FAIL:", failure, file=sys.stderr)
        return 1
    finally:
        driver.quit()
        shutil.rmtree(profile, ignore_errors=True)
    print("web page test passed in %.1f s; screenshots in %s" % (time.monotonic() - started, shots))
    return 0


if __name__ == "__main__":
    sys.exit(main())
