#include "tape/odtwriter.h"

#include <QBuffer>
#include <QHash>
#include <QFile>
#include <QXmlStreamWriter>

namespace {

const char* const kAlign[] = {"start", "center", "end"};

using Paragraph = OdtDocument::Paragraph;
using Run = OdtDocument::Run;

// The text properties of a run, in the order a reader meets them; weight and size come first.
QList<std::pair<QString, QString>> textProperties(const Run& run) {
    QList<std::pair<QString, QString>> p{
        {QStringLiteral("fo:font-weight"), run.bold ? QStringLiteral("bold") : QStringLiteral("normal")},
        {QStringLiteral("fo:font-size"), QString::number(run.pointSize) + QStringLiteral("pt")},
    };
    if (!run.fontName.isEmpty()) p.append({QStringLiteral("fo:font-family"), run.fontName});
    if (run.italic) p.append({QStringLiteral("fo:font-style"), QStringLiteral("italic")});
    if (run.underline) {
        p.append({QStringLiteral("style:text-underline-style"), QStringLiteral("solid")});
        p.append({QStringLiteral("style:text-underline-width"), QStringLiteral("auto")});
        p.append({QStringLiteral("style:text-underline-color"), QStringLiteral("font-color")});
    }
    if (run.strikeOut) p.append({QStringLiteral("style:text-line-through-style"), QStringLiteral("solid")});
    if (run.colour.isValid()) p.append({QStringLiteral("fo:color"), run.colour.name()});
    return p;
}

// Automatic styles, one per distinct look, named in the order they are first needed.
class Styles {
public:
    QString text(const Run& run) {
        // A Tape has a handful of looks: comparing with them is cheaper than building the key.
        for (const auto& [look, styleName] : recent_)
            if (sameLook(run, look)) return styleName;
        const QString found = name(u'T', textProperties(run), {});
        if (recent_.size() < 16) recent_.append({run, found});
        return found;
    }
    QString paragraph(const Paragraph& p) {
        const int a = static_cast<int>(p.alignment);
        if (p.mark) return name(u'P', textProperties(*p.mark), QString::fromLatin1(kAlign[a]));
        if (plain_[a].isEmpty()) plain_[a] = name(u'P', {}, QString::fromLatin1(kAlign[a]));
        return plain_[a];
    }
    QString frame(const OdtDocument::TextFrame& f) {
        return name(u'F', {}, QString::number(f.padding) + u'|' + (f.border ? u'1' : u'0'));
    }

    void write(QXmlStreamWriter& xml) const {
        for (const Style& s : styles_) {
            xml.writeStartElement(QStringLiteral("style:style"));
            xml.writeAttribute(QStringLiteral("style:name"), s.name);
            if (s.name.startsWith(u'F')) {
                writeFrameStyle(xml, s.extra);
            } else {
                xml.writeAttribute(QStringLiteral("style:family"),
                                   s.name.startsWith(u'T') ? QStringLiteral("text") : QStringLiteral("paragraph"));
                if (s.name.startsWith(u'P')) {
                    xml.writeEmptyElement(QStringLiteral("style:paragraph-properties"));
                    xml.writeAttribute(QStringLiteral("fo:text-align"), s.extra);
                }
                if (!s.properties.isEmpty()) {
                    xml.writeEmptyElement(QStringLiteral("style:text-properties"));
                    for (const auto& [key, value] : s.properties) xml.writeAttribute(key, value);
                }
            }
            xml.writeEndElement();
        }
    }

private:
    struct Style {
        QString name;
        QList<std::pair<QString, QString>> properties;
        QString extra;
    };

    QString name(QChar family, const QList<std::pair<QString, QString>>& properties, const QString& extra) {
        QString key = family + extra;
        for (const auto& [k, v] : properties) key += u'|' + k + u'=' + v;
        const auto found = names_.constFind(key);
        if (found != names_.cend()) return *found;
        const QString name = family + QString::number(++counts_[family == u'T' ? 0 : family == u'P' ? 1 : 2]);
        names_.insert(key, name);
        styles_.append(Style{name, properties, extra});
        return name;
    }

    // A frame at the top left of its paragraph, which no text flows beside.
    static void writeFrameStyle(QXmlStreamWriter& xml, const QString& extra) {
        const QStringList parts = extra.split(u'|');
        xml.writeAttribute(QStringLiteral("style:family"), QStringLiteral("graphic"));
        // Without the word processor's frame style as parent, Writer takes the box for a drawing
        // shape and drops its padding and border.
        xml.writeAttribute(QStringLiteral("style:parent-style-name"), QStringLiteral("Frame"));
        xml.writeEmptyElement(QStringLiteral("style:graphic-properties"));
        xml.writeAttribute(QStringLiteral("fo:padding"), parts[0] + QStringLiteral("pt"));
        xml.writeAttribute(QStringLiteral("fo:border"),
                           parts[1] == u'1' ? QStringLiteral("0.5pt solid #000000") : QStringLiteral("none"));
        xml.writeAttribute(QStringLiteral("style:wrap"), QStringLiteral("none"));
        xml.writeAttribute(QStringLiteral("style:vertical-pos"), QStringLiteral("top"));
        xml.writeAttribute(QStringLiteral("style:vertical-rel"), QStringLiteral("paragraph"));
        xml.writeAttribute(QStringLiteral("style:horizontal-pos"), QStringLiteral("left"));
        xml.writeAttribute(QStringLiteral("style:horizontal-rel"), QStringLiteral("paragraph"));
    }

    static bool sameLook(const Run& a, const Run& b) {
        return a.bold == b.bold && a.pointSize == b.pointSize && a.italic == b.italic && a.underline == b.underline &&
            a.strikeOut == b.strikeOut && a.colour == b.colour && a.fontName == b.fontName;
    }

    QList<std::pair<Run, QString>> recent_;  // the first looks met, with their style names
    QString plain_[3];                       // paragraph styles without a mark, by alignment
    QHash<QString, QString> names_;
    QList<Style> styles_;
    int counts_[3] = {0, 0, 0};
};

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

void writePicture(QXmlStreamWriter& xml, const QImage& picture, int number) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    xml.writeStartElement(QStringLiteral("draw:frame"));
    xml.writeAttribute(QStringLiteral("draw:name"), QStringLiteral("Bild%1").arg(number));
    xml.writeAttribute(QStringLiteral("text:anchor-type"), QStringLiteral("as-char"));
    xml.writeAttribute(QStringLiteral("svg:width"),
                       QString::number(picture.width() / 96.0, 'f', 4) + QStringLiteral("in"));
    xml.writeAttribute(QStringLiteral("svg:height"),
                       QString::number(picture.height() / 96.0, 'f', 4) + QStringLiteral("in"));
    xml.writeStartElement(QStringLiteral("draw:image"));
    xml.writeTextElement(QStringLiteral("office:binary-data"), QString::fromLatin1(png.toBase64()));
    xml.writeEndElement();
    xml.writeEndElement();
}

}  // namespace

void OdtDocument::addText(const QString& text, bool bold, double pointSize, Alignment alignment) {
    Paragraph p;
    p.alignment = alignment;
    if (!text.isEmpty()) {
        Run run;
        run.text = text;
        run.bold = bold;
        run.pointSize = pointSize;
        p.runs.append(run);
    }
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
        if (parts[i].isEmpty()) continue;
        Run run;
        run.text = parts[i];
        paragraphs.last().runs.append(run);
    }
}

void OdtDocument::addTextFrame(TextFrame frame) {
    frames.append(std::move(frame));
    Paragraph p;
    p.frame = static_cast<int>(frames.size()) - 1;
    paragraphs.append(p);
}

namespace {

class BodyWriter {
public:
    BodyWriter(QXmlStreamWriter& xml, const OdtDocument& document, Styles& styles)
        : xml_(xml), document_(document), styles_(styles) {}

    // Names every style the body uses, so that they can be written before it.
    void collect(const QList<Paragraph>& paragraphs) {
        for (const Paragraph& p : paragraphs) {
            styles_.paragraph(p);
            for (const Run& run : p.runs) styles_.text(run);
            if (const OdtDocument::TextFrame* f = frame(p)) {
                styles_.frame(*f);
                collect(f->paragraphs);
            }
        }
    }

    void write(const QList<Paragraph>& paragraphs) {
        for (const Paragraph& p : paragraphs) {
            xml_.writeStartElement(QStringLiteral("text:p"));
            xml_.writeAttribute(QStringLiteral("text:style-name"), styles_.paragraph(p));
            if (!p.picture.isNull()) writePicture(xml_, p.picture, ++pictures_);
            if (const OdtDocument::TextFrame* f = frame(p)) writeFrame(*f);
            for (const Run& run : p.runs) {
                xml_.writeStartElement(QStringLiteral("text:span"));
                xml_.writeAttribute(QStringLiteral("text:style-name"), styles_.text(run));
                writeText(xml_, run.text);
                xml_.writeEndElement();
            }
            xml_.writeEndElement();
        }
    }

private:
    const OdtDocument::TextFrame* frame(const Paragraph& p) const {
        return p.frame >= 0 && p.frame < document_.frames.size() ? &document_.frames[p.frame] : nullptr;
    }

    void writeFrame(const OdtDocument::TextFrame& f) {
        xml_.writeStartElement(QStringLiteral("draw:frame"));
        xml_.writeAttribute(QStringLiteral("draw:style-name"), styles_.frame(f));
        xml_.writeAttribute(QStringLiteral("draw:name"), QStringLiteral("Textrahmen%1").arg(++frames_));
        xml_.writeAttribute(QStringLiteral("text:anchor-type"), QStringLiteral("paragraph"));
        xml_.writeAttribute(QStringLiteral("svg:width"), QString::number(f.width) + QStringLiteral("pt"));
        xml_.writeAttribute(QStringLiteral("draw:z-index"), QStringLiteral("0"));
        xml_.writeStartElement(QStringLiteral("draw:text-box"));
        xml_.writeAttribute(QStringLiteral("fo:min-height"), QString::number(f.minHeight) + QStringLiteral("pt"));
        write(f.paragraphs);
        xml_.writeEndElement();
        xml_.writeEndElement();
    }

    QXmlStreamWriter& xml_;
    const OdtDocument& document_;
    Styles& styles_;
    int pictures_ = 0;
    int frames_ = 0;
};

}  // namespace

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
    Styles styles;
    BodyWriter body(xml, *this, styles);
    body.collect(paragraphs);
    xml.writeStartElement(QStringLiteral("office:automatic-styles"));
    styles.write(xml);
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("office:body"));
    xml.writeStartElement(QStringLiteral("office:text"));
    body.write(paragraphs);
    xml.writeEndDocument();
    return out;
}

// A transfer file, read once by the word processor: no need to wait for the disk as a saved
// document would (flushing it to the disk took longer than writing it). A file left half
// written is removed.
bool OdtDocument::save(const QString& path, QString* error) const {
    const QByteArray xml = toXml();
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(xml) == xml.size() && file.flush())
        return true;
    if (error) *error = file.errorString();
    if (file.isOpen()) {
        file.close();
        file.remove();
    }
    return false;
}
