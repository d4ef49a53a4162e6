#pragma once
// Writes a rich-text document as RTF that word processors open: a font and a colour table,
// one \par per paragraph with its alignment, and each run's font, size, style and colour.
#include <QByteArray>

class QTextDocument;

namespace rtf {
QByteArray write(const QTextDocument& document);
}
