#include "finance/views/tfinanzrechner.h"
#include "finance/views/tfoerder.h"
#include "financetestutil.h"
#include "support/scripteddialogs.h"
#include "support/testapplication.h"

#include <QApplication>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QCheckBox>
#include <QLabel>
#include <QSignalSpy>
#include <QSpinBox>
#include <QToolButton>
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
    FinanceCalculator finance;
    TFinanzrechner window{finance, dialogs};
};

TEST_F(FinanceWindow, StartsOnTheLoanPageAndComputesTheLoanFromTypedFields) {
    EXPECT_FALSE(window.isModal());
    EXPECT_EQ(child<QTabWidget>("PageControl1")->currentIndex(), 0);
    EXPECT_EQ(texts({"Edit13", "Edit19"}), (QStringList{"30", "0"}));
    EXPECT_TRUE(child<QRadioButton>("Radio1")->isChecked() && child<QRadioButton>("Zins1")->isChecked());
    window.show();
    EXPECT_EQ(window.focusWidget(), child<QWidget>("Edit1"));
    // Three special repayments and five special payments below their heading rows.
    EXPECT_EQ((std::pair{child<QTableWidget>("Grid2")->rowCount(), child<QTableWidget>("Grid1")->rowCount()}),
              (std::pair{3, 5}));
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
    for (const char* name : {"Edit10", "Edit11", "Edit3", "Edit15"})
        EXPECT_EQ(child<QLineEdit>(name)->cursorPosition(), 0) << name;
    // "Gesamt gezahlt" is far too long for its field; the term in years and the last payment are short.
    EXPECT_EQ((QStringList{child<QLineEdit>("Edit10")->toolTip(), child<QLineEdit>("Edit3")->toolTip(),
                           child<QLineEdit>("Edit15")->toolTip()}),
              (QStringList{"1.332.260.848.558,66", "", ""}));
}

TEST_F(FinanceWindow, ReactionsBetweenComputations) {
    window.show();
    // A point typed into the amount or the interest is the decimal comma.
    compute({{"Edit1", "1.5"}});
    EXPECT_EQ(texts({"Edit1"}), QStringList{"1,5"});
    compute({{"Edit1", "100000"}, {"Edit2", "6"}, {"Edit13", "10"}, {"Edit14", "0"}});
    // A typed interest with "Rate" searches the payment again.
    child<QLineEdit>("Edit2")->clear();
    QTest::keyClicks(child<QLineEdit>("Edit2"), "5");
    EXPECT_EQ(texts({"Edit12"}), QStringList{"1.070,00"});

    // Grid cells translate typed characters by column; Enter commits the cell and computes.
    auto* grid = child<QTableWidget>("Grid2");
    // Making a cell current opens its editor.
    auto typeCell = [&](QTableWidget* g, int row, int column, const QString& text) {
        g->setCurrentCell(row, column);
        auto* editor = qobject_cast<QLineEdit*>(window.focusWidget());
        ASSERT_NE(editor, nullptr);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
    };
    const QString date = QDate::currentDate().addMonths(13).toString("d,M,yyyy");
    typeCell(grid, 0, 2, "10.000");
    const QStringList totalBefore = texts({"Edit10"});
    typeCell(grid, 0, 1, date);
    EXPECT_EQ((QStringList{grid->item(0, 1)->text(), grid->item(0, 2)->text()}),
              (QStringList{QString(date).replace(',', '.'), "10,000"}));
    EXPECT_NE(texts({"Edit10"}), totalBefore);

    // Variable interest: the "%" toggle shows the interest changes, and rows go to the list shown.
    QTest::mouseClick(child<QCheckBox>("vproz"), Qt::LeftButton);
    auto* percent = child<QToolButton>("SpeedButton7");
    ASSERT_TRUE(percent->isVisible());
    QTest::mouseClick(percent, Qt::LeftButton);
    EXPECT_TRUE(child<QTableWidget>("Grid3")->isVisible() && !grid->isVisible());
    EXPECT_EQ(child<QGroupBox>("SonderGroup")->title(), " Neuer Zins gültig ab Datum: ");
    QTest::mouseClick(child<QToolButton>("SpeedButton1"), Qt::LeftButton);
    EXPECT_EQ(child<QTableWidget>("Grid3")->item(3, 0)->text(), "4");

    // The subsidy box opens the subsidy window with the loan of 100 000.
    QTest::mouseClick(child<QCheckBox>("BauFi"), Qt::LeftButton);
    auto* foerder = window.findChild<TFoerder*>();
    ASSERT_NE(foerder, nullptr);
    EXPECT_TRUE(foerder->isVisible() && child<QLineEdit>("Edit7")->isEnabled());
    QTest::mouseClick(foerder->Alt, Qt::LeftButton);
    QTest::keyClick(foerder->Kinder, Qt::Key_Up);
    QTest::keyClick(foerder->Kinder, Qt::Key_Up);
    foerder->Edit1->clear();
    QTest::keyClicks(foerder->Edit1, "150000");
    EXPECT_EQ((QStringList{foerder->Edit12->text(), foerder->Edit2->text(), foerder->Ges->text()}),
              (QStringList{"2.600,00", "20.800,00", "8"}));
    // Typing into the number of children is swallowed and sends the focus to "OK".
    foerder->Kinder->setFocus();
    QTest::keyClicks(foerder->Kinder, "7");
    EXPECT_EQ(foerder->Kinder->value(), 2);
    EXPECT_EQ(foerder->focusWidget(), foerder->OKBtn);
    // The title bar's close acts as "OK": the 1 % message, the total on the loan page, the payment searched.
    const qsizetype shownBefore = dialogs.shown.size();
    foerder->close();
    EXPECT_FALSE(foerder->isVisible());
    EXPECT_EQ(dialogs.shown.size(), shownBefore + 1);
    EXPECT_TRUE(dialogs.last().startsWith("Bei einer Darlehenssumme von 100000 Euro\n"));
    EXPECT_EQ(texts({"Edit7"}), QStringList{"20.800,00"});
    // A click on the subsidy field opens the window again; Esc is "Keine Förderung".
    QTest::mouseClick(child<QLineEdit>("Edit7"), Qt::LeftButton);
    ASSERT_TRUE(foerder->isVisible());
    QTest::keyClick(foerder, Qt::Key_Escape);
    EXPECT_FALSE(foerder->isVisible() || child<QCheckBox>("BauFi")->isChecked() ||
                 child<QLineEdit>("Edit7")->isEnabled());
    EXPECT_EQ(texts({"Edit7"}), QStringList{""});

    // "Neue Berechnung", "&Hilfe" and "Schließen".
    QTest::mouseClick(child<QToolButton>("SpeedButton5"), Qt::LeftButton);
    EXPECT_EQ(texts({"Edit1", "Edit2", "Edit13"}), (QStringList{"", "0", "30"}));
    EXPECT_EQ(window.focusWidget(), child<QWidget>("Edit1"));
    EXPECT_TRUE(grid->isVisible() && !percent->isVisible() && grid->item(0, 2)->text().isEmpty());
    QSignalSpy help(&window, &TFinanzrechner::helpRequested);
    QTest::mouseClick(child<QPushButton>("HelpBtn"), Qt::LeftButton);
    EXPECT_EQ(help.count(), 1);
    QTest::mouseClick(child<QPushButton>("CancelBtn"), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
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
