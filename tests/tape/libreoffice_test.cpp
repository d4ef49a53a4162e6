// LibreOffice as the word processor a user meets: it must read our RTF, and we must read its RTF.
#include "support/scripteddialogs.h"
#include "tape/rtfdocument.h"
#include "tape/tapecommands.h"
#include "tape/tapedocument.h"
#include "libreofficefixture.h"
#include "tapetesting.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace tapetesting;

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

    const QStringList got = textLines(
        convert(QStringLiteral("tape.rtf"), QStringLiteral("txt:Text (encoded):UTF8"), QStringLiteral("tape.txt")));
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
    const QByteArray bytes =
        convert(QStringLiteral("bekannt.fodt"), QStringLiteral("rtf"), QStringLiteral("bekannt.rtf"));
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
