// Renders the rate dialog in telling states to PNG files in the folder given as argument: a
// currency chosen, its rate being edited (yellow), and reference rates loading.
#include "core/calculator.h"
#include "currency/currencyconverter.h"
#include "currency/views/tform4.h"
#include "tools/silentdialogs.h"
#include "tools/snapshotsupport.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <cstdio>
#include <functional>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::optional<QDir> folder = snapshotFolder(argc, argv);
    if (!folder) return 2;
    const QDir& out = *folder;

    auto choose = [](TForm4& form, int index) {
        form.ComboBox1->setCurrentIndex(index);
        emit form.ComboBox1->activated(index);
    };
    const struct {
        const char* file;
        std::function<void(TForm4&)> steps;
    } states[] = {
        {"rates_chosen.png", [&](TForm4& f) { choose(f, 3); }},
        {"rates_editing.png",
         [&](TForm4& f) {
             choose(f, 3);
             f.SpeedButton1->click();
             f.Edit1->setText(QStringLiteral("1,0856"));
         }},
        {"rates_loading.png",
         [&](TForm4& f) {
             choose(f, 4);
             f.setEcbLoading(true);
         }},
    };
    int failures = 0;
    for (const auto& s : states) {
        SilentDialogs dialogs;
        Calculator calc(dialogs);
        calc.ApplyDisplaySettings(2, 2, 1, 0);
        CurrencyConverter converter(calc, dialogs);
        converter.StartFirstRun();
        TForm4 form(converter, dialogs);
        form.Open();
        s.steps(form);
        QApplication::processEvents();
        if (!saveSnapshot(form, out, QString::fromLatin1(s.file))) ++failures;
    }
    return failures == 0 ? 0 : 1;
}
