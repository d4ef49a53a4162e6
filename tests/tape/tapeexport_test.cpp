// The Tape export: the frame's size, each line's runs and attributes in the written document,
// the options and their settings keys, and what a failed hand-over leaves behind.
#include "core/calculator.h"
#include "core/inifile.h"
#include "odtreading.h"
#include "support/qtprinters.h"
#include "support/scripteddialogs.h"
#include "tape/documentlauncher.h"
#include "tape/tapeexport.h"
#include "tape/tapeexportsettings.h"
#include "tapetesting.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tapetesting;

namespace {

struct FakeLauncher : DocumentLauncher {
    bool isInstalled = true;
    QString failure;  // when set, the start fails with it
    QStringList opened;
    bool fileThereWhenOpened = false;
    bool installed() const override { return isInstalled; }
    bool open(const QString& path) override {
        opened << path;
        fileThereWhenOpened = QFile::exists(path);
        return failure.isEmpty();
    }
    QString lastError() const override { return failure; }
};

// Record typing: right, Arial 10 bold, black.
void recordAttributes(TapeDocument& tape) {
    tape.SetAlignment(Tape::Alignment::Right);
    tape.SetFontName(QStringLiteral("Arial"));
    tape.SetSize(10);
    tape.SetBold(true);
    tape.SetColour(Tape::Black);
}

odtreading::Document exported(const TapeDocument& tape, bool textBox, bool noBorder = false) {
    ScriptedDialogs dialogs;
    TapeExport e(tape, dialogs);
    e.TextBox = textBox;
    e.Umrandung = noBorder;
    odtreading::Document doc = odtreading::read(e.document().toXml());
    EXPECT_TRUE(doc.error.isEmpty()) << doc.error.toStdString();
    return doc;
}

}  // namespace

TEST(TapeExport, FrameSizeFollowsTheLinesAndTheWidthRule) {
    using M = TapeExport::LineMeasure;
    const struct {
        const char* name;
        QList<M> lines;
        double width, height;
    } rows[] = {
        {"three lines, longest 20, Arial 10", {{20, 10}, {12, 10}, {7, 10}}, 140, 50},
        {"W 59 gains 15", {{59, 4}}, 74, 20},
        {"W 60 stays", {{12, 8}}, 60, 24},
        {"W 180 stays", {{18, 13}}, 180, 29},
        {"W 181 loses 30", {{181, 4}}, 151, 20},
        {"the widest product, not the longest line", {{30, 4}, {10, 12}}, 90, 34},
        {"an empty 10-pt line adds 12", {{5, 10}, {0, 10}}, 50, 38},
        {"no lines", {}, 15, 14},
    };
    for (const auto& row : rows) {
        const TapeExport::FrameSize s = TapeExport::frameSize(row.lines);
        EXPECT_DOUBLE_EQ(s.width, row.width) << row.name;
        EXPECT_DOUBLE_EQ(s.height, row.height) << row.name;
    }
}

TEST(TapeExport, FrameOfACalculatorRecordByNumberFormat) {
    const struct {
        const char* name;
        int numberFormat;
        QStringList lines;
        double width, height;
    } rows[] = {
        {"currency", 2, {"12,00 ^", " 5,00 +", kDashes, "17,00 € T"}, 63, 62},
        {"free format", 3, {"12 ^", "5 +", QString(2, QChar(0x2014)), "17 T"}, 43, 62},
    };
    for (const auto& row : rows) {
        ScriptedDialogs dialogs;
        TapeDocument tape;
        tape.setVisible(true);
        recordAttributes(tape);
        Calculator calc(dialogs, &tape);
        calc.ApplyDisplaySettings(row.numberFormat, 2, 1, 0);
        calc.CurrencyCode = QStringLiteral("€");
        for (const QChar c : QStringLiteral("12")) calc.EnterDigit(c);
        calc.PressOperator(u'+');
        calc.EnterDigit(u'5');
        calc.PressEquals();
        ASSERT_EQ(lines(tape), row.lines) << row.name;

        const odtreading::Document doc = exported(tape, true);
        ASSERT_EQ(doc.frames.size(), 1) << row.name;
        EXPECT_DOUBLE_EQ(odtreading::points(doc.frames[0].attributes.value("svg:width")), row.width) << row.name;
        EXPECT_DOUBLE_EQ(odtreading::points(doc.frames[0].attributes.value("fo:min-height")), row.height) << row.name;
    }
}

TEST(TapeExport, EachRunKeepsItsFontSizeStyleAndExactColour) {
    TapeDocument tape;
    recordAttributes(tape);
    tape.SetColour(Tape::Red);
    tape.AppendLine(QStringLiteral("-1.234,50 T"));
    tape.SetColour(Tape::Green);
    tape.AppendLine(QStringLiteral("17 S"));
    tape.SetColour(0xFF0000);  // blue
    tape.AppendLine(QStringLiteral("3 +"));
    tape.SetColour(Tape::Black);
    tape.SetItalic(true);
    tape.SetUnderline(true);
    tape.AppendLine(QStringLiteral("fett kursiv"));
    commentAttributes(tape, QStringLiteral("Courier New"));
    tape.SetItalic(false);
    tape.SetUnderline(false);
    tape.SetStrikeOut(true);
    tape.AppendLine(QStringLiteral("ä ö ü ß € <b> & Co"));
    tape.SetStrikeOut(false);
    tape.SetSize(14);
    tape.SetFontName(QStringLiteral("Times New Roman"));
    tape.AppendToLastLine(QStringLiteral(" groß"));

    // Weight, size, family, style, underline, strike-out, colour of every run; alignment per line.
    const auto look = [](const odtreading::Run& run) {
        const odtreading::Properties& p = run.properties;
        return QStringList{p.value("fo:font-weight"), p.value("fo:font-size"), p.value("fo:font-family"),
                           p.value("fo:font-style", "-"), p.value("style:text-underline-style", "-"),
                           p.value("style:text-line-through-style", "-"), p.value("fo:color", "auto")}
            .join(u' ');
    };
    const struct {
        QString text, align;
        QStringList runs;
    } expected[] = {
        {"-1.234,50 T", "end", {"bold 10pt Arial - - - #ff0000"}},
        {"17 S", "end", {"bold 10pt Arial - - - #008000"}},
        {"3 +", "end", {"bold 10pt Arial - - - #0000ff"}},
        {"fett kursiv", "end", {"bold 10pt Arial italic solid - #000000"}},
        {"ä ö ü ß € <b> & Co groß", "start",
         {"normal 11pt Courier New - - solid #000000", "normal 14pt Times New Roman - - - #000000"}},
    };
    const odtreading::Document doc = exported(tape, false);
    ASSERT_EQ(doc.paragraphs.size(), std::size(expected));
    EXPECT_TRUE(doc.frames.isEmpty());
    for (size_t i = 0; i < std::size(expected); ++i) {
        const odtreading::Paragraph& p = doc.paragraphs[static_cast<qsizetype>(i)];
        EXPECT_EQ(p.text(), expected[i].text) << i;
        EXPECT_EQ(p.align, expected[i].align) << i;
        QStringList runs;
        for (const odtreading::Run& run : p.runs) runs << look(run);
        EXPECT_EQ(runs, expected[i].runs) << i;
    }
    // The mixed line is as tall as its largest run in the frame: 14 + 4 × 12 + 16.
    EXPECT_DOUBLE_EQ(odtreading::points(exported(tape, true).frames.value(0).attributes.value("fo:min-height")), 78);
}

TEST(TapeExport, FrameHoldsTheLinesWithMarginsBorderAndAnEmptyParagraphBelow) {
    TapeDocument tape;
    recordAttributes(tape);
    append(tape, {QStringLiteral("12 ^"), QString(), QStringLiteral("17 T")});
    for (const bool noBorder : {false, true}) {
        const odtreading::Document doc = exported(tape, true, noBorder);
        ASSERT_EQ(doc.paragraphs.size(), 1) << noBorder;
        EXPECT_EQ(doc.paragraphs[0].frame, 0) << "the frame sits at the start";
        EXPECT_EQ(doc.paragraphs[0].text(), QString()) << "the text goes on below the frame";
        ASSERT_EQ(doc.frames.size(), 1);
        const odtreading::Frame& f = doc.frames[0];
        EXPECT_EQ(f.attributes.value("text:anchor-type"), "paragraph");
        EXPECT_EQ(f.graphic.value("fo:padding"), "8pt");
        EXPECT_EQ(f.graphic.value("fo:border"), noBorder ? "none" : "0.5pt solid #000000");
        EXPECT_EQ(f.graphic.value("style:wrap"), "none");
        QStringList inside;
        for (const odtreading::Paragraph& p : f.paragraphs) inside << p.text();
        EXPECT_EQ(inside, lines(tape));
        EXPECT_EQ(f.paragraphs[1].mark.value("fo:font-size"), "10pt") << "the empty line keeps its height";
    }
}

TEST(TapeExport, OptionsToggleAndTheBorderOptionOnlyWithTheFrame) {
    const struct {
        const char* name;
        QString clicks;  // T: Textbox1, U: Umrandung
        bool textBox, umrandung;
    } rows[] = {
        {"start", "", false, false},
        {"border option not chosen without the frame", "U", false, false},
        {"frame", "T", true, false},
        {"frame without border", "TU", true, true},
        {"border option twice", "TUU", true, false},
        {"frame off keeps the border choice", "TUT", false, true},
    };
    for (const auto& row : rows) {
        ScriptedDialogs dialogs;
        TapeDocument tape;
        TapeExport e(tape, dialogs);
        for (const QChar c : row.clicks) c == u'T' ? e.Textbox1Click() : e.UmrandungClick();
        EXPECT_EQ(e.TextBox, row.textBox) << row.name;
        EXPECT_EQ(e.Umrandung, row.umrandung) << row.name;
        EXPECT_EQ(e.UmrandungEnabled(), row.textBox) << row.name;
    }
}

TEST(TapeExportSettings, LoadsAndWritesTheTwoKeys) {
    const struct {
        const char* name;
        bool firstRun;
        QByteArray config;
        bool textBox, umrandung;
        const char* written;
    } rows[] = {
        {"first run", true, "TextBox=1\nUmrandung=1\n", false, false, "0 0"},
        {"missing", false, "", false, false, "0 0"},
        {"both on", false, "TextBox=1\nUmrandung=1\n", true, true, "1 1"},
        {"border choice kept while the frame is off", false, "TextBox=0\nUmrandung=1\n", false, true, "0 1"},
        {"any non-zero number", false, "textbox=-1\nUmrandung=x\n", true, false, "1 0"},
    };
    for (const auto& row : rows) {
        ScriptedDialogs dialogs;
        TapeDocument tape;
        TapeExport e(tape, dialogs);
        e.TextBox = e.Umrandung = true;
        TapeExportSettings settings(e);
        settings.load(IniFile::parse("[Config]\n" + row.config), row.firstRun);
        EXPECT_EQ(e.TextBox, row.textBox) << row.name;
        EXPECT_EQ(e.Umrandung, row.umrandung) << row.name;
        IniFile out;
        settings.save(out);
        EXPECT_EQ(out.readString(u"Config", u"TextBox", "?") + ' ' + out.readString(u"Config", u"Umrandung", "?"),
                  row.written)
            << row.name;
    }
}

TEST(TapeExport, HandsOverTheFileOrFailsWithAMessageAndNoFile) {
    const QString missing = QStringLiteral("LibreOffice Writer wurde nicht gefunden. Bitte LibreOffice installieren "
                                           "(Paket libreoffice-writer), um das Tape zu übertragen.");
    const struct {
        const char* name;
        bool installed;
        QString failure;
        bool blockedByFolder;  // "Temp.fodt" is a folder
        bool handedOver;
        QString message;  // the start of it
    } rows[] = {
        {"handed over", true, "", false, true, ""},
        {"not installed", false, "", false, false, missing},
        {"start fails", true, "Keine Berechtigung", false, false,
         "LibreOffice konnte nicht gestartet werden: Keine Berechtigung"},
        {"not writable", true, "", true, false, "Die Datei %1 kann nicht geschrieben werden: "},
    };
    for (const auto& row : rows) {
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        TapeDocument tape;
        recordAttributes(tape);
        append(tape, {QStringLiteral("12 ^"), QStringLiteral("17 T")});
        const QString before = QString::fromLatin1(tape.toRtf());
        FakeLauncher launcher;
        launcher.isInstalled = row.installed;
        launcher.failure = row.failure;
        TapeExport e(tape, dialogs, dir.path());
        e.setLauncher(&launcher);
        const QString path = QDir(dir.path()).absoluteFilePath(QStringLiteral("Temp.fodt"));
        if (row.blockedByFolder) QDir(dir.path()).mkdir(QStringLiteral("Temp.fodt"));

        EXPECT_EQ(e.exportTape(), row.handedOver) << row.name;
        EXPECT_EQ(QFileInfo(path).isFile(), row.handedOver) << row.name;
        if (row.handedOver) {
            EXPECT_EQ(launcher.opened, QStringList{path}) << row.name;
            EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.last().toStdString();
        } else {
            ASSERT_EQ(dialogs.shown.size(), 1) << row.name;
            const QString start = row.blockedByFolder ? row.message.arg(path) : row.message;
            EXPECT_TRUE(dialogs.last().startsWith(start)) << dialogs.last().toStdString();
            if (row.blockedByFolder) {
                EXPECT_GT(dialogs.last().size(), start.size()) << "the reason follows";
            }
        }
        EXPECT_EQ(launcher.opened.size(), row.installed && !row.blockedByFolder ? 1 : 0) << row.name;
        if (!launcher.opened.isEmpty()) {
            EXPECT_TRUE(launcher.fileThereWhenOpened) << row.name;
        }
        EXPECT_EQ(QString::fromLatin1(tape.toRtf()), before) << row.name;

        e.removeTransferFile();
        EXPECT_FALSE(QFileInfo(path).isFile()) << row.name;
        if (row.blockedByFolder) {
            EXPECT_TRUE(QFileInfo(path).isDir()) << "a folder of that name is not ours to remove";
        }
    }
}
