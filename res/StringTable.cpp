// The program's texts, addressed by id. "\r\n" and "\t" are part of the texts.
#include "StringTable.h"

#include <algorithm>
#include <iterator>

namespace {

struct TEntry {
    unsigned m_nId;
    const char* m_pText;
};

// Sorted by id for the binary search below.
const TEntry kEntries[] = {
    {100, "OLE initialization failed.  Make sure that the OLE libraries are the correct version."},
    {101, "About Quintara"},
    {102, "Your initial hand:"},
    {103, "Discard"},
    {104, "Quintara Version 1.1"},
    {105, "OK"},
    {106, "Your final hand:"},
    {107, "Number of opponents:"},
    {109, "one pair"},
    {110, "two pairs"},
    {111, "three of a kind"},
    {112, "straight"},
    {113, "flush"},
    {114, "full house"},
    {115, "four of a kind"},
    {116, "straight flush"},
    {117, "You may not discard any cards."},
    {118, "royal flush"},
    {119, "You may keep all these cards or you may discard the unpaired card for confusing your opponents."},
    {120, "higher pair"},
    {121, "higher two pair"},
    {122, "higher three of a kind"},
    {123, "higher straight"},
    {124, "higher flush"},
    {125, "higher full house"},
    {126, "higher four of a kind"},
    {127, "higher straight flush"},
    {128, "Quintara\n\nPoker\n\n\nPoker.Document\nPoker.Document"},
    {129, "&Game"},
    {130, "One opponent holding:"},
    {131, "At least one opponent holding:"},
    {132, "Formation"},
    {133, "Probability"},
    {134, "Odds"},
    {135, "%.3f%%"},
    {136, "%.2f : 1"},
    {137, "You hold %s."},
    {138, "You hold %s and %s."},
    {139, "Quintara Help"},
    {140, "four straight cards"},
    {141, "three suited cards"},
    {142, "four suited cards"},
    {143, "a high card"},
    {144, "two high cards"},
    {145, "high cards"},
    {146, "an open-ended straight"},
    {147, "a higher formation than yours"},
    {148, "&Help"},
    {149, "Suggestions on discarding:"},
    {150, "You may keep the pair and discard the rest, playing for:\r\n - two pair (probability: 15.985%, odds: 5.26 : 1) or\r\n - three of a kind (probability: 11.433%, odds: 7.75 : 1) or\r\n - full house (probability: 1.017%, odds: 97.33 : 1) or\r\n - four of a kind (probability: 0.246%, odds: 405.50 : 1).\r\nThe probability of succeeding is 28.683% (2.49 : 1 odds)."},
    {151, "You may keep the high card and discard the rest, playing for:\r\n - one pair (probability: 43.056%, odds: 1.32 : 1) or\r\n - two pair (probability: 5.917%, odds: 15.90 : 1) or\r\n - three of a kind (probability: 2.341%, odds: 41.72 : 1) or\r\n - full house (probability: 0.166%, odds: 601.41 : 1) or\r\n - four of a kind (probability: 0.029%, odds: 3447.28 : 1).\r\nThe probability of succeeding is 51.511% (0.94 : 1 odds), from which the probability of achieving two pair or better is 8.455% (10.83 : 1 odds)."},
    {152, "1) You may keep the two high cards and discard the rest, playing for:\r\n - one pair (probability: 41.942%, odds: 1.38 : 1) or\r\n - two pair (probability: 3.768%, odds: 25.54 : 1) or\r\n - three of a kind (probability: 1.739%, odds: 56.50 : 1) or\r\n - full house (probability: 0.111%, odds: 899.90 : 1) or\r\n - four of a kind (probability: 0.012%, odds: 8332.33 : 1).\r\nThe probability of succeeding is 47.573% (1.10 : 1 odds), from which the probability of achieving two pair or better is 5.630% (16.76 : 1 odds).\r\n\r\n2) You may keep only one high card and discard the rest, playing for:\r\n - one pair (probability: 42.829%, odds: 1.33 : 1) or\r\n - two pair (probability: 5.873%, odds: 16.03 : 1) or\r\n - three of a kind (probability: 2.299%, odds: 42.50 : 1) or\r\n - full house (probability: 0.161%, odds: 620.12 : 1) or\r\n - four of a kind (probability: 0.029%, odds: 3447.28 : 1).\r\nThe probability of succeeding is 51.192% (0.95 : 1 odds), from which the probability of achieving two pair or better is 8.363% (10.96 : 1 odds)."},
    {153, "You may keep the three suited cards and discard the rest, playing for flush.\r\nThe probability of succeeding is  4.162% (23.03 : 1 odds)."},
    {154, "You may keep the four suited cards and discard the off-suit card, playing for flush.\r\nThe probability of succeeding is 19.148% (4.22 : 1 odds)."},
    {155, "You may keep the three straight cards %sand discard the rest, playing for straight.\r\nThe probability of succeeding is %.3f%% (%.2f : 1 odds)."},
    {156, "You may keep the %s %sand discard the card left, playing for straight.\r\nThe probability of succeeding is %.3f%% (%.2f : 1 odds)."},
    {158, "1) You may keep the pair and discard the rest, playing for:\r\n - two pair (probability: 15.985%, odds: 5.26 : 1) or\r\n - three of a kind (probability: 11.433%, odds: 7.75 : 1) or\r\n - full house (probability: 1.017%, odds: 97.33 : 1) or\r\n - four of a kind (probability: 0.246%, odds: 405.50 : 1).\r\nThe probability of succeeding is 28.683% (2.49 : 1 odds).\r\n\t\r\n2) You may keep the high card and discard the rest, playing for:\r\n - one pair (probability: 43.056%, odds: 1.32 : 1) or\r\n - two pair (probability: 5.917%, odds: 15.90 : 1) or\r\n - three of a kind (probability: 2.341%, odds: 41.72 : 1) or\r\n - full house (probability: 0.166%, odds: 601.41 : 1) or\r\n - four of a kind (probability: 0.029%, odds: 3447.28 : 1).\r\nThe probability of succeeding is 51.511% (0.94 : 1 odds), from which the probability of achieving two pair or better is 8.455% (10.83 : 1 odds).\r\n\r\n3) You may keep the pair and the high card and discard the rest, playing for:\r\n - two pair (probability: 17.206%, odds: 4.81 : 1) or\r\n - three of a kind (probability: 7.770%, odds: 11.87 : 1) or\r\n - full house (probability: 0.832%, odds: 119.19 : 1) or\r\n - four of a kind (probability: 0.092%, odds: 1085.96 : 1).\r\nThe probability of succeeding is 25.901% (2.86 : 1 odds)."},
    {161, "You may keep the pairs and discard the unpaired card, playing for full house.\r\nThe probability of succeeding is 8.510% (10.75 : 1 odds)."},
    {162, "1) You may keep the pairs and discard the high card, playing for full house.\r\nThe probability of succeeding is 8.510% (10.75 : 1 odds).\r\n\r\n2) You may keep the high card and discard the pairs. The goal is to achieve:\r\n - two pair (probability: 6.130%, odds: 15.31 : 1) or\r\n - three of a kind (probability: 2.383%, odds: 40.96 : 1) or\r\n - full house (probability: 0.171%, odds: 583.80 : 1) or\r\n - four of a kind (probability: 0.030%, odds: 3332.33 : 1).\r\nThe probability of succeeding is 8.715% (10.47 : 1 odds), from which the probability of achieving three of a kind or better is 2.585% (37.68 : 1 odds).\r\n\r\n3) You may keep one pair and the high card and discard the pair left. The goal is to achieve:\r\n - two pair (probability: 17.298%, odds: 4.78 : 1) or\r\n - three of a kind (probability: 7.770%, odds: 11.87 : 1) or\r\n - full house (probability: 0.832%, odds: 119.19 : 1) or\r\n - four of a kind (probability: 0.092%, odds: 1085.96 : 1).\r\nThe probability of succeeding is 25.994% (2.85 : 1 odds), from which the probability of achieving three of a kind or better is 8.695% (10.50 : 1 odds)."},
    {163, "You may keep the triple and discard the unpaired cards, playing for:\r\n - full house (probability: 6.105%, odds: 15.38 : 1) or\r\n - four of a kind (probability: 4.255%, odds: 22.50 : 1).\r\nThe probability of succeeding is 10.360% (8.65 : 1 odds)."},
    {165, "1) You may keep the pair and discard the rest, playing for:\r\n - two pair (probability: 15.985%, odds: 5.26 : 1) or\r\n - three of a kind (probability: 11.433%, odds: 7.75 : 1) or\r\n - full house (probability: 1.017%, odds: 97.33 : 1) or\r\n - four of a kind (probability: 0.246%, odds: 405.50 : 1).\r\nThe probability of succeeding is 28.683% (2.49 : 1 odds).\r\n\r\n2) You may keep the three suited cards and discard the pair, playing for flush.\r\nThe probability of succeeding is 4.162% (23.03 : 1 odds)."},
    {166, "1) You may keep the pair and discard the rest, playing for:\r\n - two pair (probability: 15.985%, odds: 5.26 : 1) or\r\n - three of a kind (probability: 11.433%, odds:  7.75 : 1) or\r\n - full house (probability: 1.017%, odds: 97.33 : 1) or\r\n - four of a kind (probability: 0.246%, odds: 405.50 : 1).\r\nThe probability of succeeding is 28.683% (2.49 : 1 odds).\r\n\r\n2) You may keep the four suited cards and discard the rest, playing for flush.\r\nThe probability of succeeding is 19.148% (4.22 : 1 odds)."},
    {167, "1) You may keep the pair and discard the rest, playing for:\r\n - two pair (probability: 15.985%, odds: 5.26 : 1) or\r\n - three of a kind (probability: 11.433%, odds: 7.75 : 1) or\r\n - full house (probability: 1.017%, odds: 97.33 : 1) or\r\n - four of a kind (probability: 0.246%, odds: 405.50 : 1).\r\nThe probability of succeeding is 28.683% (2.49 : 1 odds).\r\n\t\r\n2) You may keep one high card and discard the rest, playing for:\r\n - one pair (probability: 43.056%, odds: 1.32 : 1) or\r\n - two pair (probability: 5.917%, odds: 15.90 : 1) or\r\n - three of a kind (probability: 2.341%, odds: 41.72 : 1) or\r\n - full house (probability: 0.166%, odds: 601.41 : 1) or\r\n - four of a kind (probability: 0.029%, odds: 3447.28 : 1).\r\nThe probability of succeeding is 51.511% (0.94 : 1 odds), from which the probability of achieving two pair or better is 8.455% (10.83 : 1 odds).\r\n\r\n3) You may keep the pair and one high card and discard the rest, playing for:\r\n - two pair (probability: 17.206%, odds: 4.81 : 1) or\r\n - three of a kind (probability: 7.770%, odds: 11.87 : 1) or\r\n - full house (probability: 0.832%, odds: 119.19 : 1) or\r\n - four of a kind (probability: 0.092%, odds: 1085.96 : 1).\r\nThe probability of succeeding is 25.901% (2.86 : 1 odds)."},
    {168, "1) You may keep the pair and discard the rest, playing for:\r\n - two pair (probability: 15.985%%, odds: 5.26 : 1) or\r\n - three of a kind (probability: 11.433%%, odds: 7.75 : 1) or\r\n - full house (probability: 1.017%%, odds: 97.33 : 1) or\r\n - four of a kind (probability: 0.246%%, odds: 405.50 : 1).\r\nThe probability of succeeding is 28.683%% (2.49 : 1 odds).\r\n\r\n2) You may keep the three cards from the %sstraight and discard the rest, playing for straight. \r\nThe probability of succeeding is  %.3f%% (%.2f : 1 odds)."},
    {169, "1) You may keep the pair and discard the rest, playing for:\r\n - two pair (probability: 15.985%, odds: 5.26 : 1) or\r\n - three of a kind (probability: 11.433%, odds: 7.75 : 1) or\r\n - full house (probability: 1.017%, odds: 97.33 : 1) or\r\n - four of a kind (probability: 0.246%, odds: 405.50 : 1). \r\nThe probability of succeeding is 28.683% (2.49 : 1 odds).\r\n\r\n"},
    {170, "1) You may keep the pairs and discard the unpaired card, playing for full house.\r\nThe probability of succeeding is 8.510%% (10.75 : 1 odds).\r\n\r\n2) You may keep the straight cards and discard the rest, playing for straight.\r\nThe probability of succeeding is %.3f%% (%.2f : 1 odds)."},
    {171, "1) You may keep the pairs and discard the unpaired card, playing for full house.\r\nThe probability of succeeding is 8.510% (10.75 : 1 odds).\r\n\r\n2) You may keep the three suited cards and discard the rest, playing for flush.\r\nThe probability of succeeding is 4.162% (23.03 : 1 odds)."},
    {172, "1) You may keep the triple and discard the rest, playing for:\r\n - full house (probability: 6.105%%, odds: 15.38 : 1) or\r\n - four of a kind (probability: 4.255%%, odds: 22.50 : 1).\r\nThe probability of succeeding is 10.360%% (8.65 : 1 odds).\r\n\r\n2) You may keep the three straight cards and discard the rest, playing for straight.\r\nThe probability of succeeding is %.3f%% (%.2f : 1 odds)."},
    {173, "1) You may keep the triple and discard the rest, playing for:\r\n - full house (probability: 6.105%, odds: 15.38 : 1) or\r\n - four of a kind (probability: 4.255%, odds: 22.50 : 1).\r\nThe probability of succeeding is 10.360% (8.65 : 1 odds).\r\n\r\n2) You may keep the three suited cards and discard the rest, playing for flush.\r\nThe probability of succeeding is 4.162% (23.03 : 1 odds)."},
    {174, "from the highest straight "},
    {175, "1) %s\r\n\r\n2) %s"},
    {176, "a straight"},
    {177, "a flush"},
    {178, "a full house"},
    {179, "a straight flush"},
    {181, "open-ended straight"},
    {182, "1) %s\r\n\r\n2) %s"},
    {183, "You may keep the three suited cards and discard the rest, playing for flush.\r\nThe probability of succeeding is 4.162% (23.03 : 1 odds)."},
    {185, "You may keep the four straight flush cards and discard the off-suit card, playing for:\r\n - straight (probability: %.3f%%, odds: %.2f : 1) or\r\n - flush (probability: %.3f%%, odds: %.2f : 1 ).\r\nThe probability of succeeding is %.3f%% (%.2f : 1 odds), from which the probability of achieving straight flush is %.3f%% (%.2f : 1 odds)."},
    {186, "1) You may keep the %s %sand discard the card left, playing for straight.\r\nThe probability of succeeding is %.3f%% (%.2f : 1 odds).\r\n\r\n2) You may keep the four suited cards and discard the off-suit card, playing for flush.\r\nThe probability of succeeding is 19.148%% (4.22 : 1 odds)."},
    {187, "2) You may keep the four straight cards and discard the card left, playing for straight.\r\nThe probability of succeeding is  %.3f%% (%.2f : 1 odds)."},
    {188, "Please select your five cards:"},
    {189, "Please select your replacements:"},
    {190, "Please select your replacement:"},
    {191, "You may keep the four suited cards and discard the off-suit card, playing for flush.\r\nThe probability of succeeding is 19.148% (4.22 : 1 odds)."},
    {192, "You may keep the three suited cards and discard the rest, playing for flush.\r\nThe probability of succeeding is 4.162% (23.03 : 1 odds)."},
    {193, "no valuable formation"},
    {194, "four cards from a straight flush"},
    {195, "an open-ended straight flush"},
    {196, "If you want to discard, please select the cards to replace."},
    {199, "three cards from a straight"},
    {200, "four cards from a straight"},
    {202, "highest "},
    {203, "an open-ended straight flush"},
    {207, "two pair"},
    {210, "Attention: The odds in the second table are not proportional to the odds in the first table, with number of opponents. They are returned through specific probability formulas for non-exclusive events."},
    {32772, "Change number of &opponents\tCtrl+O"},
    {32776, "Quintara &Overview"},
    {57344, "Quintara"},
    {57600, "&New\tCtrl+N"},
    {57664, "&About Quintara..."},
    {57665, "E&xit"},
    {57670, "Quintara &Help"},
    {61703, "Failed to launch help."},
};

} // namespace

std::string LoadString(unsigned id)
{
    const TEntry* end = std::end(kEntries);
    const TEntry* it = std::lower_bound(std::begin(kEntries), end, id,
        [](const TEntry& e, unsigned key) { return e.m_nId < key; });
    if (it == end || it->m_nId != id)
        return std::string();
    return it->m_pText;
}
