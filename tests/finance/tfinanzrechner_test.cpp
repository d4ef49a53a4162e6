#include "finance/tfinanzrechner.h"
#include "financetestutil.h"
#include "support/scripteddialogs.h"
#include "support/testapplication.h"

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

class FinanceWindow : public ::testing::Test, TestApplicationFirst {
protected:
    template <typename T = QWidget>
    T* child(const char* name) {
        T* w = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // Types each text into its cleared field, then presses OK.
    void compute(std::initializer_list<std::pair<const char*, QString>> typed) {
        for (const auto& [name, text] : typed) {
            child<QLineEdit>(name)->clear();
            QTest::keyClicks(child<QLineEdit>(name), text);
        }
        QTest::mouseClick(child<QPushButton>("OKBtn"), Qt::LeftButton);
    }
    QStringList texts(std::initializer_list<const char*> names) {
        QStringList out;
        for (const char* name : names) out << child<QLineEdit>(name)->text();
        return out;
    }

    ScriptedDialogs dialogs;
    TFinanzrechner window{dialogs};
};

TEST_F(FinanceWindow, StartsOnTheLoanPageAndComputesTheLoanFromTypedFields) {
    EXPECT_FALSE(window.isModal());
    EXPECT_EQ(child<QTabWidget>("PageControl1")->currentIndex(), 0);
    EXPECT_EQ(texts({"Edit13", "Edit19"}), (QStringList{"30", "0"}));
    EXPECT_TRUE(child<QRadioButton>("Radio1")->isChecked() && child<QRadioButton>("Zins1")->isChecked());
    window.show();
    EXPECT_EQ(window.focusWidget(), child<QWidget>("Edit1"));
    // Three special repayments and five special payments below their heading rows.
    EXPECT_EQ((std::pair{child<QTableWidget>("Grid2")->rowCount(), child<QTableWidget>("Grid1")->rowCount()}), (std::pair{3, 5}));
    EXPECT_TRUE(child<QTableWidget>("Grid3")->isHidden());
    EXPECT_EQ(child<QTableWidget>("Grid1")->item(4, 0)->text(), "5");

    // A check message moves the focus to its field.
    compute({{"Edit1", "100000"}, {"Edit2", ""}});
    EXPECT_EQ(dialogs.shown, QStringList{"Zinssatz eingeben"});
    EXPECT_EQ(window.focusWidget(), child<QWidget>("Edit2"));

    compute({{"Edit1", "100000"}, {"Edit2", "6"}, {"Edit13", "10"}, {"Edit14", "0"}});
    EXPECT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(texts({"Edit12", "Edit3", "Edit8", "Edit15", "Edit10", "Edit11"}),
              (QStringList{"1.120,00", "9", "11", "637,22", "132.797,22", "32.797,22"}));
    EXPECT_EQ(child<QDateEdit>("Datum2")->date(), QDate::currentDate().addMonths(119));
    EXPECT_EQ(child<QGroupBox>("StatusGroup")->title(), "Status nach 0 Jahr(en) und 0 Monat(en)");

    // Hidden and shown again, the window keeps what it showed.
    window.hide();
    window.show();
    EXPECT_EQ(texts({"Edit10"}), QStringList{"132.797,22"});
}

TEST_F(FinanceWindow, ResultFieldsShowTheirBeginningAndTheWholeOfALongValueInTheTooltip) {
    window.show();
    compute({{"Edit1", "1000000000000"}, {"Edit2", "6"}, {"Edit13", "10"}, {"Edit14", "0"}});
    for (const char* name : {"Edit10", "Edit11", "Edit3", "Edit15"}) EXPECT_EQ(child<QLineEdit>(name)->cursorPosition(), 0) << name;
    // "Gesamt gezahlt" is far too long for its field; the term in years and the last payment are short.
    EXPECT_EQ((QStringList{child<QLineEdit>("Edit10")->toolTip(), child<QLineEdit>("Edit3")->toolTip(),
                           child<QLineEdit>("Edit15")->toolTip()}),
              (QStringList{"1.332.260.848.558,66", "", ""}));
}

TEST_F(FinanceWindow, SavingsPageReadsItsGrid) {
    window.show();
    child<QTabWidget>("PageControl1")->setCurrentIndex(1);
    child<QRadioButton>("Zins2")->setChecked(true);
    auto* grid = child<QTableWidget>("Grid1");
    grid->setItem(0, 1, new QTableWidgetItem(QDate::currentDate().toString("dd.MM.yy")));
    grid->setItem(0, 2, new QTableWidgetItem("500"));
    compute({{"Edit16", "1.000"}, {"Edit17", "12"}, {"Edit18", "100"}, {"Edit19", "1"}});
    EXPECT_TRUE(dialogs.shown.isEmpty());
    // 1000 · 1,12 + 500 + 100
    EXPECT_EQ(texts({"Edit21", "Edit20", "Edit24"}), (QStringList{"1.720,00", "1.600,00", "1.000,00"}));
}

}  // namespace
