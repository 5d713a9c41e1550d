#pragma once

#include <string>

#include "StringTable.h"

// A stored text, exactly as the table holds it.
std::string StoredText(unsigned id);

// True when the placeholders of `format` are exactly `conversions`, one letter
// each: 's' for "%s", 'f' for "%f" with an optional precision. "%%" is not a
// placeholder; any other placeholder never matches.
bool HasConversions(const std::string& format, const char* conversions);

namespace StoredTextDetail {
template <typename T> struct TConversion;
template <> struct TConversion<const char*> { static constexpr char kLetter = 's'; };
template <> struct TConversion<double> { static constexpr char kLetter = 'f'; };
}  // namespace StoredTextDetail

// A stored text with placeholders, filled with `args`. The text's placeholders
// are checked against the arguments first, so that an edited table can never
// make the formatting read past them or misread one: on a mismatch the result
// is empty, as for an unknown id.
template <typename... TArgs>
std::string FormatStoredText(unsigned id, TArgs... args)
{
    static_assert(sizeof...(TArgs) > 0, "texts without placeholders are used as stored");
    const char conversions[] = {StoredTextDetail::TConversion<TArgs>::kLetter..., '\0'};
    const std::string format = LoadString(id);
    if (!HasConversions(format, conversions))
        return std::string();
    return FormatString(format.c_str(), args...);
}
