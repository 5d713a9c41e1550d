#include "JsonReader.h"

#include <cstdlib>
#include <cstring>

namespace {

// Recursive descent over the whole text; any slip rejects it.
struct TReader {
    const std::string& m_text;
    size_t m_nPos = 0;

    bool At(char c) const { return m_nPos < m_text.size() && m_text[m_nPos] == c; }
    bool Take(char c) { return At(c) ? (++m_nPos, true) : false; }
    void SkipSpace() { while (At(' ') || At('\t') || At('\r') || At('\n')) ++m_nPos; }

    bool Literal(const char* word)
    {
        const size_t n = std::strlen(word);
        return m_text.compare(m_nPos, n, word) == 0 ? (m_nPos += n, true) : false;
    }

    bool Digits()
    {
        const size_t start = m_nPos;
        while (m_nPos < m_text.size() && m_text[m_nPos] >= '0' && m_text[m_nPos] <= '9') ++m_nPos;
        return m_nPos > start;
    }

    // JSON's number grammar exactly: no '+', no leading zeros, no bare '.'.
    bool Number(TJson& value)
    {
        const size_t start = m_nPos;
        Take('-');
        if ((!Take('0') && !Digits()) || (Take('.') && !Digits()) ||
            ((Take('e') || Take('E')) && ((Take('+') || Take('-')), !Digits())))
            return false;
        value.m_nKind = TJson::jkNumber;
        value.m_dValue = std::strtod(m_text.substr(start, m_nPos - start).c_str(), nullptr);
        return true;
    }

    // The text after an opening quote, escapes decoded.
    bool String(std::string& out)
    {
        static const std::string kEscaped = "\"\\/bfnrt", kMeant = "\"\\/\b\f\n\r\t";
        while (m_nPos < m_text.size()) {
            const unsigned char c = static_cast<unsigned char>(m_text[m_nPos++]);
            if (c == '"') return true;
            if (c < 0x20 || (c == '\\' && m_nPos >= m_text.size())) return false;
            if (c != '\\') { out += static_cast<char>(c); continue; }
            const size_t e = kEscaped.find(m_text[m_nPos++]);
            if (e != std::string::npos) { out += kMeant[e]; continue; }
            if (m_text[m_nPos - 1] != 'u' || m_nPos + 4 > m_text.size()) return false;
            const std::string hex = m_text.substr(m_nPos, 4);
            char* end = nullptr;
            const unsigned long code = std::strtoul(hex.c_str(), &end, 16);
            if (end != hex.c_str() + 4 || hex.find_first_of("+- ") != std::string::npos) return false;
            // quintara-odds escapes control characters only.
            if (code >= 0x80) return false;
            m_nPos += 4;
            out += static_cast<char>(code);
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
        SkipSpace();
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
        if (Literal("true") || Literal("false")) {
            value.m_nKind = TJson::jkBool;
            value.m_bValue = m_text[m_nPos - 2] == 'u';  // "true", not "false"
            return true;
        }
        return Literal("null") || Number(value);
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
