#include "tape/odtwriter.h"

#include <QBuffer>
#include <QSaveFile>
#include <QXmlStreamWriter>

namespace {

const char* const kAlign[] = {"start", "center", "end"};

QString textStyleName(const OdtDocument::Run& run) {
    return QStringLiteral("T%1_%2").arg(run.bold ? 1 : 0).arg(QString::number(run.pointSize).replace(u'.', u'_'));
}

// Runs of blanks beyond the first, and blanks at the start, are kept only as <text:s>.
void writeText(QXmlStreamWriter& xml, const QString& text) {
    QString pending;
    for (qsizetype i = 0; i < text.size();) {
        if (text[i] == u'\t') {
            xml.writeCharacters(pending);
            pending.clear();
            xml.writeEmptyElement(QStringLiteral("text:tab"));
            ++i;
            continue;
        }
        if (text[i] != u' ') {
            pending += text[i++];
            continue;
        }
        qsizetype n = 0;
        while (i + n < text.size() && text[i + n] == u' ') ++n;
        const bool atStart = i == 0;
        if (!atStart) pending += u' ';
        const qsizetype extra = atStart ? n : n - 1;
        if (extra > 0) {
            xml.writeCharacters(pending);
            pending.clear();
            xml.writeEmptyElement(QStringLiteral("text:s"));
            xml.writeAttribute(QStringLiteral("text:c"), QString::number(extra));
        }
        i += n;
    }
    xml.writeCharacters(pending);
}

void writeStyles(QXmlStreamWriter& xml, const QList<OdtDocument::Paragraph>& paragraphs) {
    xml.writeStartElement(QStringLiteral("office:automatic-styles"));
    for (int a = 0; a < 3; ++a) {
        xml.writeStartElement(QStringLiteral("style:style"));
        xml.writeAttribute(QStringLiteral("style:name"), QStringLiteral("P%1").arg(a));
        xml.writeAttribute(QStringLiteral("style:family"), QStringLiteral("paragraph"));
        xml.writeEmptyElement(QStringLiteral("style:paragraph-properties"));
        xml.writeAttribute(QStringLiteral("fo:text-align"), QString::fromLatin1(kAlign[a]));
        xml.writeEndElement();
    }
    QStringList written;
    for (const OdtDocument::Paragraph& p : paragraphs) {
        for (const OdtDocument::Run& run : p.runs) {
            const QString name = textStyleName(run);
            if (written.contains(name)) continue;
            written.append(name);
            xml.writeStartElement(QStringLiteral("style:style"));
            xml.writeAttribute(QStringLiteral("style:name"), name);
            xml.writeAttribute(QStringLiteral("style:family"), QStringLiteral("text"));
            xml.writeEmptyElement(QStringLiteral("style:text-properties"));
            xml.writeAttribute(QStringLiteral("fo:font-weight"), run.bold ? QStringLiteral("bold") : QStringLiteral("normal"));
            xml.writeAttribute(QStringLiteral("fo:font-size"), QString::number(run.pointSize) + QStringLiteral("pt"));
            xml.writeEndElement();
        }
    }
    xml.writeEndElement();
}

void writePicture(QXmlStreamWriter& xml, const QImage& picture, int number) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    xml.writeStartElement(QStringLiteral("draw:frame"));
    xml.writeAttribute(QStringLiteral("draw:name"), QStringLiteral("Bild%1").arg(number));
    xml.writeAttribute(QStringLiteral("text:anchor-type"), QStringLiteral("as-char"));
    xml.writeAttribute(QStringLiteral("svg:width"), QString::number(picture.width() / 96.0, 'f', 4) + QStringLiteral("in"));
    xml.writeAttribute(QStringLiteral("svg:height"), QString::number(picture.height() / 96.0, 'f', 4) + QStringLiteral("in"));
    xml.writeStartElement(QStringLiteral("draw:image"));
    xml.writeTextElement(QStringLiteral("office:binary-data"), QString::fromLatin1(png.toBase64()));
    xml.writeEndElement();
    xml.writeEndElement();
}

}  // namespace

void OdtDocument::addText(const QString& text, bool bold, double pointSize, Alignment alignment) {
    Paragraph p;
    p.alignment = alignment;
    if (!text.isEmpty()) p.runs.append(Run{text, bold, pointSize});
    paragraphs.append(p);
}

void OdtDocument::addPicture(const QImage& picture, Alignment alignment) {
    Paragraph p;
    p.alignment = alignment;
    p.picture = picture;
    paragraphs.append(p);
}

void OdtDocument::typeText(const QString& text) {
    const QStringList parts = text.split(u'\r');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        // The first part continues the last paragraph when it holds text, not a picture.
        if (i > 0 || paragraphs.isEmpty() || !paragraphs.last().picture.isNull()) paragraphs.append(Paragraph{});
        if (!parts[i].isEmpty()) paragraphs.last().runs.append(Run{parts[i]});
    }
}

QByteArray OdtDocument::toXml() const {
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("office:document"));
    const std::pair<const char*, const char*> namespaces[] = {
        {"office", "urn:oasis:names:tc:opendocument:xmlns:office:1.0"},
        {"style", "urn:oasis:names:tc:opendocument:xmlns:style:1.0"},
        {"text", "urn:oasis:names:tc:opendocument:xmlns:text:1.0"},
        {"draw", "urn:oasis:names:tc:opendocument:xmlns:drawing:1.0"},
        {"fo", "urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"},
        {"svg", "urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0"},
        {"xlink", "http://www.w3.org/1999/xlink"},
    };
    for (const auto& [prefix, uri] : namespaces)
        xml.writeAttribute(QStringLiteral("xmlns:") + QString::fromLatin1(prefix), QString::fromLatin1(uri));
    xml.writeAttribute(QStringLiteral("office:version"), QStringLiteral("1.3"));
    xml.writeAttribute(QStringLiteral("office:mimetype"), QStringLiteral("application/vnd.oasis.opendocument.text"));
    writeStyles(xml, paragraphs);
    xml.writeStartElement(QStringLiteral("office:body"));
    xml.writeStartElement(QStringLiteral("office:text"));
    int pictures = 0;
    for (const Paragraph& p : paragraphs) {
        xml.writeStartElement(QStringLiteral("text:p"));
        xml.writeAttribute(QStringLiteral("text:style-name"), QStringLiteral("P%1").arg(static_cast<int>(p.alignment)));
        if (!p.picture.isNull()) writePicture(xml, p.picture, ++pictures);
        for (const Run& run : p.runs) {
            xml.writeStartElement(QStringLiteral("text:span"));
            xml.writeAttribute(QStringLiteral("text:style-name"), textStyleName(run));
            writeText(xml, run.text);
            xml.writeEndElement();
        }
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return out;
}

bool OdtDocument::save(const QString& path) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(toXml());
    return file.commit();
}
