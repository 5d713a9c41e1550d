#include "HandDescription.h"

std::string DescribeHand(const CCardDistributionManager&, bool) { return std::string(); }
std::string DescribeStraightDraw(const CCardDistributionManager&, int) { return std::string(); }
