#pragma once
// The Tape over a rich-text document: one paragraph is one line. Lines are reached through the
// document's block index, so reading the last lines costs the same on a long Tape as on a short
// one. A document whose only paragraph is empty counts as empty (LineCount 0).
#include "core/tape.h"
#include "tape/rtfdocument.h"

#include <QTextCharFormat>
#include <QTextCursor>
#include <memory>

class QTextDocument;

class TapeDocument : public Tape {
public:
    TapeDocument();
    ~TapeDocument() override;
    TapeDocument(const TapeDocument&) = delete;
    TapeDocument& operator=(const TapeDocument&) = delete;

    QTextDocument& document() { return *document_; }
    const QTextDocument& document() const { return *document_; }

    void setVisible(bool visible) { visible_ = visible; }

    bool Visible() const override { return visible_; }
    int LineCount() const override;
    QString Line(int index) const override;
    // All lines joined with "\n".
    QString Text() const override;
    void AppendLine(const QString& text) override;
    void AppendToLastLine(const QString& text) override;
    void DeleteLastLine() override;
    void Clear() override;
    void ClearUndo() override;

    // Typing attributes for the text that follows.
    void SetBold(bool bold) override;
    void SetColour(uint32_t bgr) override;
    void SetSize(int points) override;
    void SetAlignment(Alignment alignment);
    void SetFontName(const QString& name);
    void SetItalic(bool italic);
    void SetUnderline(bool underline);
    void SetStrikeOut(bool strikeOut);
    QTextCharFormat typingFormat() const { return typing_; }
    void setTypingFormat(const QTextCharFormat& format) { typing_ = format; }
    Alignment typingAlignment() const { return alignment_; }
    Qt::Alignment typingQtAlignment() const;

    // The lines joined with CR LF, as the clipboard and plain-text files get them.
    QString plainText() const;
    // Length of plainText() without building it.
    int plainTextLength() const;
    // Characters of the longest line.
    int longestLineLength() const;

    QByteArray toRtf() const;
    // Replaces the content, or adds the file's lines after the existing ones. Plain-text lines
    // take the typing attributes; RTF lines keep their own.
    void replaceContent(const rtf::Document& content);
    void appendContent(const rtf::Document& content);

    static uint32_t toBgr(const QColor& colour);
    static QColor fromBgr(uint32_t bgr);
    static Qt::Alignment toQt(Alignment alignment);

private:
    QTextCursor editAtEnd();
    void insertParagraphs(const rtf::Document& content);

    std::unique_ptr<QTextDocument> document_;
    QTextCharFormat typing_;
    Alignment alignment_ = Alignment::Right;
    bool visible_ = true;
};
