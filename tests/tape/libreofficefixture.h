#pragma once
// Tests that let LibreOffice read or write a file: soffice converting headless, with a profile of
// its own, so parallel runs do not share LibreOffice's user installation.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

class LibreOfficeTest : public ::testing::Test {
protected:
    void SetUp() override {
        soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (soffice.isEmpty()) GTEST_SKIP() << "soffice is not installed";
        ASSERT_TRUE(work.isValid() && profile.isValid());
    }

    QString path(const QString& name) const { return QDir(work.path()).filePath(name); }

    // Converts a file in the work folder, into `folder` when given; returns the converted file's
    // bytes. The first start after LibreOffice was installed may only set up its installation and
    // exit without converting, so a missing output is tried once more.
    QByteArray convert(const QString& input, const QString& target, const QString& outputName,
                       const QString& folder = QString()) {
        const QString outdir = folder.isEmpty() ? work.path() : folder;
        QString report;
        for (int attempt = 0; attempt < 2; ++attempt) {
            QProcess p;
            p.setProcessChannelMode(QProcess::MergedChannels);
            // Its own profile, so parallel runs do not share LibreOffice's user installation.
            p.start(soffice,
                    {QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(profile.path()).toString(),
                     QStringLiteral("--headless"), QStringLiteral("--norestore"), QStringLiteral("--convert-to"),
                     target, QStringLiteral("--outdir"), outdir, path(input)});
            if (!p.waitForFinished(180000)) {
                p.kill();
                p.waitForFinished();
                ADD_FAILURE() << "soffice did not finish";
                return {};
            }
            QFile out(QDir(outdir).filePath(outputName));
            if (out.open(QIODevice::ReadOnly)) return out.readAll();
            report += QStringLiteral("exit %1: %2\n").arg(p.exitCode()).arg(QString::fromLocal8Bit(p.readAll()));
        }
        ADD_FAILURE() << "no output: " << report.toStdString();
        return {};
    }

    QString soffice;
    QTemporaryDir work;
    QTemporaryDir profile;
};

// The lines of a converted plain-text file.
inline QStringList textLines(QByteArray bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
    QStringList lines = QString::fromUtf8(bytes).split(QRegularExpression(QStringLiteral("\r\n|\n")));
    while (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}
