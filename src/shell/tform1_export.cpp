// The Tape export's two options under "Einstellungen" ▸ "Erweitert" and the "MS Word" button.
#include "shell/tform1.h"

#include "tape/views/tframe4.h"

#include <QAction>
#include <QMenu>

void TForm1::buildExportItems(QMenu* advanced) {
    Textbox1 = advanced->addAction(QStringLiteral("Tape als Textbox in Word einfügen"));
    Textbox1->setObjectName(QStringLiteral("Textbox1"));
    Textbox1->setCheckable(true);
    Umrandung = advanced->addAction(QStringLiteral("Textbox ohne Umrandung"));
    Umrandung->setObjectName(QStringLiteral("Umrandung"));
    Umrandung->setCheckable(true);
    connect(Textbox1, &QAction::triggered, this, [this] { run([this] { tapeExport_.Textbox1Click(); }); });
    connect(Umrandung, &QAction::triggered, this, [this] { run([this] { tapeExport_.UmrandungClick(); }); });
}

// From the engine's state, so that a start with "TextBox=1" offers the border option at once.
void TForm1::renderExportItems() {
    Textbox1->setChecked(tapeExport_.TextBox);
    Umrandung->setChecked(tapeExport_.Umrandung);
    Umrandung->setEnabled(tapeExport_.UmrandungEnabled());
}

void TForm1::connectExport() {
    // The Tape's caret, selection and the keyboard focus stay where they are.
    connect(Frame41, &TFrame4::exportRequested, this, [this] { tapeExport_.exportTape(); });
}
