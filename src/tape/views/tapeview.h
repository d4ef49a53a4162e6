#pragma once
// RichEdit1: the Tape as one scrolling strip. Each section of the Tape document is shown by a
// TapeEdit of its own, stacked without a gap, so appending to a long Tape only ever touches
// the last one. The context-menu commands and the keys that act on a selection (select all,
// copy, cut, delete) work on the selections of all sections, and the cursor keys carry on into
// the neighbouring section, so the strip behaves like one text.
#include <QScrollArea>
#include <QTextCharFormat>
#include <optional>
#include <vector>

class QTextDocument;
class TapeDocument;
class TapeEdit;

class TapeView : public QScrollArea {
    Q_OBJECT
public:
    explicit TapeView(TapeDocument& tape, QWidget* parent = nullptr);
    ~TapeView() override;

    int editorCount() const { return static_cast<int>(editors_.size()); }
    TapeEdit* editor(int index) const { return editors_.at(static_cast<size_t>(index)); }
    // The section control with the caret: the one the user worked in last, else the last one.
    TapeEdit* currentEditor() const;

    // Caret to the end of the Tape, without taking the focus.
    void moveCaretToEnd();
    // Typing attributes and paragraph alignment at the caret.
    void setTyping(const QTextCharFormat& format, Qt::Alignment alignment);
    void scrollToEnd();
    void focusText();
    void setFieldColour(const QColor& colour);

    void selectAll();
    // The selected text of all sections, lines joined with "\n".
    QString selectedText() const;
    void copy();
    void cut();
    void removeSelectedText();
    void paste();
    // Applies to every selection, or to the typing attributes at the caret when nothing is
    // selected, as one undo step.
    void styleSelection(std::optional<Qt::Alignment> alignment, const std::optional<QTextCharFormat>& format);
    void mergeIntoSelection(const QTextCharFormat& format) { styleSelection(std::nullopt, format); }
    void setSelectionAlignment(Qt::Alignment alignment) { styleSelection(alignment, std::nullopt); }
    QTextCharFormat currentCharFormat() const;
    // True while a command works through the sections; the panel then leaves the caret alone.
    bool runningCommand() const { return runningCommand_; }

signals:
    void textDropped(const QString& text);
    void mousePressed(Qt::MouseButton button);
    void contextMenuRequested(const QPoint& globalPosition);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // A press below the last line puts the caret at the end, as in any text control.
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    static constexpr int Margin = 2;

    void addEditor(QTextDocument* section);
    void removeEditor(QTextDocument* section);
    size_t indexOf(const TapeEdit* editor) const;
    // Lays the sections out from `from` on, each as tall as its text.
    void placeEditors(size_t from);
    void fitEditor(TapeEdit* editor);
    bool handleKey(TapeEdit* editor, QKeyEvent* event);
    void moveInto(size_t index, bool atStart);
    void clearOtherSelections(const TapeEdit* keep);
    // Starts a change of the selections of several sections as one undo step; the sections
    // it empties go at finishChange, except the one of `keep`.
    void beginChange(const TapeEdit* keep);
    void finishChange();
    void removeOtherSelectedText(const TapeEdit* keep);
    std::vector<TapeEdit*> selectedEditors() const;
    void showCaret(TapeEdit* editor);

    TapeDocument& tape_;
    QWidget* column_;
    std::vector<TapeEdit*> editors_;
    // The sections with a selection, so that moving the caret on does not visit every section.
    std::vector<TapeEdit*> withSelection_;
    TapeEdit* current_ = nullptr;
    bool placing_ = false;
    bool runningCommand_ = false;
    // The change under way: the sections it touches and the one being typed in.
    std::vector<const QTextDocument*> changing_;
    const QTextDocument* keptInChange_ = nullptr;
    bool compoundChange_ = false;
};
