#include "tape/views/tapeview.h"

#include "tape/tapedocument.h"
#include "tape/views/tapeedit.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextDocumentFragment>
#include <algorithm>

TapeView::TapeView(TapeDocument& tape, QWidget* parent) : QScrollArea(parent), tape_(tape), column_(new QWidget) {
    setObjectName(QStringLiteral("RichEdit1"));
    setAcceptDrops(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(false);
    setWidget(column_);
    // Drops and context menus also below the last line.
    viewport()->setAcceptDrops(true);
    // The field colour fills the strip below the last line too.
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    for (int i = 0; i < tape_.sectionCount(); ++i) addEditor(&tape_.section(i));
    connect(&tape_, &TapeDocument::sectionAdded, this, &TapeView::addEditor);
    connect(&tape_, &TapeDocument::sectionAboutToBeRemoved, this, &TapeView::removeEditor);
}

TapeView::~TapeView() {
    disconnect(&tape_, nullptr, this, nullptr);
    for (TapeEdit* e : editors_) e->disconnect(this);
}

void TapeView::addEditor(QTextDocument* section) {
    auto* editor = new TapeEdit(column_);
    editor->setDocument(section);
    // The selection stays visible while the keyboard is with the calculator.
    QPalette palette = editor->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    editor->setPalette(palette);
    editor->setKeyHook([this, editor](QKeyEvent* event) { return handleKey(editor, event); });
    connect(editor, &TapeEdit::textDropped, this, &TapeView::textDropped);
    connect(editor, &TapeEdit::mousePressed, this, [this, editor](Qt::MouseButton button) {
        current_ = editor;
        // A right click opens the menu for the whole selection.
        if (button == Qt::LeftButton) clearOtherSelections(editor);
        emit mousePressed(button);
    });
    connect(editor, &TapeEdit::focused, this, [this, editor] { current_ = editor; });
    connect(editor, &TapeEdit::keyHandled, this, [this] {
        if (runningCommand_) finishChange();
    });
    connect(editor, &TapeEdit::edgeReached, this, [this, editor](bool forward) {
        const size_t i = indexOf(editor);
        if (forward && i + 1 < editors_.size()) moveInto(i + 1, true);
        else if (!forward && i > 0) moveInto(i - 1, false);
    });
    connect(editor, &QWidget::customContextMenuRequested, this, [this, editor](const QPoint& at) {
        current_ = editor;
        emit contextMenuRequested(editor->viewport()->mapToGlobal(at));
    });
    connect(editor, &QTextEdit::copyAvailable, this, [this, editor](bool selected) {
        std::erase(withSelection_, editor);
        if (selected) withSelection_.push_back(editor);
    });
    connect(editor, &QTextEdit::cursorPositionChanged, this, [this, editor] {
        if (editor->hasFocus()) showCaret(editor);
    });
    connect(section->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, editor,
            [this, editor] { fitEditor(editor); });
    editors_.push_back(editor);
    editor->show();
    placeEditors(editors_.size() - 1);
}

void TapeView::removeEditor(QTextDocument* section) {
    const auto it = std::find_if(editors_.begin(), editors_.end(),
                                 [section](const TapeEdit* e) { return e->document() == section; });
    if (it == editors_.end()) return;
    TapeEdit* editor = *it;
    if (current_ == editor) current_ = nullptr;
    std::erase(withSelection_, editor);
    const auto index = static_cast<size_t>(it - editors_.begin());
    editors_.erase(it);
    editor->setKeyHook({});
    if (runningCommand_ && keptInChange_ == section) {
        // The key being typed into it will not report back; the change ends after this event.
        keptInChange_ = nullptr;
        QMetaObject::invokeMethod(this, &TapeView::finishChange, Qt::QueuedConnection);
    }
    // The focus goes on to the end of the strip, not along the tab chain.
    if (editor->hasFocus() && !editors_.empty()) moveInto(editors_.size() - 1, false);
    // The control may be inside one of its own events (a key the calculator acts on): it goes
    // later, and lets go of the section now, which is deleted next.
    editor->disconnect(this);
    editor->hide();
    editor->setDocument(nullptr);
    editor->deleteLater();
    if (!editors_.empty()) placeEditors(std::min(index, editors_.size() - 1));
}

size_t TapeView::indexOf(const TapeEdit* editor) const {
    return static_cast<size_t>(std::find(editors_.begin(), editors_.end(), editor) - editors_.begin());
}

TapeEdit* TapeView::currentEditor() const { return current_ ? current_ : editors_.back(); }

void TapeView::placeEditors(size_t from) {
    if (editors_.empty()) return;
    placing_ = true;
    const int width = viewport()->width();
    int y = from == 0 ? Margin : editors_[from - 1]->geometry().bottom() + 1;
    for (size_t i = from; i < editors_.size(); ++i) {
        TapeEdit* e = editors_[i];
        // The width first: the text wraps at it, and the height follows from the wrapping.
        e->setGeometry(0, y, width, std::max(1, e->height()));
        const int height = std::max(1, e->textHeight());
        e->resize(width, height);
        y += height;
    }
    column_->resize(width, y + Margin);
    placing_ = false;
}

void TapeView::fitEditor(TapeEdit* editor) {
    if (placing_ || editor->height() == std::max(1, editor->textHeight())) return;
    placeEditors(editor == editors_.back() ? editors_.size() - 1 : indexOf(editor));
}

void TapeView::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    if (column_->width() != viewport()->width()) placeEditors(0);
}

void TapeView::wheelEvent(QWheelEvent* event) {
    QScrollArea::wheelEvent(event);
    if (event->angleDelta().y() < 0) verticalScrollBar()->setValue(verticalScrollBar()->value() + 10);
}

void TapeView::dragEnterEvent(QDragEnterEvent* event) { event->acceptProposedAction(); }

void TapeView::dragMoveEvent(QDragMoveEvent* event) { event->acceptProposedAction(); }

void TapeView::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    if (event->mimeData()->hasText()) emit textDropped(event->mimeData()->text());
}

void TapeView::contextMenuEvent(QContextMenuEvent* event) {
    current_ = editors_.back();
    emit contextMenuRequested(event->globalPos());
}

void TapeView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) moveInto(editors_.size() - 1, false);
    emit mousePressed(event->button());
}

bool TapeView::handleKey(TapeEdit* editor, QKeyEvent* event) {
    current_ = editor;
    if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
        return true;
    }
    const bool spansSections = withSelection_.size() > 1 && selectedEditors().size() > 1;
    if (event->matches(QKeySequence::Copy) && spansSections) {
        copy();
        return true;
    }
    if (event->matches(QKeySequence::Cut) && spansSections) {
        cut();
        return true;
    }
    if ((event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) && spansSections) {
        removeSelectedText();
        return true;
    }
    if (editors_.size() > 1 && event->matches(QKeySequence::MoveToStartOfDocument)) {
        moveInto(0, true);
        return true;
    }
    if (editors_.size() > 1 && event->matches(QKeySequence::MoveToEndOfDocument)) {
        moveInto(editors_.size() - 1, false);
        return true;
    }
    if (event->matches(QKeySequence::Undo)) {
        tape_.undo();
        return true;
    }
    // Typing or pasting replaces the whole selection, also the parts in other sections; the
    // control then types into its own part, and keyHandled finishes the change.
    const bool command = (event->modifiers() & Qt::ControlModifier) && !(event->modifiers() & Qt::AltModifier);
    const bool typing = !event->text().isEmpty() && !command &&
        (event->text().front().isPrint() || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
         event->key() == Qt::Key_Tab);
    if (spansSections && (typing || event->matches(QKeySequence::Paste))) {
        beginChange(editor);
        removeOtherSelectedText(editor);
        return false;
    }
    // A caret move ends a selection across sections, as it ends one in a single text.
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: clearOtherSelections(editor); break;
    default: break;
    }
    return false;
}

void TapeView::moveInto(size_t index, bool atStart) {
    clearOtherSelections(nullptr);
    TapeEdit* editor = editors_[index];
    QTextCursor c = editor->textCursor();
    c.movePosition(atStart ? QTextCursor::Start : QTextCursor::End);
    editor->setTextCursor(c);
    current_ = editor;
    editor->setFocus();
    showCaret(editor);
}

void TapeView::showCaret(TapeEdit* editor) {
    const QRect caret = editor->cursorRect();
    const QPoint at = editor->viewport()->mapTo(column_, caret.center());
    ensureVisible(at.x(), at.y(), 0, caret.height());
}

void TapeView::clearOtherSelections(const TapeEdit* keep) {
    const std::vector<TapeEdit*> selected = withSelection_;
    for (TapeEdit* e : selected) {
        if (e == keep || !e->textCursor().hasSelection()) continue;
        QTextCursor c = e->textCursor();
        c.clearSelection();
        e->setTextCursor(c);
    }
}

void TapeView::beginChange(const TapeEdit* keep) {
    runningCommand_ = true;
    const std::vector<TapeEdit*> selected = selectedEditors();
    changing_.clear();
    for (const TapeEdit* e : selected) changing_.push_back(e->document());
    keptInChange_ = keep ? keep->document() : nullptr;
    compoundChange_ = selected.size() > 1;
    if (compoundChange_) tape_.beginCompoundEdit();
}

void TapeView::finishChange() {
    if (compoundChange_) {
        tape_.removeSectionsLeftBlank(changing_, keptInChange_);
        tape_.endCompoundEdit();
    }
    changing_.clear();
    compoundChange_ = false;
    runningCommand_ = false;
}

void TapeView::removeOtherSelectedText(const TapeEdit* keep) {
    for (TapeEdit* e : selectedEditors())
        if (e != keep) e->textCursor().removeSelectedText();
}

std::vector<TapeEdit*> TapeView::selectedEditors() const {
    std::vector<TapeEdit*> out;
    for (TapeEdit* e : editors_)
        if (std::find(withSelection_.begin(), withSelection_.end(), e) != withSelection_.end() &&
            e->textCursor().hasSelection())
            out.push_back(e);
    return out;
}

void TapeView::moveCaretToEnd() {
    clearOtherSelections(nullptr);
    TapeEdit* last = editors_.back();
    QTextCursor end(last->document());
    end.movePosition(QTextCursor::End);
    last->setTextCursor(end);
    current_ = last;
    // The caret shows in the control with the focus: a section left behind hands it on.
    const QWidget* focus = QApplication::focusWidget();
    if (focus && focus != last && focus->parentWidget() == column_) last->setFocus();
}

void TapeView::setTyping(const QTextCharFormat& format, Qt::Alignment alignment) {
    currentEditor()->setCurrentCharFormat(format);
    currentEditor()->setAlignment(alignment);
}

void TapeView::scrollToEnd() {
    fitEditor(editors_.back());
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void TapeView::focusText() { currentEditor()->setFocus(); }

void TapeView::setFieldColour(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::Base, colour);
    p.setColor(QPalette::Text, Qt::black);
    setPalette(p);
}

void TapeView::selectAll() {
    for (TapeEdit* e : editors_) e->selectAll();
}

QString TapeView::selectedText() const {
    QStringList parts;
    for (const TapeEdit* e : selectedEditors()) parts << QTextDocumentFragment(e->textCursor()).toPlainText();
    return parts.join(u'\n');
}

void TapeView::copy() { QApplication::clipboard()->setText(selectedText()); }

void TapeView::cut() {
    copy();
    removeSelectedText();
}

void TapeView::removeSelectedText() {
    beginChange(nullptr);
    removeOtherSelectedText(nullptr);
    finishChange();
}

void TapeView::paste() {
    beginChange(currentEditor());
    removeOtherSelectedText(currentEditor());
    currentEditor()->paste();
    finishChange();
}

void TapeView::styleSelection(std::optional<Qt::Alignment> alignment, const std::optional<QTextCharFormat>& format) {
    beginChange(nullptr);
    std::vector<TapeEdit*> targets = selectedEditors();
    if (targets.empty()) targets.push_back(currentEditor());
    for (TapeEdit* e : targets) {
        // One edit block per section: its alignment and font change go back together.
        QTextCursor block(e->document());
        block.beginEditBlock();
        if (alignment) e->setAlignment(*alignment);
        if (format) e->mergeCurrentCharFormat(*format);
        block.endEditBlock();
    }
    finishChange();
}

QTextCharFormat TapeView::currentCharFormat() const {
    const std::vector<TapeEdit*> selected = selectedEditors();
    return (selected.empty() ? currentEditor() : selected.front())->currentCharFormat();
}
