#pragma once
// One section of RichEdit1: a text control over one section document of the Tape, as tall as
// its text, so that the Tape view stacks the sections into one strip. It accepts every drag and
// hands a dropped text on instead of inserting it at the mouse, reports mouse presses for the
// focus rule, and reports keys that would leave the section so the view can carry on in the next.
#include <QTextEdit>
#include <functional>

class TapeEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit TapeEdit(QWidget* parent = nullptr);

    // Consulted first for every key; true when the Tape view handled it for all sections.
    void setKeyHook(std::function<bool(QKeyEvent*)> hook) { keyHook_ = std::move(hook); }
    // Height of the text at the current width.
    int textHeight() const;

signals:
    void textDropped(const QString& text);
    void mousePressed(Qt::MouseButton button);
    void focused();
    // A cursor key found no place to move to in this section: forward towards the Tape's end.
    void edgeReached(bool forward);
    // The control has handled a key the hook let through.
    void keyHandled();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    std::function<bool(QKeyEvent*)> keyHook_;
};
