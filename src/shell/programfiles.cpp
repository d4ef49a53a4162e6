#include "shell/programfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace programfiles {

namespace {
// Set by the build from the install layout, relative to the program's folder.
const QString dataFromProgram = QStringLiteral(KALKULO_DATA_FROM_PROGRAM);
const QString modulesFromProgram = QStringLiteral(KALKULO_MODULES_FROM_PROGRAM);
}  // namespace

QStringList searchFolders(const QString& programDirectory, Kind kind) {
    if (programDirectory.isEmpty()) return {};
    const QDir program(programDirectory);
    const QString installed = kind == Kind::Data ? dataFromProgram : modulesFromProgram;
    return {program.absolutePath(), QDir::cleanPath(program.absoluteFilePath(installed))};
}

QString find(const QString& programDirectory, const QString& name, Kind kind) {
    for (const QString& folder : searchFolders(programDirectory, kind)) {
        const QFileInfo file(QDir(folder).filePath(name));
        if (file.isFile()) return file.absoluteFilePath();
    }
    return {};
}

QString find(const QString& name, Kind kind) { return find(QCoreApplication::applicationDirPath(), name, kind); }

}  // namespace programfiles
