#pragma once
// A flat OpenDocument text ("*.fodt"), the form in which Kalkulo hands a document to the word
// processor: paragraphs of runs with bold and size, aligned left, centred or right, and
// pictures embedded as PNG. One XML file, no archive, so any word processor that reads
// OpenDocument opens it directly.
#include <QImage>
#include <QList>
#include <QString>

class OdtDocument {
public:
    enum class Alignment { Left, Center, Right };
    struct Run {
        QString text;
        bool bold = false;
        double pointSize = 12;
    };
    struct Paragraph {
        QList<Run> runs;
        Alignment alignment = Alignment::Left;
        QImage picture;  // a picture paragraph when not null; shown at its pixel size at 96 dpi
    };

    QList<Paragraph> paragraphs;

    void addText(const QString& text, bool bold = false, double pointSize = 12, Alignment alignment = Alignment::Left);
    void addPicture(const QImage& picture, Alignment alignment = Alignment::Left);
    // Texts typed one after another, as a word processor takes keystrokes: "\r" ends a paragraph.
    void typeText(const QString& text);

    QByteArray toXml() const;
    // false when the file cannot be written.
    bool save(const QString& path) const;
};
