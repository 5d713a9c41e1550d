#include "StoredText.h"

#include <cctype>

std::string StoredText(unsigned id) { return LoadString(id); }

bool HasConversions(const std::string& format, const char* conversions)
{
    std::string found;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%')
            continue;
        ++i;
        if (i < format.size() && format[i] == '%')
            continue;
        if (i < format.size() && format[i] == '.') {
            ++i;
            while (i < format.size() && std::isdigit(static_cast<unsigned char>(format[i])))
                ++i;
            if (i < format.size() && format[i] == 'f') {
                found += 'f';
                continue;
            }
            return false;
        }
        if (i < format.size() && (format[i] == 's' || format[i] == 'f')) {
            found += format[i];
            continue;
        }
        // Flags, widths, lengths, other letters or a lone '%' at the end.
        return false;
    }
    return found == conversions;
}
