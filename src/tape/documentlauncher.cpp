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
    process.setStandardInputFile(QProcess::nullDevice());
    if (process.startDetached()) return true;
    error_ = process.errorString();
    return false;
}
