#pragma once

// String-table ids of the hand sentence and the discard advice.
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
    idThenFourStraight = 187           // percent, odds
};
