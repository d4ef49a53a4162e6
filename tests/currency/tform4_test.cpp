// The rate dialog as the user meets it: its controls and texts, white and yellow rate field, a
// pasted rate, "Übernehmen" reaching the converter, and the seam for loading reference rates.
#include "converterfixture.h"
#include "currency/views/tform4.h"
#include "support/testapplication.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class TForm4Test : public ConverterTest {
public:
    TestApplicationFirst app;
    TForm4 form{conv, dialogs};

    void choose(int index) {
        form.ComboBox1->setCurrentIndex(index);
        emit form.ComboBox1->activated(index);
    }
    QColor rateColour() const { return form.Edit1->palette().color(QPalette::Base); }
};

TEST_F(TForm4Test, ControlsCarryTheirNamesTextsAndStates) {
    EXPECT_EQ(form.windowTitle(), "Umrechnungskurse aktualisieren");
    EXPECT_EQ(form.objectName(), "Form4");
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(form.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint));
    EXPECT_EQ(form.minimumSize(), form.maximumSize()) << "a fixed border";
    const struct {
        const char* name;
        const char* text;
    } texts[] = {
        {"Label2", "Währung:"},
        {"Label3", "Kurs:"},
        {"SpeedButton1", "Kurs bearbeiten"},
        {"SpeedButton2", "Übernehmen"},
        {"SpeedButton3", "Schließen"},
        {"SpeedButton4", "EZB-Kurse laden"},
        {"Label4", ""},
    };
    for (const auto& t : texts) {
        auto* w = form.findChild<QWidget*>(t.name);
        ASSERT_NE(w, nullptr) << t.name;
        EXPECT_TRUE(form.rect().contains(w->geometry())) << t.name;
        const QString text =
            qobject_cast<QLabel*>(w) ? qobject_cast<QLabel*>(w)->text() : qobject_cast<QPushButton*>(w)->text();
        EXPECT_EQ(text, QString::fromUtf8(t.text)) << t.name;
    }
    EXPECT_EQ(form.Label1->text().split(u'\n'),
              (QStringList{"Währungsumrechnung ausführen (1 Euro = X Währung).",
                           "Danach das Ergebnis kopieren, und nach einem Klick ",
                           "auf \"Kurs bearbeiten\" den neuen Kurs einfügen."}));
    EXPECT_FALSE(form.SpeedButton2->isEnabled());
    EXPECT_TRUE(form.Edit1->isReadOnly());
}

TEST_F(TForm4Test, APastedRateIsCleanedAndTakenOver) {
    form.Open();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.ComboBox1->count(), 7);
    EXPECT_EQ(form.ComboBox1->currentIndex(), -1);

    choose(3);
    EXPECT_EQ(form.Edit1->text(), "1.612");
    EXPECT_EQ(rateColour(), QColor(Qt::white));
    QTest::mouseClick(form.SpeedButton1, Qt::LeftButton);
    EXPECT_FALSE(form.Edit1->isReadOnly());
    EXPECT_EQ(rateColour(), QColor(Qt::yellow));
    EXPECT_EQ(form.Edit1->selectedText(), "1.612") << "ready for pasting";

    QApplication::clipboard()->setText(QStringLiteral("1.234,5678"));
    form.Edit1->paste();
    EXPECT_EQ(form.Edit1->text(), "1234.5678");
    EXPECT_TRUE(form.SpeedButton2->isEnabled());

    QSignalSpy changed(&form, &TForm4::converterChanged);
    QTest::mouseClick(form.SpeedButton2, Qt::LeftButton);
    EXPECT_EQ(conv.Rates[3], "1234.5678");
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(form.Edit1->isReadOnly());
    EXPECT_EQ(rateColour(), QColor(Qt::white));
    EXPECT_FALSE(form.SpeedButton2->isEnabled());
    EXPECT_TRUE(dialogs.shown.isEmpty());

    QTest::mouseClick(form.SpeedButton1, Qt::LeftButton);
    form.Edit1->selectAll();
    QTest::keyClicks(form.Edit1, "1,4567");  // typed: the comma becomes the decimal point
    EXPECT_EQ(form.Edit1->text(), "1.4567");
}

TEST_F(TForm4Test, TheReferenceRateSeam) {
    QSignalSpy requested(&form, &TForm4::ecbRatesRequested);
    QSignalSpy closed(&form, &TForm4::closed);
    form.Open();
    QTest::mouseClick(form.SpeedButton4, Qt::LeftButton);
    EXPECT_EQ(requested.count(), 1);

    // Loading and the refresh after it are driven end to end from the main window's route.
    QTest::mouseClick(form.SpeedButton3, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(closed.count(), 1);
    form.Open();
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(closed.count(), 2) << "closing by Esc counts too";
}
