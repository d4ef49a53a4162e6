// Tape files from outside: reading never crashes or hangs, and what it yields stays within what
// the bytes can hold (every character costs at least one byte, every run holds text).
#include "tape/rtfdocument.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const rtf::Document doc = rtf::read(bytes);
    if (doc.plain == rtf::isRtf(bytes)) std::abort();
    size_t characters = 0;
    for (const rtf::Paragraph& p : doc.paragraphs) {
        for (const rtf::Run& r : p.runs) {
            if (r.text.isEmpty()) std::abort();
            if (!doc.plain && (r.format.halfPoints < 2 || r.format.halfPoints > 3276)) std::abort();
            characters += static_cast<size_t>(r.text.size());
        }
    }
    if (characters > size || doc.paragraphs.size() > size + 1) std::abort();
    return 0;
}
