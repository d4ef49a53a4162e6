#pragma once
// What every snapshot program shares: the output folder from its one argument, and saving a
// widget as a PNG with its path printed, so that a run lists what it wrote.
#include <QDir>
#include <QPixmap>
#include <QWidget>
#include <cstdio>
#include <optional>

// The folder the first argument names, created if needed; nullopt after a message.
inline std::optional<QDir> snapshotFolder(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "Aufruf: %s <Ausgabeordner>\n", argv[0]);
        return std::nullopt;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "Kann %s nicht anlegen\n", argv[1]);
        return std::nullopt;
    }
    return folder;
}

inline bool saveSnapshot(QWidget& widget, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name);
    if (!widget.grab().save(path)) {
        std::fprintf(stderr, "Kann %s nicht schreiben\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}
