// Renders the trigonometry and tax panels in their modes to PNG files, for a look by eye:
// snapshot_panels <output folder>
#include "core/calculator.h"
#include "tools/silentdialogs.h"
#include "panels/taxpanel.h"
#include "panels/trigpanel.h"
#include "panels/views/tframe1.h"
#include "panels/views/tframe6.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <cstdio>

namespace {

bool save(QWidget& panel, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name);
    if (!panel.grab().save(path)) {
        std::fprintf(stderr, "Kann %s nicht schreiben\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

void typeFirstOperand(Calculator& calc, const char* digits) {
    calc.ClearFields();
    for (const char* d = digits; *d; ++d) calc.EnterDigit(QChar::fromLatin1(*d));
}

// The calculator's Graugrün window colour behind the panels.
void paintWindow(QWidget& panel) {
    QPalette p = panel.palette();
    p.setColor(QPalette::Window, QColor(0x68, 0x83, 0x93));
    panel.setPalette(p);
    panel.setAutoFillBackground(true);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "Aufruf: snapshot_panels <Ausgabeordner>\n");
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) return 1;

    SilentDialogs dialogs;
    Calculator calc(dialogs);
    TrigPanel trig(calc, dialogs);
    TaxPanel tax(calc, dialogs);
    TFrame1 trigView(trig);
    TFrame6 taxView(tax);
    paintWindow(trigView);
    paintWindow(taxView);
    trigView.setTextColour(Qt::black);
    taxView.setTextColour(Qt::black);
    taxView.setFieldColour(QColor(0xFF, 0xFF, 0x00));
    trigView.show();
    taxView.show();

    bool ok = true;
    typeFirstOperand(calc, "30");
    trigView.Button1->click();
    ok &= save(trigView, folder, QStringLiteral("trig_grad.png"));
    trigView.RadioButton2->click();
    ok &= save(trigView, folder, QStringLiteral("trig_rad.png"));
    trigView.RadioButton1->click();
    typeFirstOperand(calc, "0.5");
    trigView.Arc->click();
    ok &= save(trigView, folder, QStringLiteral("trig_arc.png"));
    trigView.Arc->click();
    typeFirstOperand(calc, "2");
    trigView.hyp->click();
    ok &= save(trigView, folder, QStringLiteral("trig_hyp.png"));
    trigView.pressGraph();
    ok &= save(trigView, folder, QStringLiteral("trig_graph_open.png"));

    calc.WorkValue = 100;
    tax.RecomputeTax();
    taxView.render();
    ok &= save(taxView, folder, QStringLiteral("tax_nst.png"));
    taxView.VST->click();
    tax.TaxNames << QStringLiteral("Ermäßigt");
    tax.TaxRates << QStringLiteral("7");
    tax.SelectTax(2);
    taxView.render();
    ok &= save(taxView, folder, QStringLiteral("tax_vst_7.png"));
    return ok ? 0 : 1;
}
