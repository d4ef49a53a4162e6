#include "tape/tapejournal.h"

#include "tape/tapedocument.h"

#include <QFile>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <cmath>
#include <thread>
#include <unistd.h>

namespace {

// A journal may grow to this, or to a few times the Tape's own size, before it is rewritten.
constexpr qint64 MinCompactBytes = 256 * 1024;

rtf::CharFormat plainFormat(const QTextCharFormat& f, const QFont& base) {
    rtf::CharFormat out;
    const QStringList families = f.fontFamilies().toStringList();
    out.font = families.isEmpty() ? base.family() : families.front();
    const double points = f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize() : base.pointSizeF();
    out.halfPoints = static_cast<int>(std::lround(points * 2));
    out.bold = f.hasProperty(QTextFormat::FontWeight) ? f.fontWeight() >= QFont::DemiBold : base.bold();
    out.italic = f.fontItalic();
    out.underline = f.fontUnderline();
    out.strike = f.fontStrikeOut();
    if (f.foreground().style() != Qt::NoBrush) out.colour = TapeDocument::toBgr(f.foreground().color());
    return out;
}

Tape::Alignment plainAlignment(Qt::Alignment a) {
    if (a & Qt::AlignHCenter) return Tape::Alignment::Center;
    if (a & Qt::AlignRight) return Tape::Alignment::Right;
    return Tape::Alignment::Left;
}

}  // namespace

TapeJournal::TapeJournal(TapeDocument& tape, QString path) : tape_(tape), path_(std::move(path)) {
    timer_.setSingleShot(true);
    timer_.setInterval(FlushIntervalMs);
    connect(&timer_, &QTimer::timeout, this, [this] { flush(); });
}

TapeJournal::~TapeJournal() = default;

rtf::Paragraph TapeJournal::paragraph(const QTextBlock& block, const QFont& defaultFont) {
    rtf::Paragraph p;
    p.alignment = plainAlignment(block.blockFormat().alignment());
    p.markFormat = plainFormat(block.charFormat(), defaultFont);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        p.runs.push_back({fragment.text(), plainFormat(fragment.charFormat(), defaultFont)});
    }
    return p;
}

bool TapeJournal::start() {
    if (active_) return true;
    for (int i = 0; i < tape_.sectionCount(); ++i) follow(&tape_.section(i));
    connect(&tape_, &TapeDocument::sectionAdded, this, [this](QTextDocument* section) {
        follow(section);
        noteFrom(linesBefore(section));
    });
    connect(&tape_, &TapeDocument::sectionAboutToBeRemoved, this,
            [this](QTextDocument* section) { noteFrom(linesBefore(section)); });
    active_ = true;
    if (rewrite()) return true;
    stopFollowing();
    return false;
}

void TapeJournal::follow(QTextDocument* section) {
    // A document tells where it changed only once it has a layout; the panel's editors give it
    // one anyway, and without a page size the layout does no work of its own.
    section->documentLayout();
    connect(section, &QTextDocument::contentsChange, this,
            [this, section](int position, int, int) { noteChange(section, position); });
}

// Runs on every key press that writes the Tape: it must stay a few lookups.
void TapeJournal::noteChange(const QTextDocument* section, int position) {
    if (dirtyFrom_ == 0) return;
    noteFrom(linesBefore(section) + section->findBlock(position).blockNumber());
}

void TapeJournal::noteFrom(int line) {
    if (!active_) return;
    dirtyFrom_ = std::min(dirtyFrom_, std::max(0, line));
    if (!timer_.isActive()) timer_.start();
}

int TapeJournal::linesBefore(const QTextDocument* section) const {
    const int count = tape_.sectionCount();
    if (section == &tape_.section(count - 1)) return count == 1 ? 0 : tape_.LineCount() - section->blockCount();
    int lines = 0;
    for (int i = 0; i < count && &tape_.section(i) != section; ++i) lines += tape_.section(i).blockCount();
    return lines;
}

std::vector<rtf::Paragraph> TapeJournal::linesFrom(int first) const {
    std::vector<rtf::Paragraph> lines;
    const int count = tape_.LineCount();
    const QFont base = tape_.defaultFont();
    lines.reserve(static_cast<size_t>(std::max(0, count - first)));
    QTextBlock b;
    for (int line = first; line < count; ++line) {
        // Within a section the next paragraph follows; a new section is looked up.
        b = b.isValid() ? b.next() : QTextBlock();
        if (!b.isValid()) b = tape_.block(line);
        lines.push_back(paragraph(b, base));
    }
    return lines;
}

bool TapeJournal::flush() {
    if (!active_) return false;
    timer_.stop();
    if (!hasPendingChanges()) return true;
    const int from = std::min({dirtyFrom_, journalLines_, tape_.LineCount()});
    emit flushing();
    bool written = false;
    if (from == 0 || appended_ > std::max(MinCompactBytes, 3 * snapshotBytes_) || !QFile::exists(path_)) {
        written = rewrite();
    } else {
        const QByteArray bytes = journal::entry(from, linesFrom(from));
        written = append(bytes);
        if (written) {
            appended_ += bytes.size();
            journalLines_ = tape_.LineCount();
            dirtyFrom_ = INT_MAX;
        }
    }
    if (!written) {
        fail();
        return false;
    }
    emit flushed();
    return true;
}

// A rewrite replaces the file in one step, so a crash in the middle leaves the old journal.
bool TapeJournal::rewrite() {
    const QByteArray bytes = journal::header() + journal::entry(0, linesFrom(0));
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) return false;
    snapshotBytes_ = bytes.size();
    appended_ = 0;
    journalLines_ = tape_.LineCount();
    dirtyFrom_ = INT_MAX;
    return true;
}

bool TapeJournal::append(const QByteArray& bytes) {
    QFile file(path_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) return false;
    // Once written, the entry survives the program's death; syncToDisk() makes it survive a power
    // cut too, off the window's thread.
    if (file.write(bytes) != bytes.size()) return false;
    syncToDisk(file.handle());
    return true;
}

// A sync can take long on a busy disk; a key press must never wait for it. One runs at a time:
// the next write's sync covers whatever an overlapping one would have.
void TapeJournal::syncToDisk(int handle) {
    if (syncing_->exchange(true)) return;
    const int copy = ::dup(handle);
    if (copy < 0) {
        *syncing_ = false;
        return;
    }
    std::thread([copy, flag = syncing_] {
        ::fdatasync(copy);
        ::close(copy);
        *flag = false;
    }).detach();
}

void TapeJournal::fail() {
    stopFollowing();
    // What is on disk is behind the Tape from now on; offering it after a crash would mislead.
    QFile::remove(path_);
    emit stopped();
}

void TapeJournal::finish() {
    if (active_) stopFollowing();
    QFile::remove(path_);
}

void TapeJournal::stopFollowing() {
    active_ = false;
    timer_.stop();
    dirtyFrom_ = INT_MAX;
    disconnect(&tape_, nullptr, this, nullptr);
    for (int i = 0; i < tape_.sectionCount(); ++i) tape_.section(i).disconnect(this);
}
