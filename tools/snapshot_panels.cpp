// Renders the trigonometry and tax panels in their modes to PNG files, for a look by eye:
// snapshot_panels <output folder>
#include "tools/snapshotsupport.h"
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
    const std::optional<QDir> out = snapshotFolder(argc, argv);
    if (!out) return 2;
    const QDir& folder = *out;

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
    ok &= saveSnapshot(trigView, folder, QStringLiteral("trig_grad.png"));
    trigView.RadioButton2->click();
    ok &= saveSnapshot(trigView, folder, QStringLiteral("trig_rad.png"));
    trigView.RadioButton1->click();
    typeFirstOperand(calc, "0.5");
    trigView.Arc->click();
    ok &= saveSnapshot(trigView, folder, QStringLiteral("trig_arc.png"));
    trigView.Arc->click();
    typeFirstOperand(calc, "2");
    trigView.hyp->click();
    ok &= saveSnapshot(trigView, folder, QStringLiteral("trig_hyp.png"));
    trigView.pressGraph();
    ok &= saveSnapshot(trigView, folder, QStringLiteral("trig_graph_open.png"));

    calc.WorkValue = 100;
    tax.RecomputeTax();
    taxView.render();
    ok &= saveSnapshot(taxView, folder, QStringLiteral("tax_nst.png"));
    taxView.VST->click();
    tax.TaxNames << QStringLiteral("Ermäßigt");
    tax.TaxRates << QStringLiteral("7");
    tax.SelectTax(2);
    taxView.render();
    ok &= saveSnapshot(taxView, folder, QStringLiteral("tax_vst_7.png"));
    return ok ? 0 : 1;
}
