#pragma once
// RichEdit1: the Tape's text control. It accepts every drag and hands a dropped text to the
// panel instead of inserting it at the mouse, reports mouse presses for the focus rule and
// scrolls a little further when the wheel turns down.
#include <QTextEdit>
#include <functional>

class TapeEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit TapeEdit(QWidget* parent = nullptr);

signals:
    void textDropped(const QString& text);
    void mousePressed(Qt::MouseButton button);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
};
