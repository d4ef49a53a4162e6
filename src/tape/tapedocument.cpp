#include "tape/tapedocument.h"

#include "tape/rtfwriter.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <algorithm>
#include <utility>

namespace {

QFont baseFont() {
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(10);
    f.setBold(true);
    return f;
}

// Sections sit one under the other in the view: only the outer edges keep a margin.
void prepareSection(QTextDocument& section) {
    section.setDefaultFont(baseFont());
    QTextFrameFormat frame = section.rootFrame()->frameFormat();
    frame.setLeftMargin(2);
    frame.setRightMargin(2);
    frame.setTopMargin(0);
    frame.setBottomMargin(0);
    section.rootFrame()->setFrameFormat(frame);
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

// Every edit runs inside an edit block from the start: the cursor then skips working out its
// on-screen position, which would lay the line out on every call.
QTextCursor editAtEnd(QTextDocument& section) {
    QTextCursor c(&section);
    c.beginEditBlock();
    c.setPosition(section.characterCount() - 1);
    return c;
}

bool isBlank(const QTextDocument& section) { return section.blockCount() == 1 && section.characterCount() <= 1; }

}  // namespace

TapeDocument::TapeDocument() {
    addSection();
    SetFontName(QStringLiteral("Arial"));
    SetSize(10);
    SetBold(true);
    SetColour(Black);
}

TapeDocument::~TapeDocument() {
    for (const auto& s : sections_) s->disconnect(this);
}

QTextDocument& TapeDocument::addSection() { return adoptSection(std::make_unique<QTextDocument>()); }

QTextDocument& TapeDocument::adoptSection(std::unique_ptr<QTextDocument> owned) {
    QTextDocument* section = owned.get();
    prepareSection(*section);
    // A copied section starts without the copy's own editing steps.
    section->clearUndoRedoStacks();
    // contentsChanged comes before blockCountChanged, and our own contentsChanged handlers may
    // read line numbers, so the table goes stale here.
    connect(section, &QTextDocument::contentsChanged, this, [this, section] {
        if (section != sections_.back().get()) firstLinesStale_ = true;
        emit contentsChanged();
    });
    connect(section, &QTextDocument::undoCommandAdded, this, [this, section] {
        if (!inCompound_) beforeCompound_.clear();
        lastEdited_ = section;
        if (std::find(withUndo_.begin(), withUndo_.end(), section) == withUndo_.end()) withUndo_.push_back(section);
    });
    sections_.push_back(std::move(owned));
    firstLinesStale_ = true;
    emit sectionAdded(section);
    return *section;
}

void TapeDocument::removeSection(size_t index) {
    QTextDocument* section = sections_[index].get();
    emit sectionAboutToBeRemoved(section);
    section->disconnect(this);
    std::erase(withUndo_, section);
    if (lastEdited_ == section) lastEdited_ = nullptr;
    sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(index));
    firstLinesStale_ = true;
    // Dropping a section is an edit, and it adds no undo step that would say so.
    if (!inCompound_) beforeCompound_.clear();
    emit contentsChanged();
}

void TapeDocument::removeSectionsLeftBlank(const std::vector<const QTextDocument*>& candidates,
                                           const QTextDocument* keep) {
    for (size_t i = sections_.size(); i-- > 0 && sections_.size() > 1;) {
        const QTextDocument* s = sections_[i].get();
        if (s != keep && isBlank(*s) && std::find(candidates.begin(), candidates.end(), s) != candidates.end())
            removeSection(i);
    }
}

// New sections go in after the old ones, which then go from the back, so that the view only
// ever moves the new sections up.
void TapeDocument::replaceSections(std::vector<std::unique_ptr<QTextDocument>> sections) {
    const size_t old = sections_.size();
    for (auto& s : sections) adoptSection(std::move(s));
    for (size_t i = old; i-- > 0;) removeSection(i);
}

void TapeDocument::beginCompoundEdit() {
    beforeCompound_.clear();
    for (const auto& s : sections_) beforeCompound_.emplace_back(s->clone());
    inCompound_ = true;
}

// The sections' own steps of the change go: once the change is no longer the last edit, undo
// must not replay a part of it.
void TapeDocument::endCompoundEdit() {
    inCompound_ = false;
    lastEdited_ = nullptr;
    for (QTextDocument* s : withUndo_) s->clearUndoRedoStacks();
    withUndo_.clear();
}

int TapeDocument::linesBeforeLastSection() const {
    if (firstLinesStale_) {
        firstLines_.resize(sections_.size());
        int line = 0;
        for (size_t i = 0; i < sections_.size(); ++i) {
            firstLines_[i] = line;
            line += sections_[i]->blockCount();
        }
        firstLinesStale_ = false;
    }
    return firstLines_.back();
}

int TapeDocument::LineCount() const {
    if (sections_.size() == 1 && isBlank(*sections_.front())) return 0;
    return linesBeforeLastSection() + sections_.back()->blockCount();
}

QTextBlock TapeDocument::block(int line) const {
    if (line < 0) return {};
    const int before = linesBeforeLastSection();
    if (line >= before) return sections_.back()->findBlockByNumber(line - before);
    const auto k = std::upper_bound(firstLines_.begin(), firstLines_.end(), line) - firstLines_.begin() - 1;
    return sections_[static_cast<size_t>(k)]->findBlockByNumber(line - firstLines_[static_cast<size_t>(k)]);
}

QString TapeDocument::Line(int index) const {
    const QTextBlock b = block(index);
    return b.isValid() ? b.text() : QString();
}

QString TapeDocument::Text() const {
    if (LineCount() == 0) return QString();
    QStringList parts;
    for (const auto& s : sections_) parts << s->toPlainText();
    return parts.join(u'\n');
}

QFont TapeDocument::defaultFont() const { return sections_.front()->defaultFont(); }

QTextDocument& TapeDocument::sectionForNewLine(bool tapeEmpty, bool& fillFirstParagraph) {
    fillFirstParagraph = tapeEmpty;
    if (tapeEmpty || sections_.back()->blockCount() < SectionLines) return *sections_.back();
    fillFirstParagraph = true;
    return addSection();
}

void TapeDocument::AppendLine(const QString& text) {
    QTextBlockFormat block;
    block.setAlignment(typingQtAlignment());
    bool fill = false;
    QTextDocument& section = sectionForNewLine(LineCount() == 0, fill);
    QTextCursor c = editAtEnd(section);
    if (fill) {
        c.setBlockFormat(block);
        c.setBlockCharFormat(typing_);
    } else {
        c.insertBlock(block, typing_);
    }
    c.insertText(text, typing_);
    c.endEditBlock();
}

void TapeDocument::AppendToLastLine(const QString& text) {
    QTextCursor c = editAtEnd(*sections_.back());
    c.insertText(text, typing_);
    c.endEditBlock();
}

void TapeDocument::DeleteLastLine() {
    QTextDocument& section = *sections_.back();
    if (sections_.size() > 1 && section.blockCount() == 1) {
        removeSection(sections_.size() - 1);
        return;
    }
    const int end = section.characterCount() - 1;
    const QTextBlock last = section.lastBlock();
    // From the separator before the last line, or from the start when it is the only one.
    const int start = section.blockCount() > 1 ? end - last.length() : 0;
    QTextCursor c(&section);
    c.beginEditBlock();
    c.setPosition(start);
    c.setPosition(end, QTextCursor::KeepAnchor);
    c.removeSelectedText();
    c.endEditBlock();
}

// A fresh section rather than QTextDocument::clear(): with Qt 6.4, the first edit after clearing
// a document that a text control shows crashes inside the document's cursor bookkeeping.
void TapeDocument::Clear() {
    beforeCompound_.clear();
    if (LineCount() == 0) return;
    std::vector<std::unique_ptr<QTextDocument>> fresh;
    fresh.push_back(std::make_unique<QTextDocument>());
    replaceSections(std::move(fresh));
}

void TapeDocument::ClearUndo() {
    beforeCompound_.clear();
    for (QTextDocument* s : withUndo_) s->clearUndoRedoStacks();
    withUndo_.clear();
}

bool TapeDocument::isUndoAvailable() const {
    return !beforeCompound_.empty() || (lastEdited_ && lastEdited_->isUndoAvailable());
}

void TapeDocument::undo() {
    if (!beforeCompound_.empty()) {
        replaceSections(std::exchange(beforeCompound_, {}));
        return;
    }
    if (!lastEdited_) return;
    QTextDocument* section = lastEdited_;
    section->undo();
    // A section that the undone line opened goes with it.
    if (section == sections_.back().get() && sections_.size() > 1 && isBlank(*section) && !section->isUndoAvailable())
        removeSection(sections_.size() - 1);
}

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
    bool first = true;
    for (const auto& s : sections_) {
        for (QTextBlock b = s->begin(); b.isValid(); b = b.next()) {
            if (!first) out += QStringLiteral("\r\n");
            out += b.text();
            first = false;
        }
    }
    return out;
}

int TapeDocument::plainTextLength() const {
    if (LineCount() == 0) return 0;
    // Every block counts its separator once; CR LF makes that two between lines and none after the last.
    int length = -2;
    for (const auto& s : sections_) length += s->characterCount() + s->blockCount();
    return length;
}

int TapeDocument::longestLineLength() const {
    int longest = 0;
    for (const auto& s : sections_)
        for (QTextBlock b = s->begin(); b.isValid(); b = b.next()) longest = std::max(longest, b.length() - 1);
    return longest;
}

QByteArray TapeDocument::toRtf() const {
    std::vector<const QTextDocument*> sections;
    for (const auto& s : sections_) sections.push_back(s.get());
    return rtf::write(sections);
}

std::unique_ptr<QTextDocument> TapeDocument::toSingleDocument() const {
    std::unique_ptr<QTextDocument> whole(sections_.front()->clone());
    QTextCursor c(whole.get());
    c.beginEditBlock();
    c.movePosition(QTextCursor::End);
    for (size_t i = 1; i < sections_.size(); ++i) {
        for (QTextBlock b = sections_[i]->begin(); b.isValid(); b = b.next()) {
            c.insertBlock(b.blockFormat(), b.charFormat());
            for (auto it = b.begin(); !it.atEnd(); ++it) c.insertText(it.fragment().text(), it.fragment().charFormat());
        }
    }
    c.endEditBlock();
    return whole;
}

void TapeDocument::replaceContent(const rtf::Document& content) {
    Clear();
    insertParagraphs(content);
}

void TapeDocument::appendContent(const rtf::Document& content) { insertParagraphs(content); }

void TapeDocument::insertParagraphs(const rtf::Document& content) {
    QTextDocument* section = nullptr;
    QTextCursor c;
    bool tapeEmpty = LineCount() == 0;
    for (const rtf::Paragraph& p : content.paragraphs) {
        bool fill = false;
        QTextDocument& target = sectionForNewLine(tapeEmpty, fill);
        tapeEmpty = false;
        if (&target != section) {
            if (section) c.endEditBlock();
            section = &target;
            c = editAtEnd(target);
        }
        QTextBlockFormat block;
        block.setAlignment(content.plain ? typingQtAlignment() : toQt(p.alignment));
        const QTextCharFormat lineFormat =
            content.plain ? typing_ : ::toQt(p.runs.empty() ? p.markFormat : p.runs.front().format);
        if (fill) {
            c.setBlockFormat(block);
            c.setBlockCharFormat(lineFormat);
        } else {
            c.insertBlock(block, lineFormat);
        }
        for (const rtf::Run& r : p.runs) c.insertText(r.text, content.plain ? typing_ : ::toQt(r.format));
    }
    if (section) c.endEditBlock();
}
