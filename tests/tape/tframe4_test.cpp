#include "tape/views/tframe4.h"

#include "core/calculator.h"
#include "support/scripteddialogs.h"
#include "support/testapplication.h"
#include "tape/views/tapeedit.h"
#include "tape/views/tapeview.h"
#include "tapetesting.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace tapetesting;

namespace {

class TFrame4Test : public ::testing::Test, TestApplicationFirst {
protected:
    template <typename T>
    T* child(const char* name) {
        T* w = frame.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QTextCursor selectLine(int line) {
        QTextCursor c(frame.tape().block(line));
        c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        editorOf(c)->setTextCursor(c);
        return c;
    }

    TapeEdit* editorOf(const QTextCursor& c) {
        for (int i = 0; i < frame.richEdit()->editorCount(); ++i)
            if (frame.richEdit()->editor(i)->document() == c.document()) return frame.richEdit()->editor(i);
        return nullptr;
    }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    Calculator calc{dialogs};
    TapeDocument tape;
    TFrame4 frame{tape, dialogs, &calc, nullptr, dir.path()};
};

QStringList menuTexts(const QMenu* menu) {
    QStringList out;
    for (const QAction* a : menu->actions()) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

}  // namespace

TEST_F(TFrame4Test, ControlsCarryTheirNamesAndHints) {
    EXPECT_EQ(frame.objectName(), QStringLiteral("Frame41"));
    EXPECT_EQ(child<TapeView>("RichEdit1"), frame.richEdit());
    EXPECT_EQ(child<QPushButton>("Button1")->text(), QStringLiteral("Löschen"));
    const std::pair<const char*, const char*> hints[] = {
        {"Button1", "Tape löschen"},
        {"BitBtn1", "Tape speichern"},
        {"FileOpenDialog1", "Tape öffnen"},
        {"SpeedButton3", "Tape in die Zwischenablage kopieren"},
        {"BitBtn2", "Tape drucken"},
        {"SpeedButton4", "Tape in Word einfügen"},
        {"SpeedButton1", "Tape bearbeiten / Kommentar"},
        {"SpeedButton2", "Tape aufzeichnen"},
    };
    for (const auto& [name, hint] : hints) EXPECT_EQ(child<QWidget>(name)->toolTip(), QString::fromUtf8(hint)) << name;
    EXPECT_EQ(child<QToolButton>("SpeedButton4")->text(), QStringLiteral("MS Word"));
    EXPECT_EQ(menuTexts(frame.contextMenu()),
              (QStringList{"Kopieren", "Einfügen", "Löschen", "Ausschneiden", "-", "Alles markieren", "Rückgängig", "-",
                           "Schrift...", "Größe", "Ausrichtung", "-", "Kommentar", "Tape"}));
    EXPECT_EQ(menuTexts(frame.contextMenu()->actions()[9]->menu()), (QStringList{"8", "9", "10", "11", "12"}));
    EXPECT_EQ(menuTexts(frame.contextMenu()->actions()[10]->menu()), (QStringList{"Rechts", "Zentriert", "Links"}));
}

TEST_F(TFrame4Test, RecordAndEditModesAreOneGroup) {
    auto* record = child<QToolButton>("SpeedButton2");
    auto* edit = child<QToolButton>("SpeedButton1");
    EXPECT_TRUE(record->isChecked()) << "recording at start";
    EXPECT_FALSE(edit->isChecked());
    recordTwelvePlusFive(frame.tape());

    QSignalSpy entered(&frame, &TFrame4::editModeEntered);
    QSignalSpy left(&frame, &TFrame4::recordModeEntered);
    QSignalSpy equals(&frame, &TFrame4::focusEqualsRequested);
    edit->click();
    EXPECT_TRUE(edit->isChecked());
    EXPECT_FALSE(record->isChecked());
    EXPECT_EQ(entered.count(), 1);
    frame.richEdit()->currentEditor()->insertPlainText(QStringLiteral("Miete"));
    EXPECT_EQ(frame.tape().Line(4), QStringLiteral("Miete")) << "a comment starts on its own line";
    EXPECT_EQ(look(frame.tape(), 4), "L Arial 11 - #000000");
    EXPECT_EQ(look(frame.tape(), 3), "R Arial 10 B #000000") << "the record above keeps its look";

    record->click();
    EXPECT_TRUE(record->isChecked());
    EXPECT_FALSE(edit->isChecked());
    EXPECT_EQ(left.count(), 1);
    EXPECT_GE(equals.count(), 1);
    frame.tape().AppendLine(QStringLiteral("1 ^"));
    EXPECT_EQ(look(frame.tape(), 5), "R Arial 10 B #000000");

    edit->click();
    record->click();
    EXPECT_EQ(frame.tape().LineCount(), 6) << "an untouched comment line goes again";
}

TEST_F(TFrame4Test, RecordsWhileShownAndMousePressReturnsFocusToEqualsWhileRecording) {
    QSignalSpy equals(&frame, &TFrame4::focusEqualsRequested);
    EXPECT_FALSE(frame.tape().Visible());
    frame.show();
    EXPECT_TRUE(frame.tape().Visible());
    QTest::mousePress(frame.richEdit()->editor(0)->viewport(), Qt::LeftButton);
    EXPECT_EQ(equals.count(), 1);
    QTest::mousePress(frame.richEdit()->editor(0)->viewport(), Qt::RightButton);
    EXPECT_EQ(equals.count(), 1);
    calc.ActiveField = 4;
    QTest::mousePress(frame.richEdit()->editor(0)->viewport(), Qt::LeftButton);
    EXPECT_EQ(equals.count(), 1);

    QSignalSpy popup(&frame, &TFrame4::contextMenuOpened);
    emit frame.richEdit()->editor(0)->customContextMenuRequested(QPoint(5, 5));
    EXPECT_EQ(popup.count(), 1);
    frame.contextMenu()->hide();
    frame.hide();
    EXPECT_FALSE(frame.tape().Visible());
}

TEST_F(TFrame4Test, ClearEnablesRestoreAndReturnsToRecording) {
    QSignalSpy restore(&frame, &TFrame4::restoreAvailableChanged);
    recordTwelvePlusFive(frame.tape());
    child<QToolButton>("SpeedButton1")->click();
    child<QPushButton>("Button1")->click();
    EXPECT_EQ(frame.tape().LineCount(), 0);
    EXPECT_TRUE(frame.canRestore());
    ASSERT_EQ(restore.count(), 1);
    EXPECT_TRUE(restore.first().first().toBool());
    EXPECT_TRUE(child<QToolButton>("SpeedButton2")->isChecked());
    frame.restoreTape();
    EXPECT_EQ(frame.tape().Line(3), QStringLiteral("17 T"));
}

TEST_F(TFrame4Test, DropsAndCopiesLeaveTheClipboardToTheUser) {
    QApplication::clipboard()->setText(QStringLiteral("vom Benutzer"));
    frame.show();
    QMimeData mime;
    mime.setText(QStringLiteral("1.234,5"));
    const QPoint at = frame.richEdit()->editor(0)->viewport()->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame.richEdit()->editor(0)->viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame.richEdit()->editor(0)->viewport(), &drop);
    EXPECT_EQ(lines(frame.tape()), QStringList{"1.234,5 ^"});
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("vom Benutzer"));

    frame.tape().AppendLine(QStringLiteral("5 +"));
    child<QToolButton>("SpeedButton3")->click();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("1.234,5 ^\r\n5 +"));
}

TEST_F(TFrame4Test, ContextMenuFormatsTheSelection) {
    recordTwelvePlusFive(frame.tape());
    selectLine(0);
    frame.setSelectionSize(12);
    frame.setParagraphAlignment(Tape::Alignment::Center);
    EXPECT_EQ(look(frame.tape(), 0), "C Arial 12 B #000000");

    selectLine(1);
    frame.commentStyle();
    EXPECT_EQ(look(frame.tape(), 1), "L Arial 11 - #000000");
    selectLine(1);
    QTextCharFormat red;
    red.setForeground(QColor(255, 0, 0));
    frame.richEdit()->mergeIntoSelection(red);
    frame.tapeStyle();
    EXPECT_EQ(look(frame.tape(), 1), "R Arial 10 B #ff0000") << "\"Tape\" keeps the colour";

    std::vector<int> applied;
    dialogs.fontDialog = [&](QTextCharFormat& format, const std::function<void(const QTextCharFormat&)>& apply) {
        EXPECT_EQ(format.fontPointSize(), 10);
        QTextCharFormat f;
        f.setFontItalic(true);
        apply(f);
        applied.push_back(1);
        f.setFontUnderline(true);
        format = f;
        return true;
    };
    selectLine(3);
    frame.chooseFont();
    EXPECT_EQ(applied.size(), 1u);
    EXPECT_EQ(look(frame.tape(), 3), "R Arial 10 BIU #000000");

    frame.tape().ClearUndo();
    selectLine(3);
    frame.richEdit()->removeSelectedText();
    EXPECT_EQ(frame.tape().Line(3), QString());
    frame.undoOnce();
    EXPECT_EQ(frame.tape().Line(3), QStringLiteral("17 T"));
    EXPECT_FALSE(frame.tape().isUndoAvailable()) << "one level only";

    selectLine(0);
    frame.commentStyle();
    frame.undoOnce();
    EXPECT_EQ(look(frame.tape(), 0), "C Arial 12 B #000000") << "\"Kommentar\" goes back in one step";
}

TEST_F(TFrame4Test, PrintsAsKalkuloTapeIntoAPdfPageAfterPage) {
    const QString pdf = dir.filePath(QStringLiteral("druck.pdf"));
    bool asked = false;
    dialogs.printerSetup = [&](QPrinter& printer) {
        asked = true;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    frame.tape().AppendLine(QStringLiteral("abc"));
    frame.printTape();
    EXPECT_TRUE(asked) << "the printer setup comes first";
    EXPECT_EQ(dialogs.last(), QStringLiteral("Tape ist leer, Ausdruck abgebrochen!"));
    EXPECT_FALSE(QFile::exists(pdf));

    for (int i = 0; i < 300; ++i) frame.tape().AppendLine(QStringLiteral("%1 +").arg(i));
    frame.printTape();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QByteArray title;
    for (const QChar c : QStringLiteral("Kalkulo Tape")) title += '\0', title += static_cast<char>(c.unicode());
    EXPECT_TRUE(bytes.contains(title)) << "the job name is the document title";
    EXPECT_GT(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1)
        << "300 lines need more than one page";

    dialogs.printerSetup = [](QPrinter&) { return false; };
    dialogs.shown.clear();
    frame.printTape();
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(TFrame4Test, AShownTapeRecordsRightAfterAClear) {
    frame.show();
    recordTwelvePlusFive(frame.tape());
    QApplication::processEvents();
    frame.tape().Clear();
    QApplication::processEvents();
    recordTwelvePlusFive(frame.tape());
    QApplication::processEvents();
    EXPECT_EQ(lines(frame.tape()), (QStringList{"12 ^", "5 +", kDashes, "17 T"}));
}

TEST_F(TFrame4Test, BelowTheLastLineTheTapeTakesPressesDropsAndItsMenu) {
    frame.show();
    QWidget* below = frame.richEdit()->viewport();
    const QPoint at(20, below->height() - 10);
    QSignalSpy equals(&frame, &TFrame4::focusEqualsRequested);
    QTest::mousePress(below, Qt::LeftButton, {}, at);
    EXPECT_EQ(equals.count(), 1);

    QMimeData mime;
    mime.setText(QStringLiteral("7"));
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(below, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(below, &drop);
    EXPECT_EQ(lines(frame.tape()), QStringList{"7 ^"});

    QSignalSpy popup(&frame, &TFrame4::contextMenuOpened);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, at, below->mapToGlobal(at));
    QApplication::sendEvent(below, &menu);
    EXPECT_EQ(popup.count(), 1);
    frame.contextMenu()->hide();
}

namespace {

// A shown Tape two lines into its second section.
class LongTapeTest : public TFrame4Test {
protected:
    void SetUp() override {
        frame.show();
        for (int i = 0; i < n; ++i) frame.tape().AppendLine(QString::number(i));
    }
    const int n = TapeDocument::SectionLines + 2;
    TapeView& view = *frame.richEdit();
};

}  // namespace

TEST_F(LongTapeTest, SectionsStackIntoOneStripThatFollowsTheEnd) {
    ASSERT_EQ(view.editorCount(), 2);
    EXPECT_EQ(view.editor(1)->y(), view.editor(0)->geometry().bottom() + 1) << "no gap between sections";
    EXPECT_EQ(view.editor(0)->height(), view.editor(0)->textHeight());
    EXPECT_EQ(view.verticalScrollBar()->value(), view.verticalScrollBar()->maximum());

    frame.tape().DeleteLastLine();
    frame.tape().DeleteLastLine();
    EXPECT_EQ(view.editorCount(), 1);
    frame.tape().AppendLine(QStringLiteral("a"));
    frame.tape().AppendLine(QStringLiteral("b"));
    child<QPushButton>("Button1")->click();
    EXPECT_EQ(view.editorCount(), 1);
}

TEST_F(LongTapeTest, SelectionCommandsAndTheirUndoSpanAllSections) {
    QTest::keyClick(view.editor(0), Qt::Key_A, Qt::ControlModifier);
    QTest::mousePress(view.editor(0)->viewport(), Qt::RightButton, {}, QPoint(5, 5));
    QTest::keyClick(view.editor(0), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().split(u'\n').size(), n) << "a right click keeps the selection";

    frame.setSelectionSize(12);
    EXPECT_EQ(lineFormat(frame.tape(), n - 1).fontPointSize(), 12);
    QTest::keyClick(view.editor(0), Qt::Key_X);
    EXPECT_EQ(frame.tape().Text(), QStringLiteral("x")) << "typing replaces the whole selection";
    EXPECT_EQ(view.editorCount(), 1);
    frame.undoOnce();
    EXPECT_EQ(frame.tape().LineCount(), n) << "and goes back as one step";
    EXPECT_EQ(lineFormat(frame.tape(), n - 1).fontPointSize(), 12);

    frame.richEdit()->selectAll();
    frame.richEdit()->removeSelectedText();
    QTest::keyClicks(view.currentEditor(), QStringLiteral("ab"));
    frame.tape().undo();
    frame.tape().undo();
    EXPECT_EQ(frame.tape().Text(), QString()) << "undo never replays half of the deletion";
}

TEST_F(LongTapeTest, CursorKeysCrossSectionsAndEndASelectionAcrossThem) {
    QTextCursor end(view.editor(0)->document());
    end.movePosition(QTextCursor::End);
    view.editor(0)->setTextCursor(end);
    view.editor(0)->setFocus();
    QTest::keyClick(view.editor(0), Qt::Key_Down);
    EXPECT_EQ(view.currentEditor(), view.editor(1));
    EXPECT_EQ(view.editor(1)->textCursor().position(), 0);
    QTest::keyClick(view.editor(1), Qt::Key_Left);
    EXPECT_TRUE(view.editor(0)->textCursor().atEnd());
    QTest::keyClick(view.editor(0), Qt::Key_End, Qt::ControlModifier);
    EXPECT_TRUE(view.editor(1)->textCursor().atEnd());

    QTest::keyClick(view.editor(0), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(view.editor(0), Qt::Key_Left);
    QTest::keyClick(view.editor(0), Qt::Key_Z);
    EXPECT_EQ(frame.tape().LineCount(), n);
    EXPECT_EQ(frame.tape().Line(0), QStringLiteral("z0"));
}

TEST_F(LongTapeTest, ACommentInANewSectionSurvivesDeletionsElsewhere) {
    while (frame.tape().LineCount() < 2 * TapeDocument::SectionLines) frame.tape().AppendLine(QStringLiteral("1"));
    child<QToolButton>("SpeedButton1")->click();
    ASSERT_EQ(view.editorCount(), 3) << "the comment line opens a section";
    const int withComment = frame.tape().LineCount();
    selectLine(0);
    frame.richEdit()->removeSelectedText();
    EXPECT_EQ(frame.tape().LineCount(), withComment);

    QTest::keyClick(view.editor(2), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(view.editor(2), Qt::Key_Z);
    EXPECT_EQ(frame.tape().Text(), QStringLiteral("z"));
}
