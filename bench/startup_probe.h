#pragma once
// Ends the program right after the given window has been painted for the first time, and
// prints nothing: the parent process measures time and memory.
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QObject>
#include <QTimer>
#include <QWidget>

class FirstPaintExit : public QObject {
public:
    explicit FirstPaintExit(QWidget* window) { window->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            // The web engine is loaded on first use only; mapped now, start-up paid for it.
            QFile maps(QStringLiteral("/proc/self/maps"));
            const bool webEngine = maps.open(QIODevice::ReadOnly) && maps.readAll().contains("WebEngine");
            QTimer::singleShot(0, qApp, [webEngine] { QCoreApplication::exit(webEngine ? 3 : 0); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool done_ = false;
};
