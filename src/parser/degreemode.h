#pragma once
#include <cstdint>

// Angle unit of the parser's angle functions, shared by every parser in the process:
// 0 radians (the value at start), 1 degrees. The plotter's degree button writes it; the
// angle functions read it at the moment they run.
inline std::uint8_t DegreeMode = 0;
