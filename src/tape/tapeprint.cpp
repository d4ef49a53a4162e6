#include "tape/tapeprint.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>
#include <memory>

namespace tapeprint {

QRect pageRect(int longestLine, int dpiX, int dpiY, int pageWidth, int pageHeight) {
    const int right = longestLine <= ShortLineLimit ? pageWidth / 3 : 2 * pageWidth / 5;
    return QRect(QPoint(dpiX, dpiY), QPoint(right, pageHeight - dpiY));
}

QRect print(const QTextDocument& document, int longestLine, QPagedPaintDevice& device) {
    const QRect rect =
        pageRect(longestLine, device.logicalDpiX(), device.logicalDpiY(), device.width(), device.height());
    if (rect.width() <= 0 || rect.height() <= 0) return rect;
    std::unique_ptr<QTextDocument> copy(document.clone());
    copy->documentLayout()->setPaintDevice(&device);
    copy->setDocumentMargin(0);
    copy->setPageSize(rect.size());
    QPainter painter(&device);
    if (!painter.isActive()) return rect;
    const int pages = copy->pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0) device.newPage();
        painter.save();
        painter.translate(rect.left(), rect.top() - page * rect.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, page * rect.height(), rect.width(), rect.height());
        painter.setClipRect(context.clip);
        copy->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return rect;
}

}  // namespace tapeprint
