#pragma once
// The angle unit of the evaluation running on this thread. A parser sets it from its AngleMode
// for the duration of each evaluation, so the operator functions, which take no context, read
// the unit of the parser that runs them.
#include "parser/anglemode.h"

#include <cstdint>

namespace mathparser {

inline thread_local std::uint8_t activeDegreeMode = 0;

class AngleScope {
public:
    explicit AngleScope(const AngleMode* mode) : previous_(activeDegreeMode) {
        activeDegreeMode = mode ? mode->DegreeMode : 0;
    }
    ~AngleScope() { activeDegreeMode = previous_; }
    AngleScope(const AngleScope&) = delete;
    AngleScope& operator=(const AngleScope&) = delete;

private:
    std::uint8_t previous_;
};

}  // namespace mathparser
