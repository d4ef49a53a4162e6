#include "tape/documentlauncher.h"

#include <QProcess>
#include <QStandardPaths>

QString LibreOfficeLauncher::program() {
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    return !soffice.isEmpty() ? soffice : QStandardPaths::findExecutable(QStringLiteral("libreoffice"));
}

bool LibreOfficeLauncher::open(const QString& path) {
    error_.clear();
    const QString executable = program();
    if (executable.isEmpty()) {
        error_ = QStringLiteral("soffice wurde im Suchpfad (PATH) nicht gefunden");
        return false;
    }
    QProcess process;
    process.setProgram(executable);
    process.setArguments({QStringLiteral("-n"), path});
    // The word processor outlives us: it must not hold our terminal or our caller's pipes open.
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    if (process.startDetached()) return true;
    error_ = process.errorString();
    return false;
}
