// LibreOffice reads the exported Tape: the lines as text, each line's weight, colour and
// alignment through RTF, and the frame with its size, margins and border in its own XML.
#include "libreofficefixture.h"
#include "odtreading.h"
#include "support/qtprinters.h"
#include "support/scripteddialogs.h"
#include "tape/documentlauncher.h"
#include "tape/tapeexport.h"
#include "tapetesting.h"

using namespace tapetesting;

namespace {

struct NoLauncher : DocumentLauncher {
    bool open(const QString&) override { return true; }
};

class TapeExportLibreOfficeTest : public LibreOfficeTest {
protected:
    void SetUp() override {
        LibreOfficeTest::SetUp();
        if (IsSkipped()) return;
        tape.SetAlignment(Tape::Alignment::Right);
        tape.SetFontName(QStringLiteral("Arial"));
        tape.SetSize(10);
        tape.SetBold(true);
        tape.SetColour(Tape::Black);
        append(tape, {QStringLiteral("12,00 ^"), QStringLiteral(" 5,00 +"), kDashes, QStringLiteral("17,00 € T")});
        tape.SetColour(Tape::Red);
        tape.AppendLine(QStringLiteral("-1.234,50 T"));
        tape.SetColour(0xFF0000);  // blue
        tape.AppendLine(QStringLiteral("3 S"));
        tape.AppendLine(QString());
        commentAttributes(tape);
        tape.SetColour(Tape::Black);
        tape.SetAlignment(Tape::Alignment::Center);
        tape.AppendLine(QStringLiteral("Größe <ä> & ß"));
        exporter.setLauncher(&launcher);
    }

    // Exports and lets LibreOffice convert the transfer file.
    QByteArray exportAs(bool textBox, bool noBorder, const QString& target, const QString& outputName,
                        const QString& folder = QString()) {
        exporter.TextBox = textBox;
        exporter.Umrandung = noBorder;
        EXPECT_TRUE(exporter.exportTape()) << dialogs.last().toStdString();
        return convert(TapeExport::TransferName, target, outputName, folder);
    }

    ScriptedDialogs dialogs;
    TapeDocument tape;
    NoLauncher launcher;
    TapeExport exporter{tape, dialogs, work.path()};
};

}  // namespace

TEST_F(TapeExportLibreOfficeTest, InlineReadsAsTheTapesLines) {
    EXPECT_EQ(textLines(exportAs(false, false, QStringLiteral("txt:Text (encoded):UTF8"), QStringLiteral("Temp.txt"))),
              lines(tape));
}

TEST_F(TapeExportLibreOfficeTest, InlineKeepsWeightColourAndAlignmentOfEachLine) {
    const QByteArray bytes = exportAs(false, false, QStringLiteral("rtf"), QStringLiteral("Temp.rtf"));
    ASSERT_TRUE(rtf::isRtf(bytes));
    const rtf::Document read = rtf::read(bytes);
    // Alignment, size, weight and colour; LibreOffice names the font it stands in for Arial its own way.
    QStringList looks;
    for (const rtf::Paragraph& p : read.paragraphs) {
        if (p.runs.empty()) continue;
        const QStringList parts = look(p).split(u' ');
        looks << QStringList{parts.first(), parts.mid(parts.size() - 3).join(u' ')}.join(u' ');
    }
    EXPECT_EQ(looks,
              (QStringList{"R 10 B #000000", "R 10 B #000000", "R 10 B #000000", "R 10 B #000000", "R 10 B #ff0000",
                           "R 10 B #0000ff", "C 11 - #000000"}));
    QStringList texts;
    for (const rtf::Paragraph& p : read.paragraphs) texts << p.text();
    EXPECT_EQ(texts, lines(tape));
}

TEST_F(TapeExportLibreOfficeTest, FrameSurvivesWithItsSizeMarginsAndBorder) {
    // The widest product is the comment's 13 × (11 − 3); 14 + 6 × 12 + 12 + 13 high.
    const double width = 104, minHeight = 111;
    for (const bool noBorder : {false, true}) {
        QTemporaryDir out;
        const odtreading::Document doc =
            odtreading::read(exportAs(true, noBorder, QStringLiteral("fodt"), QStringLiteral("Temp.fodt"), out.path()));
        ASSERT_TRUE(doc.error.isEmpty()) << doc.error.toStdString();
        ASSERT_EQ(doc.frames.size(), 1) << noBorder;
        const odtreading::Frame& f = doc.frames[0];
        const auto length = [&f](const char* name) {
            const QString v = f.attributes.value(name, f.graphic.value(name));
            return odtreading::points(v);
        };
        EXPECT_NEAR(length("svg:width"), width, 0.1) << noBorder;
        EXPECT_NEAR(length("fo:min-height"), minHeight, 0.1) << noBorder;
        for (const char* side : {"fo:padding-left", "fo:padding-right", "fo:padding-top", "fo:padding-bottom"}) {
            const QString v = f.graphic.value(side, f.graphic.value("fo:padding"));
            EXPECT_NEAR(odtreading::points(v), 8, 0.1) << side;
        }
        const QString border = f.graphic.value("fo:border", f.graphic.value("fo:border-left"));
        if (noBorder) {
            EXPECT_TRUE(border.isEmpty() || border == "none") << border.toStdString();
        } else {
            EXPECT_TRUE(border.contains("solid") && border.contains("#000000")) << border.toStdString();
            EXPECT_NEAR(odtreading::points(border.section(u' ', 0, 0)), 0.5, 0.05) << border.toStdString();
        }
        QStringList inside;
        for (const odtreading::Paragraph& p : f.paragraphs) inside << p.text();
        EXPECT_EQ(inside, lines(tape)) << noBorder;
    }
}
