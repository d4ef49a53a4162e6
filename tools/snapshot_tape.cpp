// Renders the Tape panel in telling states to PNG files: snapshot_tape <folder>
#include "tools/silentdialogs.h"
#include "tools/snapshotsupport.h"
#include "tape/views/tapeedit.h"
#include "tape/views/tapeview.h"
#include "tape/views/tframe4.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QTextCursor>
#include <cstdio>

namespace {

// The lines the calculator writes for a calculation, with its colours.
void record(Tape& tape, const QStringList& operands, const QString& total, uint32_t totalColour) {
    tape.ClearUndo();
    tape.SetBold(true);
    if (tape.LineCount() > 1) tape.AppendLine(QString());
    for (const QString& line : operands) {
        tape.SetColour(line.endsWith(QStringLiteral("-")) || line.startsWith(u'-') ? Tape::Red : Tape::Black);
        tape.AppendLine(line);
    }
    tape.SetColour(totalColour);
    const int n = std::max(total.size(), tape.Line(tape.LineCount() - 1).size());
    tape.AppendLine(QString(n / 2 + 1, QChar(0x2014)));
    tape.AppendLine(total);
    tape.SetColour(Tape::Black);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::optional<QDir> folder = snapshotFolder(argc, argv);
    if (!folder) return 2;
    const QDir& dir = *folder;
    SilentDialogs dialogs;
    TapeDocument tape;
    TFrame4 frame(tape, dialogs, nullptr, nullptr, QDir::tempPath());
    frame.setFieldColour(Qt::white);
    frame.show();
    bool ok = saveSnapshot(frame, dir, QStringLiteral("tape_empty.png"));

    record(frame.tape(), {QStringLiteral("12 ^"), QStringLiteral("5 +")}, QStringLiteral("17 T"), Tape::Black);
    app.processEvents();
    ok &= saveSnapshot(frame, dir, QStringLiteral("tape_12_plus_5.png"));

    record(frame.tape(), {QStringLiteral("10 ^"), QStringLiteral("30 -")}, QStringLiteral("-20 T"), Tape::Red);
    frame.tape().AppendLine(QString());
    frame.tape().AppendLine(QStringLiteral("6 ^"));
    frame.tape().AppendLine(QStringLiteral("2 x"));
    frame.tape().SetColour(Tape::Green);
    frame.tape().AppendLine(QStringLiteral("12 S"));
    frame.tape().SetColour(Tape::Black);
    frame.tape().AppendLine(QStringLiteral("3 x"));
    frame.tape().AppendLine(QString(3, QChar(0x2014)));
    frame.tape().AppendLine(QStringLiteral("36 T"));
    app.processEvents();
    ok &= saveSnapshot(frame, dir, QStringLiteral("tape_record.png"));

    frame.editMode();
    frame.richEdit()->currentEditor()->insertPlainText(QStringLiteral("Miete März: 1.234,50 €"));
    app.processEvents();
    ok &= saveSnapshot(frame, dir, QStringLiteral("tape_comment.png"));

    // The end of a Tape just past its first section: the strip runs on without a seam.
    frame.recordMode();
    while (frame.tape().LineCount() < TapeDocument::SectionLines + 8)
        frame.tape().AppendLine(QStringLiteral("%1 +").arg(frame.tape().LineCount()));
    app.processEvents();
    ok &= saveSnapshot(frame, dir, QStringLiteral("tape_long.png"));

    frame.contextMenu()->popup(frame.mapToGlobal(QPoint(40, 60)));
    app.processEvents();
    ok &= saveSnapshot(*frame.contextMenu(), dir, QStringLiteral("tape_menu.png"));
    frame.contextMenu()->hide();
    return ok ? 0 : 1;
}
