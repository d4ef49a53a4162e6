// Renders the main window in telling states to PNG files: snapshot_main OUTPUT_FOLDER
#include "shell/appcontext.h"
#include "shell/tform1.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QPixmap>
#include <QPushButton>

namespace {
void save(TForm1& window, const QString& folder, const QString& name) {
    window.render();
    window.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

void type(Calculator& calc, const QString& keys) {
    for (QChar k : keys) {
        if (k.isDigit()) calc.EnterDigit(k);
        else if (k == u',') calc.EnterDigit(u'.');
        else if (k == u'=') calc.PressEquals();
        else calc.PressOperator(k);
    }
}
// A key as the user types it: the window's key preview sees it first.
void key(TForm1& window, Qt::Key code, const QString& text, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, code, mods, text);
    QApplication::sendEvent(window.Button16, &press);
}
}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("snapshots");
    QDir().mkpath(folder);

    AppContext context;
    TForm1& window = context.mainWindow();
    Calculator& calc = context.calculator();
    window.show();
    save(window, folder, QStringLiteral("main-start"));
    for (const char* count : {"12345", "2147483647"}) {
        calc.Label5 = QString::fromLatin1(count);
        save(window, folder, QStringLiteral("main-counter-%1").arg(QLatin1String(count)));
    }
    calc.Label5 = QStringLiteral("0");

    type(calc, QStringLiteral("1234,5+5"));
    save(window, folder, QStringLiteral("main-pending-operator"));
    calc.PressEquals();
    save(window, folder, QStringLiteral("main-result-format2"));
    calc.SpinValue = 3;
    calc.SetNumberFormat(1);
    save(window, folder, QStringLiteral("main-result-format1"));
    calc.SetNumberFormat(3);
    save(window, folder, QStringLiteral("main-result-format3"));
    calc.SelectCalculator(2);
    save(window, folder, QStringLiteral("main-r2"));
    calc.SelectCalculator(1);

    window.ToggleTape();
    calc.ClearFields();
    calc.SetNumberFormat(2);
    type(calc, QStringLiteral("12+5="));
    type(calc, QStringLiteral("-30="));
    calc.SubtotalMode = 1;
    type(calc, QStringLiteral("x2="));
    save(window, folder, QStringLiteral("main-tape"));
    window.ShowSidePanel(2);
    save(window, folder, QStringLiteral("main-tape-extension"));
    window.ToggleTape();
    save(window, folder, QStringLiteral("main-extension"));
    window.ArrowClicked();
    const char* backgrounds[] = {"graugruen", "gruen", "blau"};
    const char* fields[] = {"gelb", "beige", "weiss"};
    for (int scheme = 1; scheme <= 3; ++scheme) {
        window.SetBackgroundScheme(scheme);
        window.SetFieldScheme(scheme);
        save(window, folder,
             QStringLiteral("main-colours-%1-%2")
                 .arg(QLatin1String(backgrounds[scheme - 1]), QLatin1String(fields[scheme - 1])));
    }

    // The unit panel converting 1 Kilometer into Meter with "E", then the Tape with the converter.
    window.SetBackgroundScheme(1);
    window.SetFieldScheme(2);
    calc.ClearFields();
    calc.SetNumberFormat(3);
    context.engines().units.UnitSourceIndex = 1;
    type(calc, QStringLiteral("1"));
    key(window, Qt::Key_E, QStringLiteral("E"), Qt::ShiftModifier);
    save(window, folder, QStringLiteral("main-units"));
    window.ToggleTape();
    calc.ClearFields();
    calc.SetNumberFormat(2);
    type(calc, QStringLiteral("12+5="));
    save(window, folder, QStringLiteral("main-tape-units-converter"));
    key(window, Qt::Key_Less, QStringLiteral("<"));
    key(window, Qt::Key_3, QString(), Qt::ControlModifier);
    calc.ClearFields();
    type(calc, QStringLiteral("100"));
    key(window, Qt::Key_Q, QStringLiteral("q"));
    save(window, folder, QStringLiteral("main-tape-converter-dollar"));

    // The drawing panels: 30 Sin with the unit circle beside it, the tax of 100, x^2 at 3 with its curve.
    window.ToggleTape();
    calc.ClearFields();
    calc.SetNumberFormat(3);
    type(calc, QStringLiteral("30"));
    window.ShowSidePanel(0);
    window.Frame11->Button1->click();
    save(window, folder, QStringLiteral("main-trig"));
    window.Frame11->Button7->click();
    save(window, folder, QStringLiteral("main-trig-plotter"));
    window.ShowSidePanel(2);
    calc.ClearFields();
    calc.SetNumberFormat(2);
    type(calc, QStringLiteral("80+20="));
    save(window, folder, QStringLiteral("main-tax"));
    calc.ClearFields();
    calc.SetNumberFormat(3);
    type(calc, QStringLiteral("3"));
    window.ShowSidePanel(3);
    context.engines().functions.CurrentFormula = QStringLiteral("x^2");
    window.Frame71->Button1->click();
    save(window, folder, QStringLiteral("main-functions"));
    window.Frame71->Button2->click();
    save(window, folder, QStringLiteral("main-functions-plotter"));
    return 0;
}
