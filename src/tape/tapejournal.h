#pragma once
// Keeps a journal of the Tape on disk, so that the Tape of a run that ended abnormally can be
// brought back. Every change of the Tape only notes the first line it touched; a timer writes,
// at most once a second, the lines from the first touched line on as one entry. A change from
// line 0 (a clear, an opened file) or a journal grown well past the Tape's own size rewrites the
// file from scratch. A failed write stops the journal for the run and never touches the Tape.
#include "tape/journalformat.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <atomic>
#include <climits>
#include <memory>

class QTextBlock;
class QTextDocument;
class TapeDocument;

class TapeJournal : public QObject {
    Q_OBJECT
public:
    static inline const QString FileName = QStringLiteral("~tape.journal");
    static constexpr int FlushIntervalMs = 1000;

    TapeJournal(TapeDocument& tape, QString path);
    ~TapeJournal() override;
    TapeJournal(const TapeJournal&) = delete;
    TapeJournal& operator=(const TapeJournal&) = delete;

    const QString& path() const { return path_; }
    // Writes the whole Tape as a fresh journal and starts following it; false when the file
    // cannot be written (the journal then stays off).
    bool start();
    bool active() const { return active_; }
    // Writes what changed since the last write. False when a write failed: the journal is then
    // off for the rest of the run and stopped() has been emitted.
    bool flush();
    bool hasPendingChanges() const { return dirtyFrom_ != INT_MAX; }
    // The normal end of a run: stops and removes the file.
    void finish();
    void setFlushInterval(int milliseconds) { timer_.setInterval(milliseconds); }
    // Bytes appended since the file was last rewritten.
    qint64 appendedBytes() const { return appended_; }

    // One line of the Tape as plain data, with every run's effective font and size.
    static rtf::Paragraph paragraph(const QTextBlock& block, const QFont& defaultFont);

signals:
    void flushing();  // about to write
    void flushed();   // written
    // A write failed; the journal is off from now on.
    void stopped();

private:
    void follow(QTextDocument* section);
    void noteChange(const QTextDocument* section, int position);
    void noteFrom(int line);
    int linesBefore(const QTextDocument* section) const;
    std::vector<rtf::Paragraph> linesFrom(int first) const;
    bool rewrite();
    bool append(const QByteArray& bytes);
    void syncToDisk(int handle);
    void fail();
    void stopFollowing();

    TapeDocument& tape_;
    QString path_;
    QTimer timer_;
    bool active_ = false;
    int dirtyFrom_ = INT_MAX;  // first line that may differ from the journal; INT_MAX when none
    int journalLines_ = 0;     // lines the journal holds
    qint64 appended_ = 0;
    qint64 snapshotBytes_ = 0;
    // Set while a sync runs; shared with the thread that runs it, which may outlive the journal.
    std::shared_ptr<std::atomic<bool>> syncing_ = std::make_shared<std::atomic<bool>>(false);
};
