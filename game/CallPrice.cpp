#include "CallPrice.h"

#include "StringIds.h"
#include "StringTable.h"

#include <cmath>

namespace {

bool Positive(double amount)
{
    return std::isfinite(amount) && amount > 0;
}

std::string Amount(double amount)
{
    return FormatString(LoadString(idCallAmount).c_str(), amount);
}

} // namespace

TCallPrice PriceCall(double pot, double call, double potShare, double potShareError)
{
    TCallPrice price;
    if (!Positive(pot) || !Positive(call) || !std::isfinite(potShare) || !std::isfinite(potShareError))
        return price;
    const double total = pot + call;
    price.m_bValid = true;
    price.m_dPot = pot;
    price.m_dCall = call;
    price.m_dNeeded = call / total;
    price.m_dGain = potShare * total - call;
    price.m_dGainError = total * std::fabs(potShareError);
    if (price.m_dGain - price.m_dGainError > 0)
        price.m_eVerdict = ECallVerdict::Call;
    else if (price.m_dGain + price.m_dGainError < 0)
        price.m_eVerdict = ECallVerdict::Fold;
    else
        price.m_eVerdict = ECallVerdict::Close;
    return price;
}

const char* CallVerdictKey(ECallVerdict verdict)
{
    switch (verdict) {
    case ECallVerdict::Call: return "call";
    case ECallVerdict::Fold: return "fold";
    case ECallVerdict::Close: return "close";
    }
    return "close";
}

TCallText DescribeCall(const TCallPrice& price)
{
    TCallText text;
    if (!price.m_bValid)
        return text;
    text.m_strNeeded = FormatString(LoadString(idCallNeeds).c_str(), Amount(price.m_dCall).c_str(),
                                    Amount(price.m_dPot).c_str(), price.m_dNeeded * 100.0);
    const std::string gain = price.m_dGainError > 0
        ? FormatString(LoadString(idCallGainWithInterval).c_str(), price.m_dGain, price.m_dGainError)
        : FormatString(LoadString(idCallGainExact).c_str(), price.m_dGain);
    const int verdictId = price.m_eVerdict == ECallVerdict::Call   ? idCallVerdictCall
                          : price.m_eVerdict == ECallVerdict::Fold ? idCallVerdictFold
                                                                   : idCallVerdictClose;
    text.m_strVerdict = FormatString(LoadString(static_cast<unsigned>(verdictId)).c_str(), gain.c_str());
    text.m_strAssumption = LoadString(idCallNoMoreBetting);
    return text;
}
