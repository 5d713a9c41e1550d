#include "CardPips.h"

#include "SuitSymbols.h"

#include <QPainter>

#include <vector>

namespace artwork
{
namespace
{
// Pip positions on the 71 x 96 card. The three columns and the outer rows
// leave the index corners free; pips below the middle are printed upside down.
constexpr double kLeft = 23.0;
constexpr double kCentre = 35.5;
constexpr double kRight = 48.0;
constexpr double kTop = 17.5;
constexpr double kBottom = 78.5;
constexpr double kMiddle = 48.0;
constexpr double kPipHeight = 12.5;
constexpr double kAceHeight = 36.0;

double Row(double fraction) { return kTop + (kBottom - kTop) * fraction; }

struct TPip
{
    double m_dX;
    double m_dY;
};

void AddPair(std::vector<TPip>& pips, double fraction)
{
    pips.push_back({kLeft, Row(fraction)});
    pips.push_back({kRight, Row(fraction)});
}

// The usual arrangement for the cards Two (count 2) to Ten (count 10).
std::vector<TPip> PipLayout(int count)
{
    std::vector<TPip> pips;
    switch (count)
    {
    case 2:
    case 3:
        pips.push_back({kCentre, Row(0)});
        pips.push_back({kCentre, Row(1)});
        if (count == 3)
            pips.push_back({kCentre, kMiddle});
        break;
    case 4:
    case 5:
        AddPair(pips, 0);
        AddPair(pips, 1);
        if (count == 5)
            pips.push_back({kCentre, kMiddle});
        break;
    case 6:
    case 7:
    case 8:
        AddPair(pips, 0);
        AddPair(pips, 0.5);
        AddPair(pips, 1);
        if (count >= 7)
            pips.push_back({kCentre, Row(0.25)});
        if (count == 8)
            pips.push_back({kCentre, Row(0.75)});
        break;
    default:
        AddPair(pips, 0);
        AddPair(pips, 1.0 / 3);
        AddPair(pips, 2.0 / 3);
        AddPair(pips, 1);
        if (count == 9)
            pips.push_back({kCentre, kMiddle});
        else
        {
            pips.push_back({kCentre, Row(1.0 / 6)});
            pips.push_back({kCentre, Row(5.0 / 6)});
        }
        break;
    }
    return pips;
}
}  // namespace

void PaintPips(QPainter& painter, int suit, int rank)
{
    if (rank == 0)
    {
        PaintSuit(painter, suit, QPointF(kCentre, kMiddle), kAceHeight);
        return;
    }
    for (const TPip& pip : PipLayout(rank + 1))
        PaintSuit(painter, suit, QPointF(pip.m_dX, pip.m_dY), kPipHeight, pip.m_dY > kMiddle + 0.5);
}
}  // namespace artwork
