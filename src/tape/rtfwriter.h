#pragma once
// Writes a rich-text document as RTF that word processors open: a font and a colour table,
// one \par per paragraph with its alignment, and each run's font, size, style and colour.
#include "tape/rtfdocument.h"

#include <QByteArray>
#include <vector>

class QFont;
class QTextCharFormat;
class QTextDocument;

namespace rtf {
// The documents' paragraphs in order, as one file; the first document's font is the default.
QByteArray write(const std::vector<const QTextDocument*>& documents);
// The attributes of a run as a reader sees them: unset properties fall back to the document's font.
CharFormat effectiveFormat(const QTextCharFormat& format, const QFont& base);
}  // namespace rtf
