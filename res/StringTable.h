#pragma once

#include <string>

// Every user-visible text of the program, compiled in. An unknown id yields an
// empty string, never an error.
std::string LoadString(unsigned id);

// printf-style formatting into a string of whatever length the result needs.
// Only texts that carry placeholders go through here; the others are used as
// stored, single "%" signs included.
std::string FormatString(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
