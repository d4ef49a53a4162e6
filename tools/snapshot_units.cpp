// Renders the unit panel's eight pages, each after a conversion chosen on it, to PNG files for a
// look by eye: snapshot_units <output folder>
#include "tools/snapshotsupport.h"
#include "core/calculator.h"
#include "tools/silentdialogs.h"
#include "panels/views/tframe5.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QToolButton>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::optional<QDir> out = snapshotFolder(argc, argv);
    if (!out) return 2;
    const QDir& folder = *out;

    SilentDialogs dialogs;
    Calculator calc(dialogs);
    UnitPanel panel(calc, dialogs);
    TFrame5 frame(panel);
    QFont windowFont(QStringLiteral("Arial"));  // what the main window gives its panels
    windowFont.setPixelSize(11);
    frame.setFont(windowFont);
    frame.setFieldColour(0x00FFFF);  // "Gelb"
    frame.OpenPanel();
    frame.show();

    bool ok = true;
    for (int page = 0; page < UnitPageCount; ++page) {
        frame.Tabs[page]->click();
        // The last unit as source shows how the longest names fit.
        const int last = frame.Combo[2 * page]->count() - 1;
        frame.Combo[2 * page]->setCurrentIndex(last);
        panel.SourceChosen(last);
        frame.refresh();
        ok &= saveSnapshot(frame, folder,
                           QStringLiteral("units_%1_%2.png").arg(page + 1).arg(unitText(unitPageTable(page).caption)));
    }
    frame.setFieldColour(0xFFFFFF);  // "Weiß"
    ok &= saveSnapshot(frame, folder, QStringLiteral("units_9_weiss.png"));
    return ok ? 0 : 1;
}
