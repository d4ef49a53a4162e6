// Pasted and stored number texts: reading never crashes and never yields an infinite number,
// and whatever Val reads survives Str and Val again.
#include "core/numtext.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const numtext::ValResult r = numtext::val(text);
    if (!std::isfinite(r.value)) std::abort();
    const long double back = numtext::val(numtext::str(r.value)).value;
    if (numtext::formatG(back) != numtext::formatG(r.value)) std::abort();
    (void)numtext::formatN(r.value, 5, 15);
    try {
        (void)numtext::strToFloat(text);
    } catch (const numtext::ConversionError&) {}
    try {
        (void)numtext::strToInt(text);
    } catch (const numtext::ConversionError&) {}
    return 0;
}
