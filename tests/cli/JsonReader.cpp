#include "JsonReader.h"

#include <cstdlib>
#include <cstring>

namespace {

class CJsonParser {
public:
    explicit CJsonParser(const std::string& text) : m_text(text) {}

    bool ParseDocument(TJson& value)
    {
        SkipSpace();
        if (!ParseValue(value, 0))
            return false;
        SkipSpace();
        return m_nPos == m_text.size();
    }

private:
    bool ParseValue(TJson& value, int depth)
    {
        if (depth > 64 || m_nPos >= m_text.size())
            return false;
        const char c = m_text[m_nPos];
        if (c == '{')
            return ParseObject(value, depth);
        if (c == '[')
            return ParseArray(value, depth);
        if (c == '"') {
            value.m_nKind = TJson::jkString;
            return ParseString(value.m_strValue);
        }
        if (Literal("true")) {
            value.m_nKind = TJson::jkBool;
            value.m_bValue = true;
            return true;
        }
        if (Literal("false")) {
            value.m_nKind = TJson::jkBool;
            return true;
        }
        if (Literal("null"))
            return true;
        return ParseNumber(value);
    }

    bool ParseObject(TJson& value, int depth)
    {
        value.m_nKind = TJson::jkObject;
        ++m_nPos;
        SkipSpace();
        if (Take('}'))
            return true;
        for (;;) {
            SkipSpace();
            std::string key;
            if (m_nPos >= m_text.size() || m_text[m_nPos] != '"' || !ParseString(key))
                return false;
            SkipSpace();
            if (!Take(':'))
                return false;
            SkipSpace();
            TJson member;
            if (!ParseValue(member, depth + 1))
                return false;
            value.m_arrMembers.emplace_back(key, member);
            SkipSpace();
            if (Take('}'))
                return true;
            if (!Take(','))
                return false;
        }
    }

    bool ParseArray(TJson& value, int depth)
    {
        value.m_nKind = TJson::jkArray;
        ++m_nPos;
        SkipSpace();
        if (Take(']'))
            return true;
        for (;;) {
            SkipSpace();
            TJson item;
            if (!ParseValue(item, depth + 1))
                return false;
            value.m_arrItems.push_back(item);
            SkipSpace();
            if (Take(']'))
                return true;
            if (!Take(','))
                return false;
        }
    }

    bool ParseString(std::string& out)
    {
        ++m_nPos;  // the opening quote
        while (m_nPos < m_text.size()) {
            const unsigned char c = static_cast<unsigned char>(m_text[m_nPos++]);
            if (c == '"')
                return true;
            if (c < 0x20)
                return false;
            if (c != '\\') {
                out += static_cast<char>(c);
                continue;
            }
            if (m_nPos >= m_text.size())
                return false;
            const char e = m_text[m_nPos++];
            switch (e) {
            case '"': out += '"'; break;
            case '\\': out += '\\'; break;
            case '/': out += '/'; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'u': {
                if (m_nPos + 4 > m_text.size())
                    return false;
                unsigned code = 0;
                for (int i = 0; i < 4; ++i) {
                    const char h = m_text[m_nPos++];
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
                break;
            }
            default:
                return false;
            }
        }
        return false;
    }

    // JSON's number grammar exactly: no leading '+', no leading zeros, no
    // bare '.', no NaN or infinity.
    bool ParseNumber(TJson& value)
    {
        const size_t start = m_nPos;
        Take('-');
        if (Take('0')) {
        } else if (!Digits()) {
            return false;
        }
        if (Take('.') && !Digits())
            return false;
        if (Take('e') || Take('E')) {
            if (!Take('+'))
                Take('-');
            if (!Digits())
                return false;
        }
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
        if (m_nPos < m_text.size() && m_text[m_nPos] == c) {
            ++m_nPos;
            return true;
        }
        return false;
    }

    void SkipSpace()
    {
        while (m_nPos < m_text.size() && std::strchr(" \t\r\n", m_text[m_nPos]) && m_text[m_nPos] != '\0')
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
