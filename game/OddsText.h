#pragma once

#include <string>

// The odds cell of a results row or an exact figure, as every front end shows
// it: the odds against, or a dash where the figure is 0 and there are no odds
// against it (the engine gives -1 there).
std::string OddsText(double odds);
