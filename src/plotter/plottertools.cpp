// Drawing by hand on the surface: the placements that write texts where the mouse is
// released, the eraser, arrow and boxes, the one-step undo, saving and the export.
#include "core/calculator.h"
#include "core/numtext.h"
#include "plotter/plotter.h"
#include "tape/documentlauncher.h"
#include "tape/odtwriter.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <cmath>

namespace {

const QColor kSilver(192, 192, 192);
const QColor kGrey(128, 128, 128);
const QColor kBlue(0, 0, 255);

QFont textFont(int points) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(points * 96 / 72);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

void writeLines(QImage& image, QPoint at, const QString& first, const QString& second, const QColor& colour,
                int points = 8) {
    QPainter p(&image);
    p.setFont(textFont(points));
    p.setPen(colour);
    const QRect box(at, QSize(400, 14));
    p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, first);
    if (!second.isEmpty()) p.drawText(box.translated(0, 12), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, second);
}

bool saveSvg(const QImage& image, const QString& path) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                              "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\">\n"
                              "<image width=\"%1\" height=\"%2\" href=\"data:image/png;base64,")
                   .arg(image.width())
                   .arg(image.height())
                   .toUtf8());
    file.write(png.toBase64());
    file.write("\"/>\n</svg>\n");
    return file.commit();
}

}  // namespace

void Plotter::backup() { Image2 = Image1.copy(); }

void Plotter::cancelPlacements() {
    PlaceMarker1 = PlaceMarker2 = PlaceTerm1 = PlaceTerm2 = PlaceXPoint = PlaceComment = false;
    DragCursor = false;
    CheckedTool = NoTool;
}

void Plotter::ToolClick(Tool tool) {
    const bool wasChecked = CheckedTool == tool;
    cancelPlacements();
    if (wasChecked) return;
    if (tool == Radieren) {
        backup();
        UndoVisible = true;
    }
    CheckedTool = tool;
}

void Plotter::MouseDown(QPoint pos) {
    MousePos = pos;
    if (CheckedTool == Pfeil || CheckedTool == BoxGefuellt || CheckedTool == BoxRahmen) {
        backup();
        UndoVisible = true;
        DragStart = pos;
    }
}

void Plotter::MouseMove(QPoint pos, bool buttonHeld) {
    MousePos = pos;
    if (!buttonHeld) return;
    if (CheckedTool == Radieren) {
        QPainter p(&Image1);
        p.setPen(QPen(Qt::white, 4));
        p.drawLine(pos, pos + QPoint(0, 4));
    } else if (CheckedTool != NoTool) {
        drawShape(pos);  // rubber band
    }
}

void Plotter::MouseUp(QPoint pos) {
    MousePos = pos;
    if (CheckedTool == Pfeil || CheckedTool == BoxGefuellt || CheckedTool == BoxRahmen) drawShape(pos);
    if (PlaceMarker1 || PlaceMarker2 || PlaceTerm1 || PlaceTerm2 || PlaceXPoint || PlaceComment) {
        backup();
        UndoVisible = true;
        placeText(MousePos);
    }
    const Tool tool = CheckedTool;
    cancelPlacements();
    CheckedTool = tool;
}

void Plotter::drawShape(QPoint to) {
    Image1 = Image2.copy();
    QPainter p(&Image1);
    const QPoint from = DragStart;
    if (CheckedTool == Pfeil) {
        p.setPen(QPen(kSilver, 1, Qt::DotLine));
        p.drawLine(from, to);
        const double dx = to.x() - from.x(), dy = to.y() - from.y();
        const double length = std::hypot(dx, dy);
        if (length <= 0.01) return;
        const double ux = dx / length, uy = dy / length;  // along the line; a vertical line gets a level base
        const QPointF tip(to);
        const QPointF base = tip - QPointF(8 * ux, 8 * uy);
        const QPointF side(-4 * uy, 4 * ux);
        QPainterPath head;
        head.moveTo(tip);
        head.lineTo(base + side);
        head.lineTo(base - side);
        head.closeSubpath();
        p.setPen(QPen(kSilver, 1));
        p.fillPath(head, kSilver);
        p.drawPath(head);
        return;
    }
    const bool filled = CheckedTool == BoxGefuellt;
    p.setPen(QPen(filled ? kSilver : kGrey, 1, Qt::DotLine));
    p.setBrush(filled ? QBrush(Qt::white) : QBrush(Qt::NoBrush));
    p.drawRoundedRect(QRect(from, to).normalized(), 3, 3);
}

void Plotter::placeText(QPoint at) {
    auto f = [](long double v) { return numtext::floatToStr(v); };
    auto termLines = [&](const QString& term) {
        QString second;
        if (term.contains(u'a') || term.contains(u'b') || term.contains(u'c')) {
            static const char* const names[] = {"a = ", ", b = ", ", c = "};
            for (int i = 0; i < 3; ++i) {
                const QString value = source_->constantText(i);
                if (!value.isEmpty()) second += QString::fromLatin1(names[i]) + value;
            }
        }
        const QColor colour = HoldMode ? plotscale::HoldColour(source_->historyIndex(term)) : QColor(255, 0, 0);
        writeLines(Image1, at, term, second, colour);
    };
    if (PlaceMarker1) {
        if (SnPCaption == QStringLiteral("NP")) writeLines(Image1, at, Result1, {}, kBlue);
        else
            writeLines(Image1, at, QStringLiteral("x= ") + f(Intersection1X),
                       QStringLiteral("y= ") + f(Intersection1Y1), kBlue);
    } else if (PlaceMarker2) {
        writeLines(Image1, at, QStringLiteral("x= ") + f(Intersection2X), QStringLiteral("y= ") + f(Intersection2Y2),
                   kBlue);
    } else if (PlaceTerm1) {
        termLines(Term1);
    } else if (PlaceTerm2) {
        if (!Term2.isEmpty()) termLines(Term2);
    } else if (PlaceXPoint) {
        writeLines(Image1, at, QStringLiteral("x= ") + calc_.Label1, QStringLiteral("y= ") + f(MarkerY), Qt::black);
    } else if (PlaceComment && !CommentText.isEmpty()) {
        writeLines(Image1, at, CommentText, {}, kBlue, 10);
    }
}

void Plotter::UndoClick() {
    if (CheckedTool == Radieren) {
        CheckedTool = NoTool;
        return;
    }
    cancelPlacements();
    Image1 = Image2.copy();
    UndoVisible = false;
}

void Plotter::SaveClick() {
    int filter = 0;
    QString name = dialogs_.saveFileName(
        QStringLiteral("Graph als Bild speichern"), QStringLiteral("Graph.png"),
        {QStringLiteral("PNG (*.png)"), QStringLiteral("Bmp (*.bmp)"), QStringLiteral("SVG (*.svg)")}, &filter);
    if (name.isEmpty()) return;
    static const char* const suffixes[] = {"png", "bmp", "svg"};
    QString suffix = QFileInfo(name).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("bmp") && suffix != QLatin1String("svg")) {
        suffix = QString::fromLatin1(suffixes[filter >= 0 && filter < 3 ? filter : 0]);
        name += u'.' + suffix;
    }
    const bool saved = suffix == QLatin1String("svg")
        ? saveSvg(Image1, name)
        : Image1.save(name, suffix == QLatin1String("bmp") ? "BMP" : "PNG");
    if (!saved) dialogs_.message(QStringLiteral("Das Bild konnte nicht gespeichert werden."));
}

QStringList Plotter::ExportPieces() const {
    QStringList pieces;
    if (!FunctionView) {
        pieces << calc_.Label2 << QStringLiteral(" ") << calc_.Label1 << calc_.Label4 << QStringLiteral(" = ")
               << calc_.Label3;
    } else {
        pieces << (calc_.Label1.isEmpty() ? QStringLiteral("x = 0") : QStringLiteral("x = ") + calc_.Label1);
        static const char* const names[] = {", a = ", ", b = ", ", c = "};
        for (int i = 0; i < 3; ++i) {
            const QString value = source_->constantText(i);
            if (!value.isEmpty()) pieces << QString::fromLatin1(names[i]) + value;
        }
        if (HoldMode) {
            pieces << QStringLiteral("Terme: ");
            for (const QString& formula : GraphFormulas) pieces << u'[' + formula + QStringLiteral("], ");
        } else {
            pieces << QStringLiteral("Term: ") + source_->currentFormula();
        }
        pieces << QStringLiteral("\r") << QStringLiteral("\r") << QStringLiteral("f(x) = ") + calc_.Label3;
    }
    if (HoldMode && PlotSequence.size() >= 2 && SnPChecked) {
        pieces << QStringLiteral("\r") << SnPCaption;
        if (Result2Visible) pieces << QStringLiteral("1");
        pieces << QStringLiteral(":   ") << Result1 << QStringLiteral("\r");
        if (Result2Visible) pieces << QStringLiteral("SP2:   ") << Result2 << QStringLiteral("\r");
    }
    return pieces;
}

void Plotter::ExportClick() {
    cancelPlacements();
    OdtDocument document;
    document.addPicture(Image1);
    for (const QString& piece : ExportPieces()) document.typeText(piece);
    const QString path = QDir(StartDirectory).filePath(QStringLiteral("Temp.fodt"));
    if (!document.save(path)) {
        dialogs_.message(QStringLiteral("Das Bild konnte nicht gespeichert werden."));
        return;
    }
    if (!launcher_ || !launcher_->open(path))
        dialogs_.message(QStringLiteral("LibreOffice konnte nicht gestartet werden."));
}
