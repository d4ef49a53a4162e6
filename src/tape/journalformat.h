#pragma once
// The bytes of the Tape journal. A file starts with a header (magic and format version); after it
// come entries, each its payload's length, a CRC-32 of the payload and the payload. One entry says
// "from line N on, the Tape holds these lines": a recorded line appends, an edit rewrites from the
// edited line, a clear or an opened file rewrites from line 0. Reading stops at the first entry
// that is cut short or fails its check, so a file torn by a crash still yields every whole entry.
#include "tape/rtfdocument.h"

#include <QByteArray>
#include <vector>

namespace journal {

constexpr quint32 FormatVersion = 1;

// The header that opens every journal file.
QByteArray header();
// One entry: the lines from `firstLine` on.
QByteArray entry(int firstLine, const std::vector<rtf::Paragraph>& lines);

struct Content {
    enum class Status {
        Whole,    // every entry read
        Damaged,  // a torn or corrupt tail was left out
        Refused,  // not a journal, or one of another format version: nothing read
    };
    Status status = Status::Refused;
    std::vector<rtf::Paragraph> lines;
    int entries = 0;
};

Content read(const QByteArray& bytes);

quint32 crc32(const char* data, qsizetype size);

}  // namespace journal
