#include "JsonReader.h"

#include <cstdlib>
#include <cstring>

namespace {

class CJsonParser {
public:
    explicit CJsonParser(const std::string& text) : m_text(text) {}

    bool ParseDocument(TJson& value)
    {
        if (!Value(value, 0))
            return false;
        SkipSpace();
        return m_nPos == m_text.size();
    }

private:
    bool Value(TJson& value, int depth)
    {
        SkipSpace();
        if (depth > 64 || m_nPos >= m_text.size())
            return false;
        if (Take('{')) {
            value.m_nKind = TJson::jkObject;
            return List('}', [&] {
                std::string key;
                TJson member;
                SkipSpace();
                if (!Take('"') || !String(key) || (SkipSpace(), !Take(':')) || !Value(member, depth + 1))
                    return false;
                value.m_arrMembers.emplace_back(key, member);
                return true;
            });
        }
        if (Take('[')) {
            value.m_nKind = TJson::jkArray;
            return List(']', [&] {
                value.m_arrItems.emplace_back();
                return Value(value.m_arrItems.back(), depth + 1);
            });
        }
        if (Take('"')) {
            value.m_nKind = TJson::jkString;
            return String(value.m_strValue);
        }
        if (Literal("true") || Literal("false")) {
            value.m_nKind = TJson::jkBool;
            value.m_bValue = m_text.compare(m_nPos - 4, 4, "true") == 0;
            return true;
        }
        return Literal("null") || Number(value);
    }

    // Comma-separated items up to `close`; the opening bracket is taken.
    template <typename TItem>
    bool List(char close, TItem item)
    {
        SkipSpace();
        if (Take(close))
            return true;
        do {
            if (!item())
                return false;
            SkipSpace();
        } while (Take(','));
        return Take(close);
    }

    // The text after an opening quote, escapes decoded to UTF-8.
    bool String(std::string& out)
    {
        while (m_nPos < m_text.size()) {
            const unsigned char c = static_cast<unsigned char>(m_text[m_nPos++]);
            if (c == '"')
                return true;
            if (c < 0x20 || (c == '\\' && m_nPos >= m_text.size()))
                return false;
            if (c != '\\') {
                out += static_cast<char>(c);
                continue;
            }
            static const std::string kEscaped = "\"\\/bfnrt", kMeant = "\"\\/\b\f\n\r\t";
            const char e = m_text[m_nPos++];
            if (kEscaped.find(e) != std::string::npos) {
                out += kMeant[kEscaped.find(e)];
                continue;
            }
            if (e != 'u')
                return false;
            unsigned code = 0;
            for (int i = 0; i < 4; ++i) {
                const char h = m_nPos < m_text.size() ? m_text[m_nPos++] : '\0';
                const char* digits = "0123456789abcdef0123456789ABCDEF";
                const char* found = h ? std::strchr(digits, h) : nullptr;
                if (!found)
                    return false;
                code = code * 16 + static_cast<unsigned>((found - digits) % 16);
            }
            if (code < 0x80) {
                out += static_cast<char>(code);
            } else if (code < 0x800) {
                out += static_cast<char>(0xC0 | (code >> 6));
                out += static_cast<char>(0x80 | (code & 0x3F));
            } else {
                out += static_cast<char>(0xE0 | (code >> 12));
                out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
                out += static_cast<char>(0x80 | (code & 0x3F));
            }
        }
        return false;
    }

    // JSON's number grammar exactly: no leading '+', no leading zeros, no
    // bare '.', no NaN or infinity.
    bool Number(TJson& value)
    {
        const size_t start = m_nPos;
        Take('-');
        if (!Take('0') && !Digits())
            return false;
        if (Take('.') && !Digits())
            return false;
        if ((Take('e') || Take('E')) && ((Take('+') || Take('-')), !Digits()))
            return false;
        value.m_nKind = TJson::jkNumber;
        value.m_dValue = std::strtod(m_text.substr(start, m_nPos - start).c_str(), nullptr);
        return true;
    }

    bool Digits()
    {
        const size_t start = m_nPos;
        while (m_nPos < m_text.size() && m_text[m_nPos] >= '0' && m_text[m_nPos] <= '9')
            ++m_nPos;
        return m_nPos > start;
    }

    bool Literal(const char* word)
    {
        const size_t n = std::strlen(word);
        if (m_text.compare(m_nPos, n, word) != 0)
            return false;
        m_nPos += n;
        return true;
    }

    bool Take(char c)
    {
        const bool taken = m_nPos < m_text.size() && m_text[m_nPos] == c;
        m_nPos += taken ? 1 : 0;
        return taken;
    }

    void SkipSpace()
    {
        while (m_nPos < m_text.size() && m_text[m_nPos] != '\0' && std::strchr(" \t\r\n", m_text[m_nPos]))
            ++m_nPos;
    }

    const std::string& m_text;
    size_t m_nPos = 0;
};

} // namespace

const TJson* TJson::Find(const std::string& key) const
{
    for (const auto& member : m_arrMembers)
        if (member.first == key)
            return &member.second;
    return nullptr;
}

bool ParseJson(const std::string& text, TJson& value)
{
    value = TJson();
    return CJsonParser(text).ParseDocument(value);
}
