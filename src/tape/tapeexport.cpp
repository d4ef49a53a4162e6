#include "tape/tapeexport.h"

#include "core/dialogs.h"
#include "tape/documentlauncher.h"
#include "tape/rtfwriter.h"
#include "tape/tapedocument.h"

#include <QFile>
#include <QFileInfo>
#include <QTextBlock>
#include <QTextFragment>
#include <algorithm>

namespace {

// Inner margin of the frame on all four sides, in points.
constexpr double FramePadding = 8;

OdtDocument::Alignment alignmentOf(const QTextBlock& block) {
    const Qt::Alignment a = block.blockFormat().alignment();
    if (a & Qt::AlignRight) return OdtDocument::Alignment::Right;
    if (a & Qt::AlignHCenter) return OdtDocument::Alignment::Center;
    return OdtDocument::Alignment::Left;
}

OdtDocument::Run runOf(const QString& text, const QTextCharFormat& format, const QFont& base) {
    const rtf::CharFormat f = rtf::effectiveFormat(format, base);
    OdtDocument::Run run;
    run.text = text;
    run.bold = f.bold;
    run.pointSize = f.halfPoints / 2.0;
    run.fontName = f.font;
    run.italic = f.italic;
    run.underline = f.underline;
    run.strikeOut = f.strike;
    if (f.colour) run.colour = TapeDocument::fromBgr(*f.colour);
    return run;
}

}  // namespace

TapeExport::TapeExport(const TapeDocument& tape, Dialogs& dialogs, QString startDirectory)
    : StartDirectory(std::move(startDirectory)), tape_(tape), dialogs_(dialogs) {}

void TapeExport::UmrandungClick() {
    if (UmrandungEnabled()) Umrandung = !Umrandung;
}

TapeExport::FrameSize TapeExport::frameSize(const QList<LineMeasure>& lines) {
    double height = 14;
    double width = 0;
    for (const LineMeasure& line : lines) {
        height += line.pointSize + 2;
        width = std::max(width, line.length * (line.pointSize - 3));
    }
    if (width < 60) width += 15;
    else if (width > 180) width -= 30;
    return {width, height};
}

OdtDocument TapeExport::document() const {
    const QFont base = tape_.defaultFont();
    QList<OdtDocument::Paragraph> lines;
    QList<LineMeasure> measures;
    const int count = tape_.LineCount();
    lines.reserve(count);
    measures.reserve(count);
    for (int i = 0; i < count; ++i) {
        const QTextBlock block = tape_.block(i);
        OdtDocument::Paragraph p;
        p.alignment = alignmentOf(block);
        LineMeasure measure;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid()) continue;
            p.runs.append(runOf(fragment.text(), fragment.charFormat(), base));
            measure.length += static_cast<int>(fragment.length());
            measure.pointSize = std::max(measure.pointSize, p.runs.last().pointSize);
        }
        if (p.runs.isEmpty()) {
            // An empty line keeps the size it was written in, in the document and in the frame.
            p.mark = runOf(QString(), block.charFormat(), base);
            measure.pointSize = p.mark->pointSize;
        }
        lines.append(std::move(p));
        measures.append(measure);
    }

    OdtDocument document;
    if (!TextBox) {
        document.paragraphs = std::move(lines);
        return document;
    }
    const FrameSize size = frameSize(measures);
    document.addTextFrame({std::move(lines), size.width, size.height, FramePadding, !Umrandung});
    return document;
}

QString TapeExport::transferPath() const { return QFileInfo(QDir(StartDirectory), TransferName).absoluteFilePath(); }

bool TapeExport::exportTape() {
    if (!launcher_ || !launcher_->installed()) {
        dialogs_.message(
            QStringLiteral("LibreOffice Writer wurde nicht gefunden. Bitte LibreOffice installieren "
                           "(Paket libreoffice-writer), um das Tape zu übertragen."));
        return false;
    }
    const QString path = transferPath();
    QString reason;
    if (!document().save(path, &reason)) {
        dialogs_.message(QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2")
                             .arg(QDir::toNativeSeparators(path), reason));
        return false;
    }
    if (!launcher_->open(path)) {
        QFile::remove(path);
        dialogs_.message(QStringLiteral("LibreOffice konnte nicht gestartet werden: ") + launcher_->lastError());
        return false;
    }
    return true;
}

void TapeExport::removeTransferFile() {
    const QString path = transferPath();
    if (QFileInfo(path).isFile()) QFile::remove(path);
}
