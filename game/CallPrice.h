#pragma once

// The price of a call: what calling C into a pot of P gains on average, from
// the pot share a hold wins at the table. The player pays C and takes his
// share of P + C; no more betting is assumed (nothing is raised or paid after
// the call), and the texts say so.

#include <string>

enum class ECallVerdict {
    Call,   // the gain's interval lies above 0
    Fold,   // it lies below 0
    Close,  // it reaches 0
};

struct TCallPrice {
    bool m_bValid = false;   // pot and call both positive
    double m_dPot = 0;
    double m_dCall = 0;
    double m_dNeeded = 0;    // the pot share that breaks even: C / (P + C)
    double m_dGain = 0;      // pot_share × (P + C) − C
    double m_dGainError = 0; // (P + C) × the pot share's 95% half-width
    ECallVerdict m_eVerdict = ECallVerdict::Close;
};

// `potShareError` is 0 for a counted pot share. Invalid (and Close) unless
// both amounts are positive and finite.
TCallPrice PriceCall(double pot, double call, double potShare, double potShareError);

// "call", "fold" or "close", as the JSON names the verdict.
const char* CallVerdictKey(ECallVerdict verdict);

// The call in words: what it needs, what it gains and the verdict, then the
// sentence that no more betting is assumed. Empty when invalid.
struct TCallText {
    std::string m_strNeeded;
    std::string m_strVerdict;
    std::string m_strAssumption;
};
TCallText DescribeCall(const TCallPrice& price);
