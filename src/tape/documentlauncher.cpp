#include "tape/documentlauncher.h"

#include <QProcess>
#include <QStandardPaths>

bool LibreOfficeLauncher::open(const QString& path) {
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty()) return false;
    return QProcess::startDetached(soffice, {QStringLiteral("-n"), path});
}
