#pragma once

// A strict little JSON reader for checking what quintara-odds prints: any
// syntax error rejects the whole text.

#include <string>
#include <utility>
#include <vector>

struct TJson {
    enum EKind { jkNull, jkBool, jkNumber, jkString, jkArray, jkObject };

    EKind m_nKind = jkNull;
    bool m_bValue = false;
    double m_dValue = 0.0;
    std::string m_strValue;
    std::vector<TJson> m_arrItems;                            // array elements
    std::vector<std::pair<std::string, TJson>> m_arrMembers;  // object members, in order

    // The member named `key`, or nullptr.
    const TJson* Find(const std::string& key) const;
};

// True when `text` is exactly one JSON value, surrounding whitespace allowed.
bool ParseJson(const std::string& text, TJson& value);
