#pragma once
// A flat OpenDocument text ("*.fodt"), the form in which Kalkulo hands a document to the word
// processor: paragraphs of runs with their font, size, style and colour, aligned left, centred
// or right, pictures embedded as PNG, and text frames with margins and a border. One XML file,
// no archive, so any word processor that reads OpenDocument opens it directly.
#include <QColor>
#include <QImage>
#include <QList>
#include <QString>
#include <optional>

class OdtDocument {
public:
    enum class Alignment { Left, Center, Right };
    struct Run {
        QString text;
        bool bold = false;
        double pointSize = 12;
        QString fontName;  // empty: the word processor's default font
        bool italic = false;
        bool underline = false;
        bool strikeOut = false;
        QColor colour;  // invalid: the automatic colour
    };
    struct Paragraph {
        QList<Run> runs;
        Alignment alignment = Alignment::Left;
        QImage picture;  // a picture paragraph when not null; shown at its pixel size at 96 dpi
        // The characters in force at the paragraph's end (text unused): an empty paragraph is as
        // tall as its font, so an empty line keeps the height it had where it was written.
        std::optional<Run> mark;
        // Index into `frames`: the paragraph anchors that frame at its top left; its own text
        // follows below the frame. -1: no frame.
        int frame = -1;
    };
    // A box of paragraphs. Sizes in points; the width includes padding and border; the frame
    // grows beyond its minimum height when its text needs more.
    struct TextFrame {
        QList<Paragraph> paragraphs;
        double width = 0;
        double minHeight = 0;
        double padding = 8;  // inner margin on all four sides
        bool border = true;  // 0.5 pt solid black, else none
    };

    QList<Paragraph> paragraphs;
    QList<TextFrame> frames;

    void addText(const QString& text, bool bold = false, double pointSize = 12, Alignment alignment = Alignment::Left);
    void addPicture(const QImage& picture, Alignment alignment = Alignment::Left);
    // A new, empty paragraph anchoring the frame.
    void addTextFrame(TextFrame frame);
    // Texts typed one after another, as a word processor takes keystrokes: "\r" ends a paragraph.
    void typeText(const QString& text);

    QByteArray toXml() const;
    // false, with the reason in `error` when given, when the file cannot be written.
    bool save(const QString& path, QString* error = nullptr) const;
};
