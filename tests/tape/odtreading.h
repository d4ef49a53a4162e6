#pragma once
// Reads back a flat OpenDocument text the way a word processor sees it: paragraphs of runs with
// their text properties resolved through the automatic styles, and the text frames with theirs.
#include <QHash>
#include <QList>
#include <QString>
#include <QXmlStreamReader>

namespace odtreading {

using Properties = QHash<QString, QString>;

struct Run {
    QString text;
    Properties properties;  // of its text style
};

struct Paragraph {
    QString align;    // fo:text-align of its style
    Properties mark;  // text properties of its style
    QList<Run> runs;
    int frame = -1;  // index into Document::frames of a frame it anchors
    QString text() const {
        QString t;
        for (const Run& r : runs) t += r.text;
        return t;
    }
};

struct Frame {
    Properties attributes;  // of draw:frame and draw:text-box
    Properties graphic;     // of its graphic style
    QList<Paragraph> paragraphs;
};

struct Document {
    QList<Paragraph> paragraphs;
    QList<Frame> frames;
    QString error;
};

// Lengths such as "8pt", "0.2778in", "0.282cm" in points.
inline double points(const QString& length) {
    static const std::pair<const char*, double> units[] = {{"pt", 1}, {"in", 72}, {"cm", 72 / 2.54}, {"mm", 72 / 25.4}};
    for (const auto& [unit, factor] : units)
        if (length.endsWith(QLatin1String(unit)))
            return length.chopped(static_cast<qsizetype>(strlen(unit))).toDouble() * factor;
    return -1;
}

inline Document read(const QByteArray& xml) {
    Document doc;
    QHash<QString, Properties> styles;
    QXmlStreamReader r(xml);
    QString style;
    QList<QList<Paragraph>*> open{&doc.paragraphs};  // where the next paragraph goes
    QList<Paragraph*> paragraphs;
    QList<Frame*> framesOpen;
    bool inSpan = false;
    QString spanStyle;
    const auto attributes = [&r] {
        Properties p;
        for (const QXmlStreamAttribute& a : r.attributes())
            p.insert(a.qualifiedName().toString(), a.value().toString());
        return p;
    };
    while (!r.atEnd()) {
        r.readNext();
        const QString name = r.qualifiedName().toString();
        if (r.isStartElement()) {
            if (name == "style:style") style = r.attributes().value("style:name").toString();
            else if (name.endsWith("-properties") && !style.isEmpty()) styles[style].insert(attributes());
            else if (name == "text:p" || name == "text:h") {
                Paragraph p;
                const Properties& s = styles.value(r.attributes().value("text:style-name").toString());
                p.align = s.value("fo:text-align");
                p.mark = s;
                p.mark.remove("fo:text-align");
                open.last()->append(p);
                paragraphs.append(&open.last()->last());
            } else if (name == "text:span") {
                inSpan = true;
                paragraphs.last()->runs.append(
                    Run{{}, styles.value(r.attributes().value("text:style-name").toString())});
            } else if (name == "text:s" && !paragraphs.isEmpty()) {
                if (!inSpan) paragraphs.last()->runs.append(Run{});
                paragraphs.last()->runs.last().text += QString(qMax(1, r.attributes().value("text:c").toInt()), u' ');
            } else if (name == "draw:frame") {
                doc.frames.append(
                    Frame{attributes(), styles.value(r.attributes().value("draw:style-name").toString()), {}});
                paragraphs.last()->frame = static_cast<int>(doc.frames.size()) - 1;
                framesOpen.append(&doc.frames.last());
            } else if (name == "draw:text-box") {
                framesOpen.last()->attributes.insert(attributes());
                open.append(&framesOpen.last()->paragraphs);
            }
        } else if (r.isEndElement()) {
            if (name == "style:style") style.clear();
            else if (name == "text:p" || name == "text:h") paragraphs.removeLast();
            else if (name == "text:span") inSpan = false;
            else if (name == "draw:text-box") open.removeLast();
            else if (name == "draw:frame") framesOpen.removeLast();
        } else if (r.isCharacters() && !paragraphs.isEmpty() && !r.isWhitespace()) {
            if (!inSpan) paragraphs.last()->runs.append(Run{});
            paragraphs.last()->runs.last().text += r.text();
        } else if (r.isCharacters() && !paragraphs.isEmpty() && inSpan) {
            paragraphs.last()->runs.last().text += r.text();
        }
    }
    if (r.hasError()) doc.error = r.errorString();
    return doc;
}

}  // namespace odtreading
