#include "core/inifile.h"
#include "support/qtprinters.h"

#include <gtest/gtest.h>

namespace {

const QString Config = QStringLiteral("Config");

IniFile iniWith(const QString& key, const QByteArray& stored) {
    return IniFile::parse("[Config]\r\n" + key.toLatin1() + "=" + stored + "\r\n");
}

}  // namespace

TEST(IniFile, TypedReadsTakeTheDefaultForMalformedOrTooLargeNumbers) {
    enum Kind { Integer, Byte, Bool, Colour };
    const struct {
        const char* name;
        Kind kind;
        QByteArray stored;  // null: the key is missing
        int64_t defaultValue, expected;
    } rows[] = {
        {"decimal", Integer, "42", 7, 42},
        {"negative", Integer, "-7", 0, -7},
        {"plus sign", Integer, "+5", 0, 5},
        {"blanks around the value", Integer, "  12 \t", 0, 12},
        {"hexadecimal", Integer, "$1F", 0, 31},
        {"hexadecimal lower case", Integer, "$ff", 0, 255},
        {"32 hex bits are signed", Integer, "$FFFFFFFF", 0, -1},
        {"smallest integer", Integer, "-2147483648", 0, INT32_MIN},
        {"beyond 32 bits", Integer, "2147483648", 9, 9},
        {"hexadecimal beyond 32 bits", Integer, "$100000000", 9, 9},
        {"trailing letters", Integer, "12abc", 9, 9},
        {"decimal comma", Integer, "1,5", 9, 9},
        {"lone dollar", Integer, "$", 9, 9},
        {"empty value", Integer, "", 9, 9},
        {"missing key", Integer, QByteArray(), 9, 9},
        {"byte keeps the low 8 bits", Byte, "257", 0, 1},
        {"byte of -1", Byte, "-1", 0, 255},
        {"byte malformed", Byte, "x", 3, 3},
        {"bool zero", Bool, "0", 1, 0},
        {"bool any non-zero", Bool, "-2", 0, 1},
        {"bool not a number", Bool, "ja", 1, 1},
        {"colour", Colour, "9667432", 0, 0x938368},
        {"system colour signed", Colour, "-2147483643", 0, 0x80000005},
        {"system colour unsigned", Colour, "2147483653", 0, 0x80000005},
        {"system colour hexadecimal", Colour, "$80000005", 0, 0x80000005},
        {"colour beyond 32 bits", Colour, "4294967296", 1, 1},
    };
    for (const auto& row : rows) {
        const IniFile ini = row.stored.isNull() ? IniFile::parse("[Config]\r\n") : iniWith("Wert", row.stored);
        int64_t got = 0;
        switch (row.kind) {
        case Integer: got = ini.readInteger(Config, u"Wert", static_cast<int>(row.defaultValue)); break;
        case Byte: got = ini.readByte(Config, u"Wert", static_cast<uint8_t>(row.defaultValue)); break;
        case Bool: got = ini.readBool(Config, u"Wert", row.defaultValue != 0); break;
        case Colour: got = ini.readColour(Config, u"Wert", static_cast<uint32_t>(row.defaultValue)); break;
        }
        EXPECT_EQ(got, row.expected) << row.name;
    }
}

TEST(IniFile, TextsAreReadAsStoredWithCaseFreeNamesAndTheFirstKeyCounting) {
    const IniFile ini = IniFile::parse(
        "; hand-written\n"
        "[config]\n"
        "  WAEHR  =  \x80  \r\n"
        "waehr=DM\r\n"
        "Quote=\"Mw St\"\r\n"
        "Gleich=a=b\r\n"
        "Leer=\r\n"
        "[Config]\r\n"
        "Zweite=1\r\n");
    const struct {
        const char16_t* key;
        QString expected;
    } rows[] = {
        {u"waehr", QStringLiteral("€")},    {u"Quote", QStringLiteral("\"Mw St\"")},
        {u"gleich", QStringLiteral("a=b")}, {u"leer", QString()},
        {u"Zweite", QStringLiteral("-")},  // only the first section of a name is read
    };
    for (const auto& row : rows)
        EXPECT_EQ(ini.readString(u"CONFIG", row.key, QStringLiteral("-")), row.expected)
            << QString::fromUtf16(row.key).toStdString();
    EXPECT_TRUE(ini.keyExists(u"Config", u"Leer"));
    EXPECT_FALSE(ini.keyExists(u"Config", u"hand-written"));
    EXPECT_EQ(ini.sectionNames(), QStringList{QStringLiteral("config")});
    EXPECT_EQ(ini.keys(Config), (QStringList{"WAEHR", "Quote", "Gleich", "Leer"}));
}

TEST(IniFile, CommaTextQuotesWhatWouldSplitAndReadsItBack) {
    const struct {
        const char* stored;
        QStringList entries;
        const char* written;  // nullptr: written as stored
    } rows[] = {
        {"19,19", {"19", "19"}, nullptr},
        {"\"7,5\"", {"7,5"}, nullptr},
        {"\"7,5\",\"19\"", {"7,5", "19"}, "\"7,5\",19"},
        {"\"Mw St\",USt", {"Mw St", "USt"}, nullptr},
        {"Mw St,USt", {"Mw", "St", "USt"}, "Mw,St,USt"},
        {"\"\"", {""}, nullptr},
        {"\"Satz \"\"A\"\"\",B", {"Satz \"A\"", "B"}, nullptr},
        {"a,,b", {"a", "", "b"}, "a,\"\",b"},
        {" a , b ", {"a", "b"}, "a,b"},
        {"\"offen", {"offen"}, "offen"},
        {"", {}, nullptr},
    };
    for (const auto& row : rows) {
        const QString stored = QString::fromUtf8(row.stored);
        EXPECT_EQ(splitCommaText(stored), row.entries) << row.stored;
        EXPECT_EQ(joinCommaText(row.entries), row.written ? QString::fromUtf8(row.written) : stored) << row.stored;
    }
    EXPECT_EQ(IniFile().readCommaText(Config, u"Steuern", u"19,19"), (QStringList{"19", "19"}));
}

TEST(IniFile, ListsEndAtTheFirstGapAndAreRewrittenWhole) {
    IniFile ini = IniFile::parse(
        "[Terms]\r\n0=x^2\r\n1=sin(x)\r\n3=verloren\r\n"
        "[Andere]\r\nk=v\r\n[terms]\r\n0=zweite\r\n");
    EXPECT_EQ(ini.readList(u"terms"), (QStringList{"x^2", "sin(x)"}));
    EXPECT_EQ(ini.readList(u"Fehlt"), QStringList{});
    ini.writeList(u"Terms", ini.readList(u"Terms"));
    EXPECT_EQ(ini.serialize(), "[Andere]\r\nk=v\r\n[Terms]\r\n0=x^2\r\n1=sin(x)\r\n");
    ini.writeList(u"Terms", {});
    EXPECT_FALSE(ini.sectionExists(u"Terms"));
    EXPECT_EQ(IniFile::parse("[L]\r\n00=a\r\n1=b\r\n").readList(u"L"), QStringList{}) << "00 is not key 0";
}

TEST(IniFile, WritingKeepsEveryOtherLineByteForByte) {
    const QByteArray original =
        "; Kalkulo\n"
        "[Config]\n"
        "; von Hand\n"
        "Dezimals = 3\n"
        "Unbekannt=\xE4\x80\n"
        "\n"
        "[Finanzrechner]\r\n"
        "Betrag=100000\r\n"
        "kein Schlüssel\r\n"
        "[Config]\r\n"
        "nk=4";
    IniFile ini = IniFile::parse(original);
    EXPECT_EQ(ini.serialize(), original) << "nothing written, nothing changed";
    ini.writeInteger(Config, u"Dezimals", 3);
    EXPECT_EQ(ini.serialize(), original) << "a value written unchanged keeps its line";
    ini.writeInteger(Config, u"dezimals", 2);
    ini.writeString(Config, u"waehr1", QStringLiteral("€"));
    ini.writeString(Config, u"waehr", QStringLiteral("€"));
    ini.writeString(u"Waehrung", u"0", QStringLiteral("Euro\r\nZeile"));
    EXPECT_EQ(ini.serialize(),
              "; Kalkulo\n"
              "[Config]\n"
              "; von Hand\n"
              "dezimals=2\n"
              "Unbekannt=\xE4\x80\n"
              "waehr1=\x80\r\n"
              "waehr=\x80\r\n"
              "\n"
              "[Finanzrechner]\r\n"
              "Betrag=100000\r\n"
              "kein Schlüssel\r\n"
              "[Config]\r\n"
              "nk=4\r\n"
              "[Waehrung]\r\n"
              "0=Euro  Zeile\r\n");
    ini.eraseSection(u"CONFIG");
    EXPECT_EQ(ini.sectionNames(), (QStringList{"Finanzrechner", "Waehrung"})) << "every section of the name";
    EXPECT_EQ(ini.readString(u"WAEHRUNG", u"0", {}), QStringLiteral("Euro  Zeile")) << "sections after it still found";
    ini.writeInteger(u"config", u"nk", 2);
    EXPECT_EQ(ini.sectionNames(), (QStringList{"Finanzrechner", "Waehrung", "config"})) << "written anew at the end";
    EXPECT_EQ(ini.readInteger(u"Config", u"nk", 0), 2);
}

TEST(IniFile, NewKeysTakeTheDeclaredOrderWhoeverWritesThemFirst) {
    IniFile ini = IniFile::parse("[Config]\r\nfremd=1\r\n");
    ini.setKeyOrder(Config, {"Farbe1", "Dezimals", "Background", "waehr"});
    ini.writeString(Config, u"waehr", QStringLiteral("€"));
    ini.writeInteger(Config, u"Dezimals", 2);
    ini.writeInteger(Config, u"Form3Width", 800);
    ini.writeInteger(Config, u"Farbe1", 0);
    ini.writeInteger(Config, u"Background", 1);
    EXPECT_EQ(ini.serialize(),
              "[Config]\r\nfremd=1\r\nFarbe1=0\r\nDezimals=2\r\nBackground=1\r\nwaehr=\x80\r\n"
              "Form3Width=800\r\n");
}

TEST(IniFile, TextsBeyondTheCodePageMakeTheFileUtf8WithByteOrderMark) {
    IniFile ini = IniFile::parse("[Config]\r\nName=M\xFCller\r\n");
    EXPECT_EQ(ini.readString(Config, u"Name", {}), QStringLiteral("Müller"));
    ini.writeString(Config, u"waehr", QStringLiteral("₺"));
    const QByteArray written = ini.serialize();
    EXPECT_EQ(written, "\xEF\xBB\xBF[Config]\r\nName=M\xC3\xBCller\r\nwaehr=\xE2\x82\xBA\r\n");
    const IniFile again = IniFile::parse(written);
    EXPECT_EQ(again.readString(Config, u"waehr", {}), QStringLiteral("₺"));
    EXPECT_EQ(again.readString(Config, u"Name", {}), QStringLiteral("Müller"));
    EXPECT_EQ(again.serialize(), written) << "a UTF-8 file stays UTF-8";
    // Only the file's own byte-order mark is dropped; one inside a value is text.
    IniFile marked = IniFile::parse("\xEF\xBB\xBF[T]\r\nk=\xEF\xBB\xBFx\r\n");
    EXPECT_EQ(marked.readString(u"T", u"k", {}), QStringLiteral("\uFEFFx"));
    marked.writeString(u"T", u"k", marked.readString(u"T", u"k", {}) + u'y');
    EXPECT_EQ(IniFile::parse(marked.serialize()).readString(u"T", u"k", {}), QStringLiteral("\uFEFFxy"));
}
