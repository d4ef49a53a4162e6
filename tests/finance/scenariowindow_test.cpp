#include "finance/settingssource.h"
#include "finance/views/tfinanzrechner.h"
#include "support/memorytape.h"
#include "support/scripteddialogs.h"
#include "support/testapplication.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class ScenarioWindow : public ::testing::Test, TestApplicationFirst {
protected:
    ScenarioWindow() {
        // A savings plan stored by an earlier run.
        settings.writeString("Finanzrechner", "0", "Sparen");
        for (const auto& [key, value] : {std::pair{"findex", "1"},
                                         {"dl", "1000"},
                                         {"zins", "3"},
                                         {"rate", "100"},
                                         {"datum", "15.01.2024"},
                                         {"lzt", "2"}})
            settings.writeString("Sparen", key, value);
        tape.visible = false;
    }
    QStringList items() const {
        QStringList out;
        for (int i = 0; i < window.ComboBox1->count(); ++i) out << window.ComboBox1->itemText(i);
        return out;
    }
    void typeName(const QString& name) {
        window.ComboBox1->lineEdit()->clear();
        QTest::keyClicks(window.ComboBox1->lineEdit(), name);
    }

    ScriptedDialogs dialogs;
    MemorySettings settings;
    MemoryTape tape;
    FinanceCalculator finance;
    TFinanzrechner window{finance, dialogs, nullptr, &settings, &tape};
};

TEST_F(ScenarioWindow, SaveLoadReportDeleteAndThePagesOwnEntries) {
    window.show();
    EXPECT_EQ(items(), QStringList{"Sparen"});
    // The program's own index changes load nothing; a pick by the user does.
    window.ComboBox1->setCurrentIndex(0);
    EXPECT_EQ(window.Edit16->text(), "");
    emit window.ComboBox1->activated(0);
    EXPECT_EQ(window.PageControl1->currentIndex(), 1);
    EXPECT_EQ((QStringList{window.Edit16->text(), window.Edit21->text()}), (QStringList{"1000", "3.532,04"}));

    // A typed name joins the list only by saving.
    window.PageControl1->setCurrentIndex(0);
    EXPECT_EQ(window.ComboBox1->currentText(), "");
    typeName("Haus");
    // Enter presses the default button "Berechnen".
    QTest::keyClick(window.ComboBox1->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(items(), QStringList{"Sparen"});
    EXPECT_EQ(dialogs.shown, QStringList{"Darlehenssumme eingeben"});
    dialogs.shown.clear();
    for (const auto& [edit, text] : {std::pair{window.Edit1, "100000"}, {window.Edit2, "6"}, {window.Edit13, "10"}}) {
        edit->setText(text);
    }
    window.SpeedButton2->click();
    EXPECT_EQ(items(), (QStringList{"Sparen", "Haus"}));
    EXPECT_EQ(settings.readString("Haus", "dl", ""), "100.000,00");
    EXPECT_EQ(settings.readString("Finanzrechner", "1", ""), "Haus");

    // The report reaches the hidden Tape.
    window.SpeedButton4->click();
    ASSERT_GT(tape.LineCount(), 5);
    EXPECT_EQ((QStringList{tape.Line(0), tape.Line(5)}), (QStringList{"Haus", "Rate:  1.120,00"}));

    // Each page shows the entry it had.
    window.PageControl1->setCurrentIndex(1);
    EXPECT_EQ(window.ComboBox1->currentText(), "Sparen");
    window.PageControl1->setCurrentIndex(0);
    EXPECT_EQ(window.ComboBox1->currentText(), "Haus");

    // Deleting the second entry resets the page.
    window.SpeedButton3->click();
    EXPECT_EQ(dialogs.shown, QStringList{"Eintrag löschen?"});
    EXPECT_EQ(items(), QStringList{"Sparen"});
    EXPECT_FALSE(settings.sectionExists("Haus"));
    EXPECT_EQ((QStringList{window.ComboBox1->currentText(), window.Edit1->text()}), (QStringList{"", ""}));

    // Closing stores the list.
    const int commits = settings.commits;
    window.CancelBtn->click();
    EXPECT_EQ(settings.commits, commits + 1);
    EXPECT_EQ(settings.sections.value("finanzrechner"), (QMap<QString, QString>{{"0", "Sparen"}}));
}

TEST_F(ScenarioWindow, AMissingNameTakesTheFocusToTheList) {
    window.show();
    window.Edit1->setText("100000");
    window.Edit2->setText("6");
    window.SpeedButton2->click();
    EXPECT_EQ(dialogs.shown, QStringList{"Namen eingeben"});
    EXPECT_TRUE(window.focusWidget() == window.ComboBox1 || window.focusWidget() == window.ComboBox1->lineEdit());
}

}  // namespace
