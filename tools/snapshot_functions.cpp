// Renders the function panel in telling states to PNG files, for a look by eye:
// snapshot_functions <output folder>
#include "tools/snapshotsupport.h"
#include "tools/printingdialogs.h"
#include "core/calculator.h"
#include "functions/functionpanel.h"
#include "functions/views/tframe7.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <cstdio>

namespace {}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::optional<QDir> out = snapshotFolder(argc, argv);
    if (!out) return 2;
    const QDir& folder = *out;

    PrintingDialogs dialogs;
    Calculator calc(dialogs);
    FunctionPanel panel(calc, dialogs);
    TFrame7 frame(panel);
    frame.show();
    bool ok = saveSnapshot(frame, folder, QStringLiteral("functions_start.png"));

    // A saved formula with constants, evaluated twice: history and back/forward are live.
    calc.EnterDigit(u'3');
    panel.ComboBox1Change(QStringLiteral("a*x^2+c"));
    panel.Edit1 = QStringLiteral("2");
    panel.Edit3 = QStringLiteral("0,5");
    panel.SpeedButton1Click();
    panel.Button1Click();
    panel.ComboBox1Change(QStringLiteral("sin(x)"));
    panel.Button1Click();
    panel.Button2Caption = QStringLiteral("<-Graph");
    frame.render();
    ok = saveSnapshot(frame, folder, QStringLiteral("functions_history.png")) && ok;

    // A formula error marks the failing operator.
    panel.ComboBox1Change(QStringLiteral("x/(x-3)"));
    panel.Button1Click();
    frame.render();
    frame.ComboBox1->lineEdit()->setFocus();
    ok = saveSnapshot(frame, folder, QStringLiteral("functions_error.png")) && ok;
    return ok ? 0 : 1;
}
