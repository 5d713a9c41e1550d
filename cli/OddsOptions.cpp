#include "OddsOptions.h"

#include "CardText.h"
#include "CardTyping.h"
#include "Cards.h"
#include "OddsTable.h"
#include "TableSimulation.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <tuple>

const char kOddsUsage[] =
    "Usage: quintara-odds [--opponents N] [--discard LIST --draw LIST | --holds]\n"
    "                     [--equity | --no-equity] [--drew LIST | --pat] [--range LIST [--open R]]\n"
    "                     [--pot P --call C] [--trials N] [--seed S] [--json] C1 C2 C3 C4 C5\n"
    "       quintara-odds --batch [--jobs N] < REQUESTS\n"
    "\n"
    "Odds of five-card draw poker over the cards you have not seen.\n"
    "\n"
    "  C1 .. C5          the five cards you were dealt, or one argument with the\n"
    "                    five separated by commas or spaces: \"Kd,Ks,8s,4h,2c\"\n"
    "  --opponents N     number of opponents, 1 to 5 (default 1)\n"
    "  --discard LIST    cards of your hand you threw away, comma-separated\n"
    "  --draw LIST       the cards you drew for them, as many as you discarded\n"
    "  --holds           also list all 32 ways to keep cards from the dealt hand,\n"
    "                    with the exact chance of each hand it ends in; best first\n"
    "                    by pot share at the table with --equity, else by the\n"
    "                    chance to end at least as strong\n"
    "  --equity          first the hold that wins the pot most often, the runner-up\n"
    "                    and the margin; then how often every way to keep cards (or\n"
    "                    the final hand) wins the pot when the opponents draw by the\n"
    "                    usual play. On by default for one request printed as text;\n"
    "                    --json and --batch give it only when asked\n"
    "  --no-equity       leave the decision and the pot shares out\n"
    "  --drew LIST       per opponent, ? or the number of cards (0 to 5) he was\n"
    "                    seen to draw, comma-separated, one entry per opponent\n"
    "  --pat             with --equity, the opponents stand pat instead\n"
    "  --range LIST      per opponent, the hands he may have been dealt,\n"
    "                    comma-separated (missing entries: any hand): ? or any,\n"
    "                    open (a pair of the --open rank or better), JJ+ (jacks\n"
    "                    or better), 77-TT (one pair, sevens to tens), AA, 2P,\n"
    "                    3K, ST, FL, FH, 4K, SF (with + that or better), 4F\n"
    "                    (four of a suit), OE (open-ended straight draw); parts\n"
    "                    joined by / make a union: 77-TT/4F/OE\n"
    "  --open R          the opening requirement's rank for open (default J)\n"
    "  --pot P --call C  the pot and the price of a call (positive amounts):\n"
    "                    the expected gain of calling for every hold, the pot\n"
    "                    share the call needs and the verdict, assuming no more\n"
    "                    betting\n"
    "  --trials N        deals of every simulated figure (default 400000 for\n"
    "                    --equity, 50000 for the stand-pat showdown against 3\n"
    "                    or more)\n"
    "  --seed S          seed of the simulation, 0 to 2^64-1 (default 1)\n"
    "  --json            print one JSON object instead of text (the decision as\n"
    "                    \"decision\" with --equity)\n"
    "  --batch           read one request per line from standard input (the\n"
    "                    arguments above, split on spaces) and print one JSON\n"
    "                    object per line, in input order, with \"line\": its line\n"
    "                    number, or {\"line\": N, \"error\": MESSAGE} for a bad line;\n"
    "                    blank lines and lines starting with # are skipped\n"
    "  --jobs N          with --batch, use at most N threads (default: every core)\n"
    "  -h, --help        print this help and exit\n"
    "  --version         print the version and exit\n"
    "\n"
    "A card is a rank 2 to 9, T (or 10), J, Q, K or A followed by a suit\n"
    "c, d, h or s, in either case: Th, 10h, qs. Without --discard the dealt\n"
    "hand is analysed as your initial hand; with it, your final hand. Hands\n"
    "print as players hold them: groups first, then highest first.\n"
    "Simulated figures carry their 95% interval as +/- points; the rest are exact.\n"
    "\n"
    "Exit status: 0 on success, 2 on bad input (with --batch: on any bad line),\n"
    "1 when the input cannot be read or the output written.\n";

namespace {

const size_t kQuotedLimit = 40;

bool Fail(std::string& error, const std::string& message)
{
    error = message;
    return false;
}

std::string Plural(size_t n, const char* noun)
{
    return std::to_string(n) + " " + noun + (n == 1 ? "" : "s");
}

std::string Trim(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::string();
    const size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool ParseOpponents(const std::string& text, unsigned& opponents, std::string& error)
{
    const size_t digitsFrom = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    const bool numeric = text.size() > digitsFrom &&
                         std::all_of(text.begin() + static_cast<long>(digitsFrom), text.end(),
                                     [](char c) { return c >= '0' && c <= '9'; });
    if (!numeric)
        return Fail(error, "number of opponents " + QuoteArgument(text) + " is not a number (1 to 5)");
    // Anything but a plain 1..5 (leading zeros allowed) is out of range; the
    // digits are never converted, so no length can overflow.
    const size_t firstNonZero = text.find_first_not_of('0', digitsFrom);
    const bool inRange = digitsFrom == 0 && firstNonZero != std::string::npos &&
                         firstNonZero == text.size() - 1 && text.back() >= '1' && text.back() <= '5';
    if (!inRange)
        return Fail(error, "number of opponents " + QuoteArgument(text) + " is out of range (1 to 5)");
    opponents = static_cast<unsigned>(text.back() - '0');
    return true;
}

bool ParseOneCard(const std::string& text, int& card, std::string& error)
{
    card = ParseCard(text);
    if (card < 0)
        return Fail(error, "unknown card " + QuoteArgument(text) +
                               " (a card is a rank 2-9, T, J, Q, K or A and a suit c, d, h or s)");
    return true;
}

bool Contains(const std::vector<int>& cards, int card)
{
    return std::find(cards.begin(), cards.end(), card) != cards.end();
}

// Splits a comma-separated LIST into parsed cards.
bool ParseCardList(const std::string& option, const std::string& list, std::vector<int>& cards,
                   std::vector<std::string>& texts, std::string& error)
{
    if (Trim(list).empty())
        return Fail(error, option + " needs at least one card, got " + QuoteArgument(list));
    size_t from = 0;
    for (;;) {
        const size_t comma = list.find(',', from);
        const std::string item = Trim(list.substr(from, comma == std::string::npos ? std::string::npos : comma - from));
        if (item.empty())
            return Fail(error, "empty card in the " + option + " list " + QuoteArgument(list));
        int card = -1;
        if (!ParseOneCard(item, card, error))
            return false;
        if (Contains(cards, card))
            return Fail(error, "card " + QuoteArgument(item) + " is given twice in " + option);
        cards.push_back(card);
        texts.push_back(item);
        if (comma == std::string::npos)
            return true;
        from = comma + 1;
    }
}

std::string JoinArguments(const std::vector<std::string>& words)
{
    std::string joined;
    for (const std::string& word : words)
        joined += (joined.empty() ? "" : " ") + word;
    return joined;
}

// A plain decimal number in min..max, leading zeros allowed; the digits are
// compared as text first, so no length can overflow.
bool ParseWhole(const std::string& what, const std::string& text, std::uint64_t min, std::uint64_t max,
                std::uint64_t& value, std::string& error)
{
    const std::string range = " (" + std::to_string(min) + " to " + std::to_string(max) + ")";
    const size_t digitsFrom = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    const bool numeric = text.size() > digitsFrom &&
                         std::all_of(text.begin() + static_cast<long>(digitsFrom), text.end(),
                                     [](char c) { return c >= '0' && c <= '9'; });
    if (!numeric)
        return Fail(error, what + " " + QuoteArgument(text) + " is not a number" + range);
    const size_t firstNonZero = text.find_first_not_of('0', digitsFrom);
    const std::string digits = firstNonZero == std::string::npos ? "0" : text.substr(firstNonZero);
    const std::string maxDigits = std::to_string(max);
    const bool tooLong = digits.size() > maxDigits.size() || (digits.size() == maxDigits.size() && digits > maxDigits);
    if (digitsFrom == 0 && !tooLong) {
        value = std::stoull(digits);
        if (value >= min)
            return true;
    }
    return Fail(error, what + " " + QuoteArgument(text) + " is out of range" + range);
}

// "?,3,0": per opponent unseen or the cards he drew.
bool ParseDrewList(const std::string& list, std::vector<int>& drew, std::string& error)
{
    size_t from = 0;
    for (;;) {
        const size_t comma = list.find(',', from);
        const std::string item = Trim(list.substr(from, comma == std::string::npos ? std::string::npos : comma - from));
        if (item.empty())
            return Fail(error, "empty entry in the --drew list " + QuoteArgument(list) + " (? or 0 to 5 per opponent)");
        if (item == "?") {
            drew.push_back(kDrawUnseen);
        } else {
            std::uint64_t count = 0;
            if (!ParseWhole("--drew entry", item, 0, kHandSize, count, error))
                return Fail(error, error + ", or ? for an opponent not seen to draw");
            drew.push_back(static_cast<int>(count));
        }
        if (comma == std::string::npos)
            return true;
        from = comma + 1;
    }
}

// Names what the engine refuses in the table the options describe: the
// first opponent whose seen count or range no hand of the unseen cards
// gives.
bool CheckEquityTable(const TOddsOptions& options, const std::string& drewText, const std::string& rangeText,
                      std::string& error)
{
    const TTableSetup setup = EquityTableSetup(options);
    int opponent = -1;
    const ETableError problem = CheckTableSetup(setup, opponent);
    if (problem == ETableError::None)
        return true;
    const std::string seat = "opponent " + std::to_string(opponent + 1);
    const std::string range = opponent >= 0 ? QuoteArgument(setup.m_aRanges[opponent].Text()) : std::string();
    const size_t drew = opponent >= 0 ? static_cast<size_t>(std::max(setup.m_anDrew[opponent], 0)) : 0;
    switch (problem) {
    case ETableError::ImpossibleDrew:
        return Fail(error, "the usual play never draws " + Plural(drew, "card") +
                               " to a hand of the cards you have not seen (" + seat + " in --drew " +
                               QuoteArgument(drewText) + ")");
    case ETableError::EmptyRange:
        return Fail(error, "no hand of the range " + range + " is left among the cards you have not seen (" + seat +
                               " in --range " + QuoteArgument(rangeText) + ")");
    case ETableError::RangeNeverDraws:
        return Fail(error, "the usual play never draws " + Plural(drew, "card") + " to a hand of the range " + range +
                               " (" + seat + " in --range " + QuoteArgument(rangeText) + " and --drew " +
                               QuoteArgument(drewText) + ")");
    default:
        return Fail(error, "these cards cannot be dealt to " + Plural(options.m_nOpponents, "opponent"));
    }
}

// "JJ+,?,77-TT/4F": per opponent a range; no more entries than opponents.
bool ParseRangeList(const std::string& list, const TOddsOptions& options, std::vector<CHandRange>& ranges,
                    std::string& error)
{
    const std::string words = " (any, open, JJ+, 77-TT, AA, 2P, 3K, ST, FL, FH, 4K, SF, each with + for that or "
                              "better, 4F, OE; / joins them)";
    size_t from = 0;
    for (;;) {
        const size_t comma = list.find(',', from);
        const std::string item = Trim(list.substr(from, comma == std::string::npos ? std::string::npos : comma - from));
        const std::string where = "opponent " + std::to_string(ranges.size() + 1) + " in --range " + QuoteArgument(list);
        if (item.empty())
            return Fail(error, "empty entry in the --range list " + QuoteArgument(list) + words);
        CHandRange range;
        std::string bad;
        if (!CHandRange::Parse(item, options.m_nOpenRank, range, bad))
            return Fail(error, (Trim(bad).empty() ? "empty part in the range " + QuoteArgument(item)
                                                  : "unknown range word " + QuoteArgument(Trim(bad))) +
                                   " (" + where + ")" + words);
        ranges.push_back(range);
        if (comma == std::string::npos)
            break;
        from = comma + 1;
    }
    if (ranges.size() > options.m_nOpponents)
        return Fail(error, "--range " + QuoteArgument(list) + " has " + std::to_string(ranges.size()) +
                               " entries but there " + (options.m_nOpponents == 1 ? "is " : "are ") +
                               Plural(options.m_nOpponents, "opponent") + " (at most one entry each)");
    return true;
}

// A positive amount of any unit: 60, 12.5.
bool ParseAmount(const std::string& option, const std::string& text, double& amount, std::string& error)
{
    const std::string trimmed = Trim(text);
    char* end = nullptr;
    const double value = trimmed.empty() ? 0.0 : std::strtod(trimmed.c_str(), &end);
    const bool plain = !trimmed.empty() && end == trimmed.c_str() + trimmed.size() &&
                       trimmed.find_first_not_of("0123456789.") == std::string::npos;
    if (!plain || !std::isfinite(value) || value <= 0)
        return Fail(error, option + " " + QuoteArgument(text) + " is not a positive amount");
    amount = value;
    return true;
}

} // namespace

std::string QuoteArgument(const std::string& text)
{
    std::string quoted = "'";
    size_t shown = 0;
    for (const char ch : text) {
        const unsigned char c = static_cast<unsigned char>(ch);
        const bool continuation = (c & 0xC0) == 0x80;
        if (!continuation && shown == kQuotedLimit) {
            quoted += "...";
            break;
        }
        if (c < 0x20 || c == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
            quoted += escaped;
        } else {
            quoted += ch;
        }
        if (!continuation)
            ++shown;
    }
    return quoted + "'";
}

bool ParseOddsOptions(const std::vector<std::string>& args, TOddsOptions& options, std::string& error,
                      bool singleRequest)
{
    options = TOddsOptions();
    bool equityGiven = false, noEquity = false;
    std::vector<std::string> positional;
    std::string opponentsText, discardText, drawText, drewText, trialsText, seedText;
    std::string rangeText, openText, potText, callText;
    bool opponentsGiven = false, discardGiven = false, drawGiven = false;
    bool drewGiven = false, trialsGiven = false, seedGiven = false;
    bool rangeGiven = false, openGiven = false, potGiven = false, callGiven = false;
    bool optionsEnded = false;

    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.empty() || arg[0] != '-') {
            positional.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const size_t equals = arg.rfind("--", 0) == 0 ? arg.find('=') : std::string::npos;
        const std::string name = arg.substr(0, equals);
        const bool inlineValue = equals != std::string::npos;

        bool* flag = name == "--json" ? &options.m_bJson
                     : name == "--holds" ? &options.m_bHolds
                     : name == "--equity" ? &equityGiven
                     : name == "--no-equity" ? &noEquity
                     : name == "--pat" ? &options.m_bStandPat
                                       : nullptr;
        if (flag || name == "--help" || name == "-h" || name == "--version") {
            if (inlineValue)
                return Fail(error, "option " + name + " takes no value, got " + QuoteArgument(arg));
            if (flag) {
                *flag = true;
                continue;
            }
            options.m_nAction = name == "--version" ? TOddsOptions::acVersion : TOddsOptions::acHelp;
            return true;
        }

        std::string* value = nullptr;
        bool* given = nullptr;
        if (name == "--opponents") {
            value = &opponentsText;
            given = &opponentsGiven;
        } else if (name == "--discard") {
            value = &discardText;
            given = &discardGiven;
        } else if (name == "--draw") {
            value = &drawText;
            given = &drawGiven;
        } else if (name == "--drew") {
            value = &drewText;
            given = &drewGiven;
        } else if (name == "--trials") {
            value = &trialsText;
            given = &trialsGiven;
        } else if (name == "--seed") {
            value = &seedText;
            given = &seedGiven;
        } else if (name == "--range") {
            value = &rangeText;
            given = &rangeGiven;
        } else if (name == "--open") {
            value = &openText;
            given = &openGiven;
        } else if (name == "--pot") {
            value = &potText;
            given = &potGiven;
        } else if (name == "--call") {
            value = &callText;
            given = &callGiven;
        } else {
            return Fail(error, "unknown option " + QuoteArgument(arg) + " (see --help)");
        }
        if (*given)
            return Fail(error, "option " + name + " is given twice");
        *given = true;
        if (inlineValue) {
            *value = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            *value = args[++i];
        } else {
            return Fail(error, "option " + name + " needs a value");
        }
    }

    // The holds are those of the dealt hand; after a discard there is nothing
    // left to choose.
    if (options.m_bHolds && (discardGiven || drawGiven))
        return Fail(error, std::string("--holds analyses the dealt hand and cannot be combined with ") +
                               (discardGiven ? "--discard " + QuoteArgument(discardText)
                                             : "--draw " + QuoteArgument(drawText)));

    if (opponentsGiven && !ParseOpponents(opponentsText, options.m_nOpponents, error))
        return false;

    // One request read as text starts with the decision unless told not to;
    // JSON and batch lines pay for the run only when they ask.
    if (equityGiven && noEquity)
        return Fail(error, "--equity and --no-equity cannot be combined");
    options.m_bEquity = equityGiven || (singleRequest && !options.m_bJson && !noEquity);

    // What the opponents drew only shapes the pot shares of --equity.
    if (drewGiven && !options.m_bEquity)
        return Fail(error, "--drew " + QuoteArgument(drewText) + " needs --equity");
    if (options.m_bStandPat && !options.m_bEquity)
        return Fail(error, "--pat needs --equity");
    if (drewGiven && options.m_bStandPat)
        return Fail(error, "--drew " + QuoteArgument(drewText) +
                               " cannot be combined with --pat: standing pat, nobody draws");
    if (drewGiven) {
        if (!ParseDrewList(drewText, options.m_arrDrew, error))
            return false;
        const size_t entries = options.m_arrDrew.size();
        if (entries != options.m_nOpponents)
            return Fail(error, "--drew " + QuoteArgument(drewText) + " has " + std::to_string(entries) +
                                   (entries == 1 ? " entry" : " entries") + " but there " +
                                   (options.m_nOpponents == 1 ? "is " : "are ") +
                                   Plural(options.m_nOpponents, "opponent") + " (one entry each, ? when not seen)");
    }
    // Ranges and the price of a call only shape the pot shares of --equity.
    for (const auto& [given, option, text] : {std::make_tuple(rangeGiven, "--range", &rangeText),
                                               std::make_tuple(openGiven, "--open", &openText),
                                               std::make_tuple(potGiven, "--pot", &potText),
                                               std::make_tuple(callGiven, "--call", &callText)})
        if (given && !options.m_bEquity)
            return Fail(error, std::string(option) + " " + QuoteArgument(*text) + " needs --equity");
    if (openGiven && !rangeGiven)
        return Fail(error, "--open " + QuoteArgument(openText) + " needs --range, whose open it sets");
    if (callGiven && !potGiven)
        return Fail(error, "--call " + QuoteArgument(callText) + " needs --pot, the pot before your call");
    if (potGiven && !callGiven)
        return Fail(error, "--pot " + QuoteArgument(potText) + " needs --call, the amount to call");
    if (openGiven) {
        options.m_nOpenRank = CHandRange::ParseRank(openText);
        if (options.m_nOpenRank < 0)
            return Fail(error, "--open " + QuoteArgument(openText) + " is not a rank (2-9, T or 10, J, Q, K or A)");
    }
    if (rangeGiven && !ParseRangeList(rangeText, options, options.m_arrRanges, error))
        return false;
    if (potGiven && (!ParseAmount("--pot", potText, options.m_dPot, error) ||
                     !ParseAmount("--call", callText, options.m_dCall, error)))
        return false;
    if (trialsGiven && !ParseWhole("number of trials", trialsText, 1, kMaxOddsTrials, options.m_nTrials, error))
        return false;
    if (seedGiven &&
        !ParseWhole("seed", seedText, 0, std::numeric_limits<std::uint64_t>::max(), options.m_nSeed, error))
        return false;

    // "Kd,Ks,8s,4h,2c" or "Kd Ks 8s 4h 2c" as one argument, as the paste
    // boxes take a hand.
    std::vector<std::string> words;
    for (const std::string& arg : positional) {
        const std::vector<std::string> pasted = PastedWords(arg);
        words.insert(words.end(), pasted.begin(), pasted.end());
        if (pasted.empty())
            words.push_back(arg);
    }
    positional = words;
    for (const std::string& text : positional) {
        int card = -1;
        if (!ParseOneCard(text, card, error))
            return false;
        if (Contains(options.m_arrDealt, card))
            return Fail(error, "card " + QuoteArgument(text) + " is given twice");
        options.m_arrDealt.push_back(card);
    }
    if (positional.size() != 5) {
        if (positional.empty())
            return Fail(error, "no cards given: expected the five dealt cards (see --help)");
        return Fail(error, "expected five cards, got " + std::to_string(positional.size()) + ": " +
                               QuoteArgument(JoinArguments(positional)));
    }

    std::vector<std::string> discardItems, drawItems;
    if (discardGiven) {
        if (!ParseCardList("--discard", discardText, options.m_arrDiscards, discardItems, error))
            return false;
        for (size_t i = 0; i < options.m_arrDiscards.size(); ++i)
            if (!Contains(options.m_arrDealt, options.m_arrDiscards[i]))
                return Fail(error, "discard " + QuoteArgument(discardItems[i]) + " is not in the hand");
    }
    if (drawGiven) {
        if (!ParseCardList("--draw", drawText, options.m_arrDraws, drawItems, error))
            return false;
        for (size_t i = 0; i < options.m_arrDraws.size(); ++i)
            if (Contains(options.m_arrDealt, options.m_arrDraws[i]))
                return Fail(error, "replacement " + QuoteArgument(drawItems[i]) + " is already known");
    }
    if (discardGiven && !drawGiven)
        return Fail(error, "--discard " + QuoteArgument(discardText) +
                               " needs --draw with as many replacement cards");
    if (drawGiven && !discardGiven)
        return Fail(error, "--draw " + QuoteArgument(drawText) + " needs --discard with the cards it replaces");
    if (options.m_arrDraws.size() != options.m_arrDiscards.size())
        return Fail(error, "--draw " + QuoteArgument(drawText) + " names " +
                               Plural(options.m_arrDraws.size(), "card") + " but --discard " +
                               QuoteArgument(discardText) + " names " + std::to_string(options.m_arrDiscards.size()));
    return !options.m_bEquity || CheckEquityTable(options, drewText, rangeText, error);
}
