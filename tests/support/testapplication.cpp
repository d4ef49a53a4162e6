// Listed among the sources of a test program whose every test needs the application (rich-text
// documents need it for their fonts, pictures for their painting): builds it before the first test.
#include "support/testapplication.h"

namespace {
[[maybe_unused]] const ::testing::Environment* const kApplication =
    ::testing::AddGlobalTestEnvironment(new TestApplicationEnvironment);
}  // namespace
