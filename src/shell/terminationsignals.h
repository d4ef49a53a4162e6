#pragma once
// SIGTERM and SIGHUP (log-out, `kill`, a closed terminal) end Kalkulo the way closing its window
// does, without the question: the handler only writes a byte to a socket pair, and the event loop
// reports it as received(), where any work is safe.
#include <QObject>

class QSocketNotifier;

class TerminationSignals : public QObject {
    Q_OBJECT
public:
    // One per process: the handlers it installs are the process's.
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void received();

private:
    void drain();

    QSocketNotifier* notifier_ = nullptr;
};
