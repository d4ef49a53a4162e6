#pragma once
// The content of a Tape file as the readers see it: paragraphs of formatted runs. It is plain
// data (QtCore only), so the readers can be checked without a rich-text document.
#include "core/tape.h"
#include "core/windows1252.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace rtf {

struct CharFormat {
    QString font;         // empty: the document's default font
    int halfPoints = 24;  // RTF sizes count half points; 24 is RTF's 12 pt default
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    std::optional<uint32_t> colour;  // 0x00BBGGRR; none for the automatic colour
    bool operator==(const CharFormat&) const = default;
};

struct Run {
    QString text;
    CharFormat format;
};

struct Paragraph {
    Tape::Alignment alignment = Tape::Alignment::Left;
    std::vector<Run> runs;
    // The characters in force at the paragraph's end: an empty line keeps its height with them.
    CharFormat markFormat;
    QString text() const;
};

struct Document {
    std::vector<Paragraph> paragraphs;
    // A plain-text file: its runs carry no formatting of their own and take the typing attributes.
    bool plain = false;
};

// True when the bytes start like an RTF file ("{\rtf", after blanks or a byte-order mark).
bool isRtf(const QByteArray& bytes);
// Reads RTF. Never fails: unknown groups and words are skipped, malformed input yields
// whatever text could be recovered.
Document parseRtf(const QByteArray& bytes);
// Reads plain text (UTF-8, or Windows-1252 when the bytes are not valid UTF-8); CR LF, LF and
// CR end lines; a final line break does not start another line.
Document parsePlainText(const QByteArray& bytes);
// RTF when it looks like RTF, plain text otherwise.
Document read(const QByteArray& bytes);

// Windows-1252, the code page of \'xx escapes: the table the settings file uses too.
using windows1252::fromWindows1252;
using windows1252::toWindows1252;

}  // namespace rtf
