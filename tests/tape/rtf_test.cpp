#include "tape/rtfdocument.h"
#include "tape/tapedocument.h"

#include "tapetesting.h"

#include <gtest/gtest.h>

using namespace tapetesting;

namespace {

rtf::Document roundTrip(const TapeDocument& tape) { return rtf::parseRtf(tape.toRtf()); }

QStringList texts(const rtf::Document& doc) {
    QStringList out;
    for (const auto& p : doc.paragraphs) out << p.text();
    return out;
}

}  // namespace

TEST(RtfRoundTrip, TypingAttributesReachTheLinesThatFollowAndTheFile) {
    TapeDocument tape;
    recordTwelvePlusFive(tape);
    tape.SetColour(Tape::Green);
    tape.AppendLine(QStringLiteral("17 S"));
    tape.SetColour(Tape::Red);
    tape.SetSize(8);
    tape.SetBold(false);
    tape.AppendLine(QStringLiteral("-3 T"));
    commentAttributes(tape, QStringLiteral("Times New Roman"));
    tape.SetItalic(true);
    tape.SetUnderline(true);
    tape.SetStrikeOut(true);
    tape.AppendLine(QStringLiteral("Kommentar {mit} \\ Zeichen"));
    tape.SetAlignment(Tape::Alignment::Center);
    tape.AppendLine(QStringLiteral("Mitte"));
    tape.AppendLine(QString());

    const QStringList expectedLines{"12 ^",  "5 +", kDashes, "17 T", "17 S", "-3 T", "Kommentar {mit} \\ Zeichen",
                                    "Mitte", ""};
    const QString expectedLooks[] = {"R Arial 10 B #000000",
                                     "R Arial 10 B #000000",
                                     "R Arial 10 B #000000",
                                     "R Arial 10 B #000000",
                                     "R Arial 10 B #008000",
                                     "R Arial 8 - #ff0000",
                                     "L Times New Roman 11 IUS #ff0000",
                                     "C Times New Roman 11 IUS #ff0000"};
    EXPECT_EQ(lines(tape), expectedLines);
    const rtf::Document doc = roundTrip(tape);
    ASSERT_EQ(doc.paragraphs.size(), 9u);
    EXPECT_EQ(texts(doc), expectedLines);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(look(tape, i), expectedLooks[i]) << "in the Tape, line " << i;
        EXPECT_EQ(look(doc.paragraphs[static_cast<size_t>(i)]), expectedLooks[i]) << "in the file, line " << i;
    }

    TapeDocument back;
    back.replaceContent(doc);
    EXPECT_EQ(back.toRtf().toStdString(), tape.toRtf().toStdString())
        << "reading our own file and writing it again changes nothing";
}

TEST(RtfRoundTrip, GermanAndOtherCharacters) {
    TapeDocument tape;
    const QString german = QStringLiteral("Größe: 1.234,50 € – äöüß ÄÖÜ");
    const QString wide = QStringLiteral("Ω ≈ ✓ \U0001F600");
    tape.AppendLine(german);
    tape.AppendLine(wide);
    const QByteArray bytes = tape.toRtf();
    EXPECT_TRUE(bytes.contains("Gr\\'f6\\'dfe")) << bytes.constData();
    EXPECT_TRUE(bytes.contains("\\'80")) << "the euro sign is 0x80 in Windows-1252";
    EXPECT_TRUE(bytes.contains("\\u937?"));
    EXPECT_TRUE(bytes.contains("\\u-10179?")) << "characters beyond the BMP go as two signed UTF-16 units";
    for (char c : bytes) EXPECT_GE(static_cast<unsigned char>(c), 0) << "RTF is 7-bit text";
    EXPECT_EQ(texts(rtf::parseRtf(bytes)), (QStringList{german, wide}));
}

TEST(RtfReader, SkipsWhatATapeCannotShow) {
    const QByteArray input =
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial{\\*\\panose 020b0604020202020204};}{\\f1 Courier;}}"
        "{\\colortbl;\\red255\\green0\\blue0;}"
        "{\\stylesheet{\\s0 Normal text;}}{\\info{\\title Titel}{\\author Jemand}}"
        "{\\*\\generator Irgendwer;}{\\*\\unknowndest gar {nicht} sichtbar}"
        "\\pard\\qc\\f1\\fs28\\cf1\\b Eins{\\pict\\pngblip 89504e47}\\b0  zwei\\par"
        "\\pard{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt Link}}\\line Drei\\tab vier"
        "\\unknownword123 \\uc2\\u8364\\'80\\'80 Euro\\uc1\\u228?\\~\\emdash\\bin3 {}}}";
    const rtf::Document doc = rtf::parseRtf(input);
    ASSERT_EQ(doc.paragraphs.size(), 3u);
    EXPECT_EQ(doc.paragraphs[0].text(), QStringLiteral("Eins zwei"));
    ASSERT_EQ(doc.paragraphs[0].runs.size(), 2u);
    EXPECT_EQ(look(doc.paragraphs[0]), "C Courier 14 B #ff0000");
    EXPECT_FALSE(doc.paragraphs[0].runs[1].format.bold);
    EXPECT_EQ(doc.paragraphs[1].text(), QStringLiteral("Link"));
    EXPECT_EQ(doc.paragraphs[2].text(), QStringLiteral("Drei\tvier€ Euroä\u00A0\u2014"));
    EXPECT_EQ(doc.paragraphs[2].runs[0].format.font, QStringLiteral("Courier")) << "\\pard keeps the characters";
}

TEST(RtfReader, PlainResetsAndAutomaticColour) {
    const rtf::Document doc = rtf::parseRtf(
        "{\\rtf1{\\fonttbl\\f0 Arial;\\f3 Symbol;}{\\colortbl ;\\red0\\green128\\blue0;}"
        "\\f3\\b\\i\\ul\\strike\\cf1 a\\plain b\\ulnone\\ul0\\b0 c\\cf9 d}");
    ASSERT_EQ(doc.paragraphs.size(), 1u);
    const auto& runs = doc.paragraphs[0].runs;
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(look(doc.paragraphs[0]), "L Symbol 12 BIUS #008000");
    EXPECT_EQ(runs[1].text, QStringLiteral("bcd"));
    rtf::CharFormat plain;
    plain.font = QStringLiteral("Arial");
    EXPECT_EQ(runs[1].format, plain) << "an unknown colour is automatic";
}

TEST(RtfReader, MalformedInputEndsWithoutHarm) {
    const QByteArray deep = QByteArray(100000, '{') + "{\\rtf1 tief" + QByteArray(100000, '}');
    const QByteArray cases[] = {
        "",
        "{\\rtf",
        "{\\rtf1 unclosed {{{ text",
        "{\\rtf1}}}}}} after",
        "{\\rtf1 \\'",
        "{\\rtf1 \\'zz \\'4",
        "{\\rtf1 \\u",
        "{\\rtf1 \\u-99999999999999999999 \\uc99999999999 x}",
        "{\\rtf1 \\bin99999999999 abc}",
        "{\\rtf1 \\fs-5 \\f-2147483648 \\cf-1 \\fs99999999 text}",
        "{\\rtf1{\\fonttbl{\\f0 Unendlich",
        "{\\rtf1{\\colortbl\\red999\\green-5;;;;}\\cf3 x}",
        "{\\rtf1 \\aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa1 y}",
        deep,
        QByteArray("{\\rtf1 ") + QByteArray(1000, '\\'),
    };
    for (const QByteArray& input : cases) {
        const rtf::Document doc = rtf::parseRtf(input);
        for (const auto& p : doc.paragraphs)
            for (const auto& r : p.runs) EXPECT_FALSE(r.text.isEmpty());
    }
    EXPECT_EQ(texts(rtf::parseRtf(deep)), QStringList{"tief"});
    EXPECT_EQ(texts(rtf::parseRtf("{\\rtf1}}}}}} after")), QStringList{" after"});
}

TEST(PlainTextReader, LinesEncodingsAndDispatch) {
    EXPECT_EQ(texts(rtf::read("eins\r\nzwei\ndrei\rvier\r\n")), (QStringList{"eins", "zwei", "drei", "vier"}));
    EXPECT_EQ(texts(rtf::read("a\r\n\r\nb")), (QStringList{"a", "", "b"}));
    EXPECT_EQ(texts(rtf::read("\xEF\xBB\xBF\xC3\xA4\xE2\x82\xAC")), QStringList{"ä€"});
    EXPECT_EQ(texts(rtf::read("Gr\xF6\xDF"
                              "e \x80")),
              QStringList{"Größe €"})
        << "not UTF-8: Windows-1252";
    EXPECT_TRUE(rtf::read("text").plain);
    EXPECT_TRUE(rtf::read("").paragraphs.empty());
    EXPECT_FALSE(rtf::read("{\\rtf1 x}").plain);
    EXPECT_TRUE(rtf::read("x {\\rtf1 y}").plain);
    EXPECT_TRUE(rtf::isRtf("\xEF\xBB\xBF \r\n{\\rtf1}"));
}
