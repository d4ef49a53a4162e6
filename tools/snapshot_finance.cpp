// Renders both pages of the financial window after a computation, the loan page with its interest changes and
// the subsidy window in both regimes to PNG files, for a look by eye:
// snapshot_finance <output folder>
#include "tools/printingdialogs.h"
#include "finance/views/tfinanzrechner.h"
#include "finance/views/tfoerder.h"
#include "finance/settingssource.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QDateEdit>
#include <QAbstractItemView>
#include <QDir>
#include <QPainter>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <cstdio>

namespace {

void put(QTableWidget* grid, int row, const QString& date, const QString& value) {
    grid->setItem(row, 1, new QTableWidgetItem(date));
    grid->setItem(row, 2, new QTableWidgetItem(value));
}

bool save(QWidget& window, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name);
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "Kann %s nicht schreiben\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "Aufruf: snapshot_finance <Ausgabeordner>\n");
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) return 1;

    PrintingDialogs dialogs;
    FinanceCalculator finance;
    TFinanzrechner window(finance, dialogs);
    window.show();
    const QDate start = QDate::currentDate();
    window.Edit1->setText(QStringLiteral("100.000,00"));
    window.Edit2->setText(QStringLiteral("6"));
    window.Edit13->setText(QStringLiteral("10"));
    window.Edit14->setText(QStringLiteral("0"));
    window.Edit12->setText(QStringLiteral("0"));
    window.Datum3->setDate(start.addYears(2));
    put(window.Grid2, 0, start.addYears(1).toString(QStringLiteral("dd.MM.yyyy")), QStringLiteral("5000"));
    window.OKBtnClick();
    bool ok = save(window, folder, QStringLiteral("finance_tilgung.png"));

    // The subsidy window opens from the loan page, first in the regime from 1.1.2006 with its amounts of 0.
    window.BauFi->click();
    TFoerder& foerder = window.foerder();
    ok = save(foerder, folder, QStringLiteral("foerder_neu.png")) && ok;
    foerder.Alt->click();
    foerder.Edit1->setText(QStringLiteral("150000"));
    foerder.Kinder->setValue(2);
    ok = save(foerder, folder, QStringLiteral("foerder_alt.png")) && ok;
    foerder.OKBtn->click();

    // Interest changes in place of the special repayments.
    window.vproz->click();
    window.SpeedButton7->click();
    put(window.Grid3, 0, start.addYears(3).toString(QStringLiteral("dd.MM.yyyy")), QStringLiteral("4,5"));
    put(window.Grid3, 1, start.addYears(6).toString(QStringLiteral("dd.MM.yy")), QStringLiteral("5"));
    window.OKBtnClick();
    ok = save(window, folder, QStringLiteral("finance_tilgung_zins.png")) && ok;

    window.PageControl1->setCurrentIndex(1);
    window.Edit16->setText(QStringLiteral("1.000,00"));
    window.Edit17->setText(QStringLiteral("3,5"));
    window.Edit18->setText(QStringLiteral("100"));
    window.Edit19->setText(QStringLiteral("10"));
    window.Datum6->setDate(start.addYears(5));
    put(window.Grid1, 0, start.addYears(2).toString(QStringLiteral("dd.MM.yy")), QStringLiteral("2500"));
    window.OKBtnClick();
    ok = save(window, folder, QStringLiteral("finance_anlage.png")) && ok;

    // A second window over a settings file with saved scenarios: the list open after "Haus" was picked.
    MemorySettings settings;
    const QStringList names{QStringLiteral("Haus"), QStringLiteral("Wohnung Köln"), QStringLiteral("Sparplan Kinder")};
    for (int i = 0; i < names.size(); ++i)
        settings.writeString(QStringLiteral("Finanzrechner"), QString::number(i), names[i]);
    const QString date = start.toString(QStringLiteral("dd.MM.yyyy"));
    for (const auto& [key, value] : {std::pair{"findex", "0"},
                                     {"dl", "250.000,00"},
                                     {"zins", "3,8"},
                                     {"MaxLaufzeit", "25"},
                                     {"LaufzeitM", "0"},
                                     {"vproz", "0"},
                                     {"rws", "4"}})
        settings.writeString(names[0], QString::fromLatin1(key), QString::fromLatin1(value));
    settings.writeString(names[0], QStringLiteral("datum"), date);
    settings.writeString(names[0], QStringLiteral("1"),
                         start.addYears(5).toString(QStringLiteral("dd.MM.yyyy")) + QStringLiteral(";20000"));
    FinanceCalculator stored;
    TFinanzrechner scenarios(stored, dialogs, nullptr, &settings);
    scenarios.show();
    scenarios.ComboBox1->setCurrentIndex(0);
    emit scenarios.ComboBox1->activated(0);
    ok = save(scenarios, folder, QStringLiteral("finance_szenario.png")) && ok;
    scenarios.ComboBox1->showPopup();
    QApplication::processEvents();
    if (QWidget* popup = scenarios.ComboBox1->view()->window()) {
        // The open list is a window of its own; it is drawn onto the window's picture where it stands.
        QPixmap picture = scenarios.grab();
        QPainter painter(&picture);
        painter.drawPixmap(scenarios.mapFromGlobal(popup->mapToGlobal(QPoint(0, 0))), popup->grab());
        painter.end();
        const QString path = folder.filePath(QStringLiteral("finance_szenario_liste.png"));
        ok = picture.save(path) && ok;
        std::printf("%s\n", qPrintable(path));
    }
    return ok ? 0 : 1;
}
