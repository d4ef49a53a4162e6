#pragma once
// The unit of the parser's angle functions. The application owns one object and gives it to
// every parser; the plotter's degree button writes it. A parser without one works in radians.
#include <cstdint>

struct AngleMode {
    std::uint8_t DegreeMode = 0;  // 0 radians (the value at start), 1 degrees
};
