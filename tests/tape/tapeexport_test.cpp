// The Tape export: the frame's size, each line's runs and attributes in the written document,
// the settings keys, and the transfer file.
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
    QStringList opened;
    bool fileThereWhenOpened = false;
    bool open(const QString& path) override {
        opened << path;
        fileThereWhenOpened = QFile::exists(path);
        return true;
    }
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
        return QStringList{p.value("fo:font-weight"),
                           p.value("fo:font-size"),
                           p.value("fo:font-family"),
                           p.value("fo:font-style", "-"),
                           p.value("style:text-underline-style", "-"),
                           p.value("style:text-line-through-style", "-"),
                           p.value("fo:color", "auto")}
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
        {"ä ö ü ß € <b> & Co groß",
         "start",
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

TEST(TapeExport, HandsOverTheFileLeavingTheTapeAsItWasAndRemovesItAtShutdown) {
    for (const bool blockedByFolder : {false, true}) {
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        TapeDocument tape;
        recordAttributes(tape);
        append(tape, {QStringLiteral("12 ^"), QStringLiteral("17 T")});
        const QByteArray before = tape.toRtf();
        FakeLauncher launcher;
        TapeExport e(tape, dialogs, dir.path());
        e.setLauncher(&launcher);
        const QString path = QDir(dir.path()).absoluteFilePath(QStringLiteral("Temp.fodt"));
        if (blockedByFolder) QDir(dir.path()).mkdir(QStringLiteral("Temp.fodt"));

        EXPECT_EQ(e.exportTape(), !blockedByFolder);
        EXPECT_EQ(tape.toRtf(), before);
        if (blockedByFolder) {
            const QString start = QStringLiteral("Die Datei %1 kann nicht geschrieben werden: ").arg(path);
            EXPECT_TRUE(dialogs.last().startsWith(start) && dialogs.last().size() > start.size())
                << dialogs.last().toStdString();
            EXPECT_TRUE(launcher.opened.isEmpty());
            e.removeTransferFile();
            EXPECT_TRUE(QFileInfo(path).isDir()) << "a folder of that name is not ours to remove";
        } else {
            EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.last().toStdString();
            EXPECT_EQ(launcher.opened, QStringList{path});
            EXPECT_TRUE(launcher.fileThereWhenOpened);
            e.removeTransferFile();
            EXPECT_FALSE(QFile::exists(path));
        }
    }
}
