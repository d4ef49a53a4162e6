#pragma once
// The Tape over rich-text documents: one paragraph is one line. A long Tape is kept in sections
// of about SectionLines lines, each its own document, so that appending a line and reading the
// last lines cost the same on a Tape of a hundred thousand lines as on a short one. Lines are
// counted across the sections; a Tape whose only paragraph is empty counts as empty (LineCount 0).
#include "core/tape.h"
#include "tape/rtfdocument.h"

#include <QObject>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <memory>
#include <vector>

class QTextDocument;

class TapeDocument : public QObject, public Tape {
    Q_OBJECT
public:
    // Lines per section before the next line opens a new one.
    static constexpr int SectionLines = 512;

    TapeDocument();
    ~TapeDocument() override;
    TapeDocument(const TapeDocument&) = delete;
    TapeDocument& operator=(const TapeDocument&) = delete;

    int sectionCount() const { return static_cast<int>(sections_.size()); }
    QTextDocument& section(int index) { return *sections_.at(static_cast<size_t>(index)); }
    const QTextDocument& section(int index) const { return *sections_.at(static_cast<size_t>(index)); }
    QTextDocument& lastSection() { return *sections_.back(); }
    // The paragraph of a line, from whichever section holds it; invalid outside the Tape.
    QTextBlock block(int line) const;
    QFont defaultFont() const;
    // A change the view makes across several sections: until the next edit, undo() takes it
    // back as a whole.
    void beginCompoundEdit();
    void endCompoundEdit();
    // Drops those of the candidates that a deletion left as one empty paragraph, except `keep`
    // (the section being typed in); the Tape keeps at least one section.
    void removeSectionsLeftBlank(const std::vector<const QTextDocument*>& candidates, const QTextDocument* keep);
    // The whole Tape as one document, for printing.
    std::unique_ptr<QTextDocument> toSingleDocument() const;

    // The editing undo of the section the user or a writer changed last.
    bool isUndoAvailable() const;
    void undo();

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
    void SetAlignment(Alignment alignment) override;
    void SetFontName(const QString& name) override;
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

signals:
    // A section was added at the end; its view should follow.
    void sectionAdded(QTextDocument* section);
    // The section is deleted right after this signal.
    void sectionAboutToBeRemoved(QTextDocument* section);
    // The text of any section changed.
    void contentsChanged();

private:
    QTextDocument& addSection();
    QTextDocument& adoptSection(std::unique_ptr<QTextDocument> section);
    void replaceSections(std::vector<std::unique_ptr<QTextDocument>> sections);
    void removeSection(size_t index);
    // The section that takes the next line: the last one, or a new one when it is full. The
    // line fills the first paragraph of an empty Tape or of a new section.
    QTextDocument& sectionForNewLine(bool tapeEmpty, bool& fillFirstParagraph);
    int linesBeforeLastSection() const;
    void insertParagraphs(const rtf::Document& content);

    std::vector<std::unique_ptr<QTextDocument>> sections_;
    // First line of each section; rebuilt when an earlier section's line count changed.
    mutable std::vector<int> firstLines_;
    mutable bool firstLinesStale_ = true;
    // Sections holding editing undo, and the one changed last.
    std::vector<QTextDocument*> withUndo_;
    QTextDocument* lastEdited_ = nullptr;
    // The Tape before the last compound edit, while that edit is the last one.
    std::vector<std::unique_ptr<QTextDocument>> beforeCompound_;
    bool inCompound_ = false;
    QTextCharFormat typing_;
    Alignment alignment_ = Alignment::Right;
    bool visible_ = true;
};
