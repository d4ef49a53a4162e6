#include "finance/tfinanzrechner.h"
#include "financetestutil.h"
#include "support/scripteddialogs.h"

#include <QApplication>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QApplication& app() {
    static int argc = 1;
    static char name[] = "finance_window_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: tearing it down among the exit handlers crashes inside Qt.
    static auto* instance = new QApplication(argc, argv);
    return *instance;
}

class FinanceWindow : public ::testing::Test {
protected:
    template <typename T = QWidget>
    T* child(const char* name) {
        T* w = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void type(const char* name, const QString& text) {
        auto* edit = child<QLineEdit>(name);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    QString text(const char* name) { return child<QLineEdit>(name)->text(); }

    QApplication& application = app();  // before any widget
    ScriptedDialogs dialogs;
    TFinanzrechner window{dialogs};
};

TEST_F(FinanceWindow, ComputesTheLoanFromTypedFields) {
    window.show();
    type("Edit1", "100000");
    type("Edit2", "6");
    type("Edit13", "10");
    type("Edit14", "0");
    QTest::mouseClick(child<QPushButton>("OKBtn"), Qt::LeftButton);
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(text("Edit12"), "1.120,00");
    EXPECT_EQ(text("Edit3"), "9");
    EXPECT_EQ(text("Edit8"), "11");
    EXPECT_EQ(text("Edit15"), "637,22");
    EXPECT_EQ(text("Edit10"), "132.797,22");
    EXPECT_EQ(text("Edit11"), "32.797,22");
    EXPECT_EQ(child<QDateEdit>("Datum2")->date(), QDate::currentDate().addMonths(119));
    EXPECT_EQ(child<QGroupBox>("StatusGroup")->title(), "Status nach 0 Jahr(en) und 0 Monat(en)");

    // Hidden and shown again, the window keeps what it showed.
    window.hide();
    window.show();
    EXPECT_EQ(text("Edit10"), "132.797,22");
}

TEST_F(FinanceWindow, CheckMessageMovesTheFocus) {
    window.show();
    type("Edit1", "100000");
    child<QLineEdit>("Edit2")->clear();
    QTest::mouseClick(child<QPushButton>("OKBtn"), Qt::LeftButton);
    EXPECT_EQ(dialogs.shown, QStringList{"Zinssatz eingeben"});
    EXPECT_EQ(window.focusWidget(), child<QWidget>("Edit2"));
    EXPECT_TRUE(text("Edit10").isEmpty());
}

TEST_F(FinanceWindow, SavingsPageReadsItsGrid) {
    window.show();
    child<QTabWidget>("PageControl1")->setCurrentIndex(1);
    type("Edit16", "1.000");
    type("Edit17", "12");
    type("Edit18", "100");
    type("Edit19", "1");
    child<QRadioButton>("Zins2")->setChecked(true);
    auto* grid = child<QTableWidget>("Grid1");
    grid->setItem(0, 1, new QTableWidgetItem(QDate::currentDate().toString("dd.MM.yy")));
    grid->setItem(0, 2, new QTableWidgetItem("500"));
    QTest::mouseClick(child<QPushButton>("OKBtn"), Qt::LeftButton);
    EXPECT_TRUE(dialogs.shown.isEmpty());
    // 1000 · 1,12 + 500 + 100
    EXPECT_EQ(text("Edit21"), "1.720,00");
    EXPECT_EQ(text("Edit20"), "1.600,00");
    EXPECT_EQ(text("Edit24"), "1.000,00");
}

TEST_F(FinanceWindow, StartsOnTheLoanPageWithItsInitialValues) {
    EXPECT_FALSE(window.isModal());
    EXPECT_EQ(child<QTabWidget>("PageControl1")->currentIndex(), 0);
    EXPECT_EQ(text("Edit13"), "30");
    EXPECT_EQ(text("Edit19"), "0");
    EXPECT_TRUE(child<QRadioButton>("Radio1")->isChecked());
    EXPECT_TRUE(child<QRadioButton>("Zins1")->isChecked());
    window.show();
    EXPECT_EQ(window.focusWidget(), child<QWidget>("Edit1"));
    EXPECT_EQ(child<QTableWidget>("Grid2")->rowCount() + 1, 4);
    EXPECT_EQ(child<QTableWidget>("Grid1")->rowCount() + 1, 6);
    EXPECT_TRUE(child<QTableWidget>("Grid3")->isHidden());
    EXPECT_EQ(child<QTableWidget>("Grid1")->item(4, 0)->text(), "5");
}

}  // namespace
