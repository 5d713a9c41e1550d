#include "CardTyping.h"

#include "CardText.h"
#include "PokerDoc.h"
#include "StoredText.h"
#include "StringIds.h"

#include <algorithm>
#include <vector>

namespace {

bool IsSeparator(char key)
{
    return key == ' ' || key == ',' || key == '\t' || key == '\r' || key == '\n';
}

// Whether more keys can still make a card of text: a rank, or the "1" of "10".
bool BeginsACard(const std::string& text)
{
    return text == "1" || (text.size() <= 2 && ParseCard(text + "c") >= 0);
}

// Why the picker would refuse to add card, or empty.
std::string Refusal(const CPokerDoc& doc, int card)
{
    if (!doc.IsOffered(card))
        return FormatStoredText(idAlreadyKnown, CardText(card).c_str());
    if (doc.GetPicked().size() >= doc.GetPickCount())
        return StoredText(idPickIsFull);
    return std::string();
}

// A bad word as a message names it: a pasted page stays one short line.
std::string Quoted(const std::string& word)
{
    constexpr size_t kShown = 12;
    return word.size() <= kShown ? word : word.substr(0, kShown) + "...";
}

}  // namespace

std::string CCardTyping::Type(CPokerDoc& doc, char key)
{
    if (doc.GetPickCount() == 0) {
        m_strPending.clear();
        return std::string();
    }
    if (m_strPending.empty() && IsSeparator(key))
        return std::string();
    const std::string typed = m_strPending + key;
    m_strPending.clear();
    const int card = ParseCard(typed);
    if (card < 0) {
        if (BeginsACard(typed)) {
            m_strPending = typed;
            return std::string();
        }
        return FormatStoredText(idNotACard, typed.c_str());
    }
    if (doc.IsPicked(card)) {
        doc.TogglePick(card);
        return std::string();
    }
    std::string refusal = Refusal(doc, card);
    if (refusal.empty())
        doc.TogglePick(card);
    return refusal;
}

bool CCardTyping::Erase(CPokerDoc& doc)
{
    if (!m_strPending.empty()) {
        m_strPending.pop_back();
        return true;
    }
    return !doc.GetPicked().empty() && doc.TogglePick(doc.GetPicked().back());
}

std::vector<std::string> PastedWords(const std::string& text)
{
    std::vector<std::string> words;
    size_t from = 0;
    while (from < text.size()) {
        const auto end = std::find_if(text.begin() + static_cast<long>(from), text.end(), IsSeparator);
        const size_t to = static_cast<size_t>(end - text.begin());
        if (to > from)
            words.push_back(text.substr(from, to - from));
        from = to + 1;
    }
    return words;
}

std::string PastePicks(CPokerDoc& doc, const std::string& text)
{
    std::vector<int> cards;
    for (const std::string& word : PastedWords(text)) {
        const int card = ParseCard(word);
        if (card < 0)
            return FormatStoredText(idNotACard, Quoted(word).c_str());
        if (std::find(cards.begin(), cards.end(), card) != cards.end())
            return FormatStoredText(idGivenTwice, CardText(card).c_str());
        if (!doc.IsOffered(card))
            return FormatStoredText(idAlreadyKnown, CardText(card).c_str());
        cards.push_back(card);
    }
    if (cards.size() != doc.GetPickCount())
        return FormatStoredText(idWrongCardCount, std::to_string(cards.size()).c_str(),
                                std::to_string(doc.GetPickCount()).c_str());
    doc.SetPicked(cards);
    return std::string();
}
