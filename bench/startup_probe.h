#pragma once
// Ends the program right after the given window has been painted for the first time, and
// prints nothing: the parent process measures time and memory.
#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

class FirstPaintExit : public QObject {
public:
    explicit FirstPaintExit(QWidget* window) { window->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool done_ = false;
};
