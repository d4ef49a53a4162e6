// LibreOffice as the word processor a user meets: it must read our RTF, and we must read its RTF.
#include "support/scripteddialogs.h"
#include "tape/rtfdocument.h"
#include "tape/tapecommands.h"
#include "tape/tapedocument.h"
#include "tapetesting.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

using namespace tapetesting;

namespace {

class LibreOfficeTest : public ::testing::Test {
protected:
    void SetUp() override {
        soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (soffice.isEmpty()) GTEST_SKIP() << "soffice is not installed";
        ASSERT_TRUE(work.isValid() && profile.isValid());
    }

    QString path(const QString& name) const { return QDir(work.path()).filePath(name); }

    // Converts a file in the work folder; returns the converted file's bytes. The first start after
    // LibreOffice was installed may only set up its installation and exit without converting, so a
    // missing output is tried once more.
    QByteArray convert(const QString& input, const QString& target, const QString& outputName) {
        QString report;
        for (int attempt = 0; attempt < 2; ++attempt) {
            QProcess p;
            p.setProcessChannelMode(QProcess::MergedChannels);
            // Its own profile, so parallel runs do not share LibreOffice's user installation.
            p.start(soffice, {QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(profile.path()).toString(),
                              QStringLiteral("--headless"), QStringLiteral("--norestore"), QStringLiteral("--convert-to"),
                              target, QStringLiteral("--outdir"), work.path(), path(input)});
            if (!p.waitForFinished(180000)) {
                p.kill();
                p.waitForFinished();
                ADD_FAILURE() << "soffice did not finish";
                return {};
            }
            QFile out(path(outputName));
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

QStringList textLines(QByteArray bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
    QStringList lines = QString::fromUtf8(bytes).split(QRegularExpression(QStringLiteral("\r\n|\n")));
    while (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

}  // namespace

TEST_F(LibreOfficeTest, ReadsTheLinesOfOurRtf) {
    TapeDocument tape;
    ScriptedDialogs dialogs;
    TapeCommands commands(tape, dialogs, work.path());
    recordTwelvePlusFive(tape);
    tape.SetColour(Tape::Red);
    tape.AppendLine(QStringLiteral("-1.234,50 T"));
    tape.AppendLine(QString());
    commentAttributes(tape);
    tape.AppendLine(QStringLiteral("Größe: äöü ÄÖÜ ß € {x} \\"));
    ASSERT_TRUE(commands.writeRtf(path(QStringLiteral("tape.rtf"))));

    const QStringList got = textLines(convert(QStringLiteral("tape.rtf"), QStringLiteral("txt:Text (encoded):UTF8"),
                                              QStringLiteral("tape.txt")));
    EXPECT_EQ(got, lines(tape));
}

TEST_F(LibreOfficeTest, WeReadItsRtfWithBoldColourAndAlignment) {
    QFile fodt(path(QStringLiteral("bekannt.fodt")));
    ASSERT_TRUE(fodt.open(QIODevice::WriteOnly));
    fodt.write(R"(<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"
 office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.text">
 <office:automatic-styles>
  <style:style style:name="P1" style:family="paragraph"><style:text-properties fo:font-weight="bold"/></style:style>
  <style:style style:name="P2" style:family="paragraph"><style:text-properties fo:color="#ff0000"/></style:style>
  <style:style style:name="P3" style:family="paragraph"><style:paragraph-properties fo:text-align="end"/></style:style>
 </office:automatic-styles>
 <office:body><office:text>
  <text:p text:style-name="P1">Erste Zeile fett</text:p>
  <text:p text:style-name="P2">Rot 12,50 € für Größe</text:p>
  <text:p text:style-name="P3">Rechts — Ende</text:p>
 </office:text></office:body>
</office:document>
)");
    fodt.close();
    const QByteArray bytes = convert(QStringLiteral("bekannt.fodt"), QStringLiteral("rtf"), QStringLiteral("bekannt.rtf"));
    ASSERT_TRUE(rtf::isRtf(bytes));

    TapeDocument tape;
    tape.replaceContent(rtf::read(bytes));
    EXPECT_EQ(lines(tape), (QStringList{"Erste Zeile fett", "Rot 12,50 € für Größe", "Rechts — Ende"}));
    const auto weightColour = [&](int line) {
        return look(tape, line).section(u' ', -2);  // the font and size are LibreOffice's defaults
    };
    EXPECT_EQ(weightColour(0), "B #000000");
    EXPECT_EQ(weightColour(1), "- #ff0000");
    EXPECT_EQ(lineAlignment(tape, 2), Qt::AlignRight);
}
