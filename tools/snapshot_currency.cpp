// Renders the converter panel in telling states to PNG files in the folder given as argument:
// first run (toward the euro), the other direction with a typed amount, adding and editing an
// entry, and a currency without a usable rate.
#include "core/calculator.h"
#include "tools/silentdialogs.h"
#include "tools/snapshotsupport.h"
#include "currency/currencyconverter.h"
#include "currency/views/tframe3.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <cstdio>
#include <functional>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::optional<QDir> folder = snapshotFolder(argc, argv);
    if (!folder) return 2;
    const QDir& out = *folder;

    using Field = CurrencyConverter::AmountField;
    const struct {
        const char* file;
        std::function<void(CurrencyConverter&)> steps;
    } states[] = {
        {"currency_first_run.png", [](CurrencyConverter&) {}},
        {"currency_toward_selected.png",
         [](CurrencyConverter& c) {
             c.ToggleDirection();
             c.AmountPressed(Field::Left);
             c.AmountReleased(Field::Left);
             c.AmountKeyReleased(Field::Left, QStringLiteral("1250.5"), false);
         }},
        {"currency_adding.png",
         [](CurrencyConverter& c) {
             c.PressNewEntry();
             c.EntryNameEdited(QStringLiteral("¥, Yen"));
             c.RateTextEdited(QStringLiteral("160.5"));
         }},
        {"currency_editing.png",
         [](CurrencyConverter& c) {
             c.SelectCurrency(3);
             c.PressEditEntry();
         }},
        {"currency_no_rate.png",
         [](CurrencyConverter& c) {
             c.Rates[5] = QStringLiteral("N/A");
             c.SelectCurrency(5);
         }},
    };
    int failures = 0;
    for (const auto& s : states) {
        SilentDialogs dialogs;
        Calculator calc(dialogs);
        calc.ApplyDisplaySettings(2, 2, 1, 0);
        CurrencyConverter converter(calc, dialogs);
        calc.setConverterHooks(&converter);
        converter.StartFirstRun();
        converter.SetVisible(true);
        TFrame3 frame(converter, dialogs);
        frame.setFieldColour(QColor(255, 255, 0));
        s.steps(converter);
        frame.render();
        frame.show();
        app.processEvents();
        if (!saveSnapshot(frame, out, QString::fromLatin1(s.file))) ++failures;
    }
    return failures == 0 ? 0 : 1;
}
