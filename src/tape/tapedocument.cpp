#include "tape/tapedocument.h"

#include "tape/rtfwriter.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace {

QFont baseFont() {
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(10);
    f.setBold(true);
    return f;
}

QTextCharFormat toQt(const rtf::CharFormat& f) {
    QTextCharFormat out;
    if (!f.font.isEmpty()) out.setFontFamilies(QStringList{f.font});
    out.setFontPointSize(f.halfPoints / 2.0);
    out.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
    out.setFontItalic(f.italic);
    out.setFontUnderline(f.underline);
    out.setFontStrikeOut(f.strike);
    out.setForeground(f.colour ? TapeDocument::fromBgr(*f.colour) : QColor(Qt::black));
    return out;
}

}  // namespace

TapeDocument::TapeDocument() : document_(std::make_unique<QTextDocument>()) {
    document_->setDefaultFont(baseFont());
    document_->setDocumentMargin(2);
    SetFontName(QStringLiteral("Arial"));
    SetSize(10);
    SetBold(true);
    SetColour(Black);
}

TapeDocument::~TapeDocument() = default;

int TapeDocument::LineCount() const {
    const int n = document_->blockCount();
    if (n == 1 && document_->characterCount() <= 1) return 0;
    return n;
}

QString TapeDocument::Line(int index) const {
    if (index < 0) return QString();
    const QTextBlock block = document_->findBlockByNumber(index);
    return block.isValid() ? block.text() : QString();
}

QString TapeDocument::Text() const { return LineCount() == 0 ? QString() : document_->toPlainText(); }

// Every edit runs inside an edit block from the start: the cursor then skips working out its
// on-screen position, which would lay the line out on every call.
QTextCursor TapeDocument::editAtEnd() {
    QTextCursor c(document_.get());
    c.beginEditBlock();
    c.setPosition(document_->characterCount() - 1);
    return c;
}

void TapeDocument::AppendLine(const QString& text) {
    QTextBlockFormat block;
    block.setAlignment(typingQtAlignment());
    QTextCursor c = editAtEnd();
    if (LineCount() == 0) {
        c.setBlockFormat(block);
        c.setBlockCharFormat(typing_);
    } else {
        c.insertBlock(block, typing_);
    }
    c.insertText(text, typing_);
    c.endEditBlock();
}

void TapeDocument::AppendToLastLine(const QString& text) {
    QTextCursor c = editAtEnd();
    c.insertText(text, typing_);
    c.endEditBlock();
}

void TapeDocument::DeleteLastLine() {
    const int end = document_->characterCount() - 1;
    const QTextBlock last = document_->lastBlock();
    // From the separator before the last line, or from the start when it is the only one.
    const int start = document_->blockCount() > 1 ? end - last.length() : 0;
    QTextCursor c(document_.get());
    c.beginEditBlock();
    c.setPosition(start);
    c.setPosition(end, QTextCursor::KeepAnchor);
    c.removeSelectedText();
    c.endEditBlock();
}

void TapeDocument::Clear() {
    document_->clear();
    document_->setDefaultFont(baseFont());
}

void TapeDocument::ClearUndo() { document_->clearUndoRedoStacks(); }

void TapeDocument::SetBold(bool bold) { typing_.setFontWeight(bold ? QFont::Bold : QFont::Normal); }
void TapeDocument::SetColour(uint32_t bgr) { typing_.setForeground(fromBgr(bgr)); }
void TapeDocument::SetSize(int points) { typing_.setFontPointSize(points); }
void TapeDocument::SetAlignment(Alignment alignment) { alignment_ = alignment; }
void TapeDocument::SetFontName(const QString& name) { typing_.setFontFamilies(QStringList{name}); }
void TapeDocument::SetItalic(bool italic) { typing_.setFontItalic(italic); }
void TapeDocument::SetUnderline(bool underline) { typing_.setFontUnderline(underline); }
void TapeDocument::SetStrikeOut(bool strikeOut) { typing_.setFontStrikeOut(strikeOut); }

Qt::Alignment TapeDocument::typingQtAlignment() const { return toQt(alignment_); }

Qt::Alignment TapeDocument::toQt(Alignment alignment) {
    switch (alignment) {
    case Alignment::Right: return Qt::AlignRight | Qt::AlignAbsolute;
    case Alignment::Center: return Qt::AlignHCenter;
    case Alignment::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignAbsolute;
}

uint32_t TapeDocument::toBgr(const QColor& c) {
    return static_cast<uint32_t>(c.red()) | static_cast<uint32_t>(c.green()) << 8 |
           static_cast<uint32_t>(c.blue()) << 16;
}

QColor TapeDocument::fromBgr(uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

QString TapeDocument::plainText() const {
    QString out;
    out.reserve(plainTextLength());
    if (LineCount() == 0) return out;
    for (QTextBlock b = document_->begin(); b.isValid(); b = b.next()) {
        if (b != document_->begin()) out += QStringLiteral("\r\n");
        out += b.text();
    }
    return out;
}

int TapeDocument::plainTextLength() const {
    if (LineCount() == 0) return 0;
    // Every block counts its separator once; CR LF makes that two between lines and none after the last.
    return document_->characterCount() + document_->blockCount() - 2;
}

int TapeDocument::longestLineLength() const {
    int longest = 0;
    for (QTextBlock b = document_->begin(); b.isValid(); b = b.next()) longest = std::max(longest, b.length() - 1);
    return longest;
}

QByteArray TapeDocument::toRtf() const { return rtf::write(*document_); }

void TapeDocument::replaceContent(const rtf::Document& content) {
    Clear();
    insertParagraphs(content);
}

void TapeDocument::appendContent(const rtf::Document& content) { insertParagraphs(content); }

void TapeDocument::insertParagraphs(const rtf::Document& content) {
    QTextCursor c = editAtEnd();
    bool first = LineCount() == 0;
    for (const rtf::Paragraph& p : content.paragraphs) {
        QTextBlockFormat block;
        block.setAlignment(content.plain ? typingQtAlignment() : toQt(p.alignment));
        const QTextCharFormat lineFormat =
            content.plain ? typing_ : ::toQt(p.runs.empty() ? p.markFormat : p.runs.front().format);
        if (first) {
            c.setBlockFormat(block);
            c.setBlockCharFormat(lineFormat);
            first = false;
        } else {
            c.insertBlock(block, lineFormat);
        }
        for (const rtf::Run& r : p.runs) c.insertText(r.text, content.plain ? typing_ : ::toQt(r.format));
    }
    c.endEditBlock();
}
