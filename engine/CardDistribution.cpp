#include "CardDistribution.h"

void CCardDistribution::Dump(std::string& text) const
{
    for (unsigned i = 0; i < m_nCounts; ++i) {
        text += std::to_string(static_cast<unsigned>(m_pCounts[i]));
        text += '-';
    }
    text += "\r\n";
}
