#pragma once
// Printing the Tape into a page rectangle: one inch in from the left and the top, one inch up
// from the bottom, and a right edge at a third of the page width for short lines (up to 20
// characters) or at two fifths for longer ones.
#include <QRect>

class QPagedPaintDevice;
class QTextDocument;

namespace tapeprint {

constexpr int ShortLineLimit = 20;

QRect pageRect(int longestLine, int dpiX, int dpiY, int pageWidth, int pageHeight);
// Lays the document out in the rectangle of this device and prints it page after page.
// Returns the rectangle used.
QRect print(const QTextDocument& document, int longestLine, QPagedPaintDevice& device);

}  // namespace tapeprint
