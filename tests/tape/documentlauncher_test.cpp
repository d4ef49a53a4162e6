// The word processor found in PATH and started detached: a stand-in "soffice" script records what
// it was given and keeps running until the test lets it go, so the export must not wait for it.
#include "support/qtprinters.h"
#include "support/scripteddialogs.h"
#include "tape/documentlauncher.h"
#include "tape/tapedocument.h"
#include "tape/tapeexport.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

class LauncherTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(bin.isValid() && start.isValid());
        oldPath = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()));
        tape.AppendLine(QStringLiteral("12 ^"));
        exporter.setLauncher(&launcher);
    }
    void TearDown() override {
        // A stand-in still waiting is let go, so no process outlives the test.
        QFile release(file(QStringLiteral("release")));
        release.open(QIODevice::WriteOnly);
        release.close();
        if (QFile::exists(file(QStringLiteral("args")))) waitFor(QStringLiteral("ended"));
        qputenv("PATH", oldPath);
    }

    QString file(const QString& name) const { return QDir(bin.path()).filePath(name); }

    void script(const QString& name, const QByteArray& text) {
        QFile f(file(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // Records its arguments, then waits up to 20 s for the test to let it go.
    void standIn(const QString& name) {
        script(name,
               "#!/bin/sh\nPATH=/usr/bin:/bin\nd=$(dirname \"$0\")\n"
               "printf '%s\\n' \"$(basename \"$0\")\" \"$@\" > \"$d/args.tmp\" && mv \"$d/args.tmp\" \"$d/args\"\n"
               "i=0\nwhile [ ! -f \"$d/release\" ] && [ $i -lt 200 ]; do sleep 0.1; i=$((i+1)); done\n"
               "touch \"$d/ended\"\n");
    }

    bool waitFor(const QString& name) const {
        QDeadlineTimer deadline(30000);
        while (!QFile::exists(file(name)) && !deadline.hasExpired()) QThread::msleep(20);
        return QFile::exists(file(name));
    }

    QStringList arguments() const {
        QFile f(file(QStringLiteral("args")));
        if (!f.open(QIODevice::ReadOnly)) return {};
        return QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

    QTemporaryDir bin, start;
    QByteArray oldPath;
    ScriptedDialogs dialogs;
    TapeDocument tape;
    LibreOfficeLauncher launcher;
    TapeExport exporter{tape, dialogs, start.path()};
};

}  // namespace

TEST_F(LauncherTest, StartsTheWordProcessorDetachedWithANewDocumentOfTheTransferFile) {
    const struct {
        const char* name;
        QStringList installed;
        QString started;
    } rows[] = {
        {"soffice", {"soffice"}, "soffice"},
        {"soffice before libreoffice", {"libreoffice", "soffice"}, "soffice"},
        {"libreoffice alone", {"libreoffice"}, "libreoffice"},
    };
    for (const auto& row : rows) {
        for (const QString& name : {QStringLiteral("soffice"), QStringLiteral("libreoffice"), QStringLiteral("args"),
                                    QStringLiteral("release"), QStringLiteral("ended")})
            QFile::remove(file(name));
        for (const QString& name : row.installed) standIn(name);

        ASSERT_TRUE(exporter.exportTape()) << row.name << ": " << dialogs.last().toStdString();
        EXPECT_FALSE(QFile::exists(file(QStringLiteral("ended")))) << row.name << ": the export waited for it";
        ASSERT_TRUE(waitFor(QStringLiteral("args"))) << row.name;
        const QString path = QDir(start.path()).absoluteFilePath(QStringLiteral("Temp.fodt"));
        EXPECT_EQ(arguments(), (QStringList{row.started, "-n", path})) << row.name;
        EXPECT_TRUE(QFile::exists(path)) << row.name;
        EXPECT_TRUE(dialogs.shown.isEmpty()) << row.name;
        QFile release(file(QStringLiteral("release")));
        release.open(QIODevice::WriteOnly);
        release.close();
        EXPECT_TRUE(waitFor(QStringLiteral("ended"))) << row.name;
    }
}

TEST_F(LauncherTest, WithoutLibreOfficeNothingIsWritten) {
    EXPECT_FALSE(launcher.installed());
    EXPECT_FALSE(exporter.exportTape());
    EXPECT_EQ(dialogs.shown,
              QStringList{"LibreOffice Writer wurde nicht gefunden. Bitte LibreOffice installieren "
                          "(Paket libreoffice-writer), um das Tape zu übertragen."});
    EXPECT_TRUE(QDir(start.path()).isEmpty());
}

TEST_F(LauncherTest, AFailedStartSaysWhyAndLeavesNoTransferFile) {
    script(QStringLiteral("soffice"), "#!/kein/interpreter\n");
    EXPECT_TRUE(launcher.installed());
    EXPECT_FALSE(exporter.exportTape());
    ASSERT_EQ(dialogs.shown.size(), 1);
    const QString prefix = QStringLiteral("LibreOffice konnte nicht gestartet werden: ");
    EXPECT_TRUE(dialogs.last().startsWith(prefix)) << dialogs.last().toStdString();
    EXPECT_GT(dialogs.last().size(), prefix.size()) << "the reason follows";
    EXPECT_TRUE(QDir(start.path()).isEmpty());
}
