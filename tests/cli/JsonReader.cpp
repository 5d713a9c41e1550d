#include "JsonReader.h"

#include <cstdlib>
#include <regex>

namespace {

// Recursive descent over the whole text; any slip rejects it. Numbers and
// strings follow JSON's grammar exactly: no '+', no leading zeros, no bare
// '.', no raw control characters; quintara-odds escapes control characters
// only, so a \u escape names one below 0x80.
struct TReader {
    const std::string& m_text;
    size_t m_nPos = 0;

    // Takes the text `pattern` matches here; false when it matches none.
    bool Take(const std::regex& pattern, std::string* taken = nullptr)
    {
        std::smatch m;
        if (!std::regex_search(m_text.begin() + static_cast<long>(m_nPos), m_text.end(), m, pattern,
                               std::regex_constants::match_continuous))
            return false;
        m_nPos += static_cast<size_t>(m.length());
        if (taken)
            *taken = m.str();
        return true;
    }
    bool Take(char c) { return m_nPos < m_text.size() && m_text[m_nPos] == c ? (++m_nPos, true) : false; }
    void SkipSpace() { static const std::regex kSpace("[ \t\r\n]*"); Take(kSpace); }

    // The text after an opening quote, escapes decoded.
    bool String(std::string& out)
    {
        static const std::string kEscaped = "\"\\/bfnrt", kMeant = "\"\\/\b\f\n\r\t";
        static const std::regex kCode("00[0-7][0-9a-fA-F]");
        while (m_nPos < m_text.size()) {
            const unsigned char c = static_cast<unsigned char>(m_text[m_nPos++]);
            if (c == '"') return true;
            if (c < 0x20 || (c == '\\' && m_nPos >= m_text.size())) return false;
            if (c != '\\') { out += static_cast<char>(c); continue; }
            const size_t e = kEscaped.find(m_text[m_nPos++]);
            std::string code;
            if (e != std::string::npos) out += kMeant[e];
            else if (m_text[m_nPos - 1] == 'u' && Take(kCode, &code))
                out += static_cast<char>(std::strtoul(code.c_str(), nullptr, 16));
            else
                return false;
        }
        return false;
    }

    // Comma-separated items up to `close`; the opening bracket is taken.
    template <typename TItem>
    bool List(char close, TItem item)
    {
        SkipSpace();
        if (Take(close)) return true;
        do {
            if (!item()) return false;
            SkipSpace();
        } while (Take(','));
        return Take(close);
    }

    bool Value(TJson& value, int depth)
    {
        static const std::regex kNumber("-?(0|[1-9][0-9]*)(\\.[0-9]+)?([eE][-+]?[0-9]+)?"), kTrue("true"),
            kFalse("false"), kNull("null");
        SkipSpace();
        std::string number;
        if (depth > 64) return false;
        if (Take('{')) {
            value.m_nKind = TJson::jkObject;
            return List('}', [&] {
                std::string key;
                TJson member;
                SkipSpace();
                if (!Take('"') || !String(key) || (SkipSpace(), !Take(':')) || !Value(member, depth + 1)) return false;
                value.m_arrMembers.emplace_back(key, member);
                return true;
            });
        }
        if (Take('[')) {
            value.m_nKind = TJson::jkArray;
            return List(']', [&] { value.m_arrItems.emplace_back(); return Value(value.m_arrItems.back(), depth + 1); });
        }
        if (Take('"')) {
            value.m_nKind = TJson::jkString;
            return String(value.m_strValue);
        }
        if (Take(kTrue) || Take(kFalse)) {
            value.m_nKind = TJson::jkBool;
            value.m_bValue = m_text[m_nPos - 2] == 'u';  // "true", not "false"
            return true;
        }
        if (!Take(kNumber, &number)) return Take(kNull);
        value.m_nKind = TJson::jkNumber;
        value.m_dValue = std::strtod(number.c_str(), nullptr);
        return true;
    }
};

} // namespace

const TJson* TJson::Find(const std::string& key) const
{
    for (const auto& member : m_arrMembers)
        if (member.first == key) return &member.second;
    return nullptr;
}

bool ParseJson(const std::string& text, TJson& value)
{
    value = TJson();
    TReader reader{text};
    if (!reader.Value(value, 0)) return false;
    reader.SkipSpace();
    return reader.m_nPos == text.size();
}
