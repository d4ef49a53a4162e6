// The trigonometry, tax and function panels below the keypad and the plotter to the right. Each is
// built when first shown, so that start-up does not pay for it; the engines live from the start.
// A late frame takes the colours chosen before it.
#include "shell/tform1.h"

#include "functions/views/tframe7.h"
#include "panels/views/panelcolours.h"
#include "panels/views/tframe1.h"
#include "panels/views/tframe6.h"
#include "plotter/views/tframe2.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr QPoint kBelowKeypad(0, 412);
constexpr QPoint kRightOfKeypad(248, 0);
}  // namespace

void TForm1::buildTrigPanel() {
    if (Frame11) return;
    Frame11 = new TFrame1(trig_, face_);
    Frame11->move(kBelowKeypad);
    Frame11->hide();
    connect(Frame11, &TFrame1::calculatorChanged, this, [this] { render(); });
    connect(Frame11, &TFrame1::focusEqualsRequested, this, [this] { Button16->setFocus(); });
    connect(Frame11, &TFrame1::plotterShowRequested, this, [this] {
        if (!layout_.PlotterShown) ToggleGraph();
    });
    connect(Frame11, &TFrame1::plotterHideRequested, this, [this] {
        if (layout_.PlotterShown) ToggleGraph();
    });
    colourPanels();
}

void TForm1::buildTaxPanel() {
    if (Frame61) return;
    Frame61 = new TFrame6(tax_, face_);
    Frame61->move(kBelowKeypad);
    Frame61->hide();
    connect(Frame61, &TFrame6::calculatorChanged, this, [this] { render(); });
    connect(Frame61, &TFrame6::focusEqualsRequested, this, [this] { Button16->setFocus(); });
    colourPanels();
}

void TForm1::buildFunctionPanel() {
    if (Frame71) return;
    Frame71 = new TFrame7(functions_, face_);
    Frame71->move(kBelowKeypad);
    Frame71->hide();
    // "Graph ->" opens or closes the plotter through the layout engine; the window follows it.
    connect(Frame71, &TFrame7::calculatorChanged, this, [this] { followLayout(); });
    connect(Frame71, &TFrame7::focusEqualsRequested, this, [this] { Button16->setFocus(); });
    connect(Frame71, &TFrame7::helpRequested, this, [this] { emit helpRequested(QStringLiteral("Funktionen")); });
    colourPanels();
}

void TForm1::buildPlotter() {
    if (Frame21) return;
    Frame21 = new TFrame2(plotter_, face_);
    Frame21->move(kRightOfKeypad);
    Frame21->hide();
    connect(Frame21, &TFrame2::calculatorChanged, this, [this] { followLayout(); });
    connect(Frame21, &TFrame2::focusEqualsRequested, this, [this] { Button16->setFocus(); });
    colourPanels();
}

void TForm1::followLayout() {
    if (!(layout_.current() == applied_)) apply(layout_.current());
    render();
}

// "&Graph (G)" presses the graph button of the shown panel; with neither the trigonometry nor the
// function panel shown, the function panel opens first.
void TForm1::pressGraph() {
    if (layout_.SidePanelShown[static_cast<int>(SidePanelKind::Trigonometry)]) {
        Frame11->pressGraph();
        return;
    }
    if (!layout_.SidePanelShown[static_cast<int>(SidePanelKind::Functions)]) Funktionen->trigger();
    Frame71->Button2->click();
}

void TForm1::renderPanels() {
    if (Frame11 && Frame11->isVisibleTo(face_)) Frame11->render();
    if (Frame61 && Frame61->isVisibleTo(face_)) Frame61->render();
    if (Frame71 && Frame71->isVisibleTo(face_)) {
        Frame71->render();
        for (QLineEdit* constant : {Frame71->Edit1, Frame71->Edit2, Frame71->Edit3})
            constant->setEnabled(plotterRouter_.ConstantsEnabled);
    }
    if (Frame21 && Frame21->isVisibleTo(face_)) Frame21->render();
}

// The field colour on every input and list, the scheme's text colour on the small captions.
void TForm1::colourPanels() {
    const QColor field = TapeDocument::fromBgr(FieldColour);
    if (Frame11) Frame11->setTextColour(schemeText_);
    if (Frame61) {
        Frame61->setFieldColour(field);
        Frame61->setTextColour(schemeText_);
    }
    if (Frame71)
        for (QWidget* input : {static_cast<QWidget*>(Frame71->ComboBox1), static_cast<QWidget*>(Frame71->Edit1),
                               static_cast<QWidget*>(Frame71->Edit2), static_cast<QWidget*>(Frame71->Edit3)})
            panelcolours::paintField(input, field);
    if (Frame21) {
        Frame21->setPalette(converterPalette());
        panelcolours::paintField(Frame21->Edit1, field);
        panelcolours::paintField(Frame21->Edit2, field);
    }
}
