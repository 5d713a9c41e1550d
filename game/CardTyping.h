#pragma once

#include <string>
#include <vector>

class CPokerDoc;

// Cards typed into the picker one key at a time, with the syntax of the
// command line: a rank 2..9, T or 10, J, Q, K or A, then a suit c, d, h or s,
// in either case. A finished card toggles in the document's picker; anything
// the picker refuses comes back as a short hint naming it.
class CCardTyping {
public:
    // One typed character. Returns the hint to show: empty when the key was
    // taken (a card picked or unpicked, or the card still being typed), else
    // why it was refused; a refused key leaves the document as it was and
    // clears the keys typed towards the card. Spaces and commas between cards
    // are passed over.
    std::string Type(CPokerDoc& doc, char key);
    // Backspace: forgets the last key of a card being typed or, with none,
    // unpicks the last card picked; false when there is nothing to take back.
    bool Erase(CPokerDoc& doc);
    // The keys typed towards the next card, as "1", "10" or "K".
    const std::string& GetPending() const { return m_strPending; }
    void Clear() { m_strPending.clear(); }

private:
    std::string m_strPending;
};

// The words of a pasted text: what lies between spaces, commas, tabs and
// line breaks, in order, none empty.
std::vector<std::string> PastedWords(const std::string& text);

// A hand pasted into the picker: cards as above, separated by spaces, commas
// or line breaks. Replaces the document's selection and returns an empty
// string, or returns the reason naming the first bad card (not a card, given
// twice, not offered) or the count, and changes nothing.
std::string PastePicks(CPokerDoc& doc, const std::string& text);
