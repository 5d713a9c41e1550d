#pragma once

// Every string-table id the program uses, by what the text is for.
enum ETextId : unsigned {
    // Names of formations and draws, as the hand sentence uses them.
    idOnePair = 109,
    idTwoPairs = 110,
    idThreeOfAKind = 111,
    idFourOfAKind = 115,
    idRoyalFlush = 118,
    idThreeSuitedCards = 141,
    idFourSuitedCards = 142,
    idAHighCard = 143,
    idTwoHighCards = 144,
    idHighCards = 145,
    idAnOpenEndedStraight = 146,
    idAStraight = 176,
    idAFlush = 177,
    idAFullHouse = 178,
    idAStraightFlush = 179,
    idNoValuableFormation = 193,
    idFourCardsFromAStraightFlush = 194,
    idAnOpenEndedStraightFlush = 195,
    idThreeCardsFromAStraight = 199,
    idFourCardsFromAStraight = 200,
    idAnOpenEndedStraightFlushDraw = 203,
    idTwoPair = 207,

    // The hand sentence.
    idYouHold = 137,     // "%s"
    idYouHoldAnd = 138,  // "%s", "%s"
    idSelectCardsToReplace = 196,

    // Advice paragraphs used as stored.
    idNoDiscard = 117,
    idKeepFourOfAKind = 119,
    idKeepPair = 150,
    idKeepHighCard = 151,
    idKeepHighCards = 152,
    idKeepThreeSuited = 153,
    idKeepFourSuited = 154,
    idPairOrHighCard = 158,
    idPairsOrLowCard = 161,
    idPairsOrHighCard = 162,
    idKeepTriple = 163,
    idPairOrThreeSuited = 165,
    idPairOrFourSuited = 166,
    idPairOrHighCards = 167,
    idPairFirstChoice = 169,  // ends with the line break before "2) "
    idPairsOrThreeSuited = 171,
    idTripleOrThreeSuited = 173,
    idThreeSuitedAfterFourStraight = 183,
    idFourSuitedChoice = 191,
    idThreeSuitedChoice = 192,

    // Words written into the formatted paragraphs.
    idFourStraightCards = 140,
    idFromTheHighestStraight = 174,
    idOpenEndedStraight = 181,
    idHighest = 202,

    // Advice paragraphs with placeholders.
    idKeepThreeStraight = 155,         // prefix, percent, odds
    idKeepFourStraight = 156,          // name, prefix, percent, odds
    idPairOrThreeStraight = 168,       // word, percent, odds
    idPairsOrStraight = 170,           // percent, odds
    idTripleOrStraight = 172,          // percent, odds
    idTwoChoicesAfterThreeStraight = 175,  // first paragraph, second paragraph
    idTwoChoicesAfterFourStraight = 182,   // first paragraph, second paragraph
    idKeepStraightFlushCards = 185,    // four percent and odds pairs
    idFourStraightOrFourSuited = 186,  // name, prefix, percent, odds
    idThenFourStraight = 187,          // percent, odds

    // Results tables, as the window and the command line show them.
    idStraight = 112,
    idFlush = 113,
    idFullHouse = 114,
    idStraightFlush = 116,
    idHigherHighCard = 212,
    idHigherPair = 120,
    idHigherTwoPair = 121,
    idHigherThreeOfAKind = 122,
    idHigherStraight = 123,
    idHigherFlush = 124,
    idHigherFullHouse = 125,
    idHigherFourOfAKind = 126,
    idHigherStraightFlush = 127,
    idHigherFormation = 147,
    idOneOpponentHeading = 130,
    idAtLeastOneHeading = 131,
    idFormationColumn = 132,  // then the probability and odds columns
    idProbabilityColumn = 133,
    idOddsColumn = 134,
    idProbabilityFormat = 135,
    idOddsFormat = 136,
    idNoOdds = 211,           // the odds cell beside a figure of 0
    idSuggestionsHeading = 149,

    // The showdown against opponents standing pat.
    idShowdownOneOpponent = 240,
    idShowdownOpponents = 241,          // number of opponents
    idShowdownOneOpponentPat = 242,     // the initial hand's, if the player stands pat
    idShowdownOpponentsPat = 243,       // number of opponents
    idShowdownOutcomeColumn = 244,      // then the probability and odds columns
    idShowdownWin = 245,                // then tie, lose and pot share, in order
    idShowdownTie = 246,
    idShowdownLose = 247,
    idShowdownPotShare = 248,
    idShowdownHands = 249,              // hands, beating, tying, losing

    // The table equity: the table in words, the figures and their note.
    idTableOneUsualPlay = 300,
    idTableUsualPlay = 301,        // number of opponents
    idTableOneStandPat = 302,
    idTableStandPat = 303,         // number of opponents
    idTableOneDrew = 304,          // "3 cards"
    idTableDrew = 305,             // number of opponents, "1, 3 and 0 cards"
    idTableWithSeen = 306,         // the table, the seen draws
    idOpponentDrew = 307,          // opponent number, "3 cards"
    idCardCount = 308,             // 1
    idCardsCount = 309,            // any other number
    idListComma = 310,             // the list so far, the next item
    idListAnd = 311,               // the list so far, the last item
    idFigureWithInterval = 312,    // percent, 95% half-width in points
    idEquityExact = 313,
    idEquitySimulated = 314,       // deals
    idEquityMixed = 315,           // deals
    idEquityRunning = 316,         // the note
    idEquityHoldsHeading = 317,    // the table in words
    idEquityFinalHeading = 318,    // the table in words
    idHoldsByDrawHeading = 319,    // cards not dealt
    idHoldsByPotShareHeading = 320,  // cards not dealt, the table in words

    // The page and its controls.
    idInitialHandCaption = 102,
    idFinalHandCaption = 106,
    idDiscardButton = 103,
    idOk = 105,
    idPickFiveCards = 188,
    idPickReplacements = 189,
    idPickReplacement = 190,
    idTableNote = 210,
    idNotACard = 260,        // "%s", the keys typed or the word pasted
    idAlreadyKnown = 261,    // "%s", a card
    idGivenTwice = 262,      // "%s", a card
    idPickIsFull = 263,
    idWrongCardCount = 264,  // "%s" cards given, "%s" taken
    idTypedCard = 265,       // "%s", the keys typed towards a card
    idPasteTitle = 266,

    // The painted cards' names for assistive technology.
    idCardName = 270,       // rank word, suit word
    idRankAce = 271,        // then Two .. King, in card-index order
    idSuitClubs = 284,      // then diamonds, hearts, spades
    idCardBack = 288,
    idHandDescriptionName = 289,

    // The seen draws at the seats and the table equity on the page.
    idSeatNumber = 339,             // opponent number
    idSeatDrewUnseen = 340,         // opponent number
    idSeatDrew = 341,               // opponent number, count
    idSeatName = 342,               // opponent number
    idSeatNotSeen = 343,
    idSeatDrewOne = 344,
    idSeatDrewMany = 345,           // count
    idEquityStandingHeading = 346,  // the table in words
    idEquityDealing = 347,
    idEquityRefused = 348,
    idDrawAnalysisWinHeading = 352,
    idDrawAnalysisPotShareHeading = 353,
    idDrawAnalysisTable = 354,      // the table in words, the note on the figures
    idEquityShortExact = 355,
    idEquityShortSimulated = 356,   // deals
    idEquityShortRunning = 357,     // deals so far

    // The decision: the hold that wins the pot most often.
    idDecisionHeading = 358,        // the table in words
    idDecisionBest = 359,           // the hold, its pot share
    idDecisionRunnerUp = 360,       // the hold, its pot share, the margin
    idDecisionClose = 361,          // best hold, its share, runner-up, its share, the margin
    idMarginFigure = 362,           // margin, its 95% half-width, in points
    idHoldKeep = 363,               // cards kept, cards discarded
    idHoldStandPat = 364,
    idHoldDrawFive = 365,
    idClassicHeading = 366,
    idClassicDiffers = 367,         // classic hold, its share, the decision's hold, its share

    // The price of a call (its amounts, what it needs and gains, the verdict)
    // and the opponents' ranges.
    idCallAmount = 380,             // an amount, in any unit
    idCallNeeds = 381,              // the call, the pot, the pot share needed in percent
    idCallGainWithInterval = 382,   // expected gain, its 95% half-width
    idCallGainExact = 383,          // expected gain
    idCallVerdictCall = 384,        // the gain
    idCallVerdictFold = 385,        // the gain
    idCallVerdictClose = 386,       // the gain
    idCallNoMoreBetting = 387,
    idOpponentHolding = 388,        // opponent number, the range's words
    idRangeAny = 389,
    idRangeOpened = 390,
    idRangePairOrBetter = 391,
    idRangeTwoPair = 392,
    idRangeDraw = 393,
    idRangeTyped = 394,
    idRangePrompt = 395,            // opponent number
    idRangeRefused = 396,           // the refused part
    idTableTitle = 397,
    idTableOpening = 398,
    idTablePot = 399,
    idTableCall = 400,
    idTableSeatRange = 401,         // opponent number
    idTableSeatDrew = 402,          // opponent number
    idTableDrewUnseen = 403,
    idSeatHolding = 404,            // the seat's value, the range's words
    idRangeEmpty = 405,             // opponent number, the range's words
    idRangeNeverDraws = 406,        // opponent number, the seen count, the range's words
    idCallHeading = 407,            // over the final hand's call verdict
    idPriceRefused = 408,           // a pot without a call, or a call without a pot

    // Dialogs, menus and the frame.
    idAboutTitle = 101,
    idVersion = 104,
    idLicence = 370,
    idNumberOfOpponents = 107,
    idGameMenu = 129,
    idHelpTitle = 139,
    idHelpMenu = 148,
    idDrawAnalysisTitle = 220,
    idDrawAnalysisExplanation = 221,
    idDrawAnalysisFirstHeading = 222,  // one per column, in column order
    idDrawAnalysisNoCards = 237,
    idDrawAnalysisMarkDiscards = 238,
    idDrawAnalysisClose = 239,
    idChangeOpponentsCommand = 32772,
    idOverviewCommand = 32776,
    idDrawAnalysisCommand = 32777,
    idTableCommand = 32778,
    idUndoCommand = 57643,
    idRedoCommand = 57649,
    idAppTitle = 57344,
    idNewCommand = 57600,
    idAboutCommand = 57664,
    idExitCommand = 57665,
    idHelpCommand = 57670,
    idFailedToLaunchHelp = 61703
};
