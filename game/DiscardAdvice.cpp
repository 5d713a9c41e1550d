#include "DiscardAdvice.h"

std::string BuildAdvice(CCardDistributionManager&) { return std::string(); }
