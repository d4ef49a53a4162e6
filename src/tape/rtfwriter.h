#pragma once
// Writes a rich-text document as RTF that word processors open: a font and a colour table,
// one \par per paragraph with its alignment, and each run's font, size, style and colour.
#include <QByteArray>
#include <vector>

class QTextDocument;

namespace rtf {
// The documents' paragraphs in order, as one file; the first document's font is the default.
QByteArray write(const std::vector<const QTextDocument*>& documents);
}
