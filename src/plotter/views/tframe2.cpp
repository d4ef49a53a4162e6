#include "plotter/views/tframe2.h"

#include "plotter/plotter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

namespace {
template <typename W>
W* make(QWidget* parent, const QString& name, QRect rect, const QString& text = {}) {
    auto* w = new W(parent);
    w->setObjectName(name);
    w->setGeometry(rect);
    if constexpr (requires { w->setText(text); }) {
        if (!text.isEmpty()) w->setText(text);
    }
    return w;
}
}  // namespace

PlotSurface::PlotSurface(Plotter& plotter, QWidget* parent) : QWidget(parent), plotter_(plotter) {
    setObjectName(QStringLiteral("Image1"));
    setGeometry(10, 8, Plotter::W, Plotter::H);
}

void PlotSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, plotter_.Image1);
}

TFrame2::TFrame2(Plotter& plotter, QWidget* parent) : QFrame(parent), plotter_(plotter) {
    setObjectName(QStringLiteral("Frame21"));
    setFrameShape(QFrame::StyledPanel);
    resize(PanelWidth, PanelHeight);
    Image1 = new PlotSurface(plotter, this);
    buildControls();
    buildInformationArea();
    connectControls();
    render();
}

void TFrame2::buildControls() {
    const int top = 416;
    LabelScale = make<QLabel>(this, "LabelScale", {8, top + 3, 64, 17}, QStringLiteral("Auflösung:"));
    ComboBox1 = make<QComboBox>(this, "ComboBox1", {72, top, 50, 22});
    ComboBox1->addItems(plotscale::ScaleItems());
    ComboBox1->setMaxVisibleItems(20);
    CheckBox1 = make<QCheckBox>(this, "CheckBox1", {126, top + 2, 56, 18}, QStringLiteral("Gitter"));
    CheckBox2 = make<QCheckBox>(this, "CheckBox2", {182, top + 2, 70, 18}, QStringLiteral("Gitter 2"));
    GradRad = make<QToolButton>(this, "GradRad", {254, top, 24, 22});
    GradRad->setCheckable(true);
    Halten = make<QToolButton>(this, "Halten", {282, top, 56, 22}, QStringLiteral("Erhalten"));
    Halten->setCheckable(true);
    Halten->setToolTip(QStringLiteral("Diesen Graph erhalten und einen neuen hinzu zeichnen"));
    SnP = make<QCheckBox>(this, "SnP", {342, top + 2, 42, 18}, QStringLiteral("SP"));
    SnP->setToolTip(QStringLiteral("Schnittpunkt berechnen"));
    UndoButton = make<QToolButton>(this, "UndoButton", {388, top, 22, 22}, QStringLiteral("↶"));
    UndoButton->setToolTip(QStringLiteral("Letzte Änderung rückgängig"));
}

void TFrame2::buildInformationArea() {
    const int top = 448;
    LabelX = make<QLabel>(this, "LabelX", {10, top, 40, 17}, QStringLiteral("x = "));
    LabelXValue = make<QLabel>(this, "LabelXValue", {50, top, 360, 17});
    LabelFx = make<QLabel>(this, "LabelFx", {10, top + 20, 40, 17}, QStringLiteral("f(x) = "));
    LabelFxValue = make<QLabel>(this, "LabelFxValue", {50, top + 20, 360, 17});
    LabelTerm1 = make<QLabel>(this, "LabelTerm1", {10, top + 46, 50, 17}, QStringLiteral("Term 1: "));
    LabelTerm1Value = make<QLabel>(this, "LabelTerm1Value", {60, top + 46, 350, 17});
    LabelTerm2 = make<QLabel>(this, "LabelTerm2", {10, top + 66, 50, 17}, QStringLiteral("Term 2: "));
    LabelTerm2Value = make<QLabel>(this, "LabelTerm2Value", {60, top + 66, 350, 17});

    const char* captions[] = {"Sinus (y/r):", "Kosinus (x/r):", "Tangens (y/x):",
                              "Kotangens (x/y):", "Sekans (r/x):", "Kosekans (r/y):"};
    for (int i = 0; i < 6; ++i) {
        const int left = i < 3 ? 10 : 215;
        const int y = top + 20 * (i % 3);
        TrigCaptions[i] = make<QLabel>(this, QStringLiteral("LabelTrig%1").arg(i + 1), {left, y, 100, 17},
                                       QString::fromLatin1(captions[i]));
        TrigValues[i] = make<QLabel>(this, QStringLiteral("LabelTrigValue%1").arg(i + 1), {left + 100, y, 95, 17});
    }
    LabelRadius = make<QLabel>(this, "LabelRadius", {10, top + 70, 70, 17}, QStringLiteral("Bei Radius"));
    Edit1 = make<QLineEdit>(this, "Edit1", {80, top + 67, 50, 22}, QStringLiteral("1"));
    Edit2 = make<QLineEdit>(this, "Edit2", {140, top + 67, 110, 22});
    Edit2->setReadOnly(true);
    Edit2->setMaxLength(12);
    Button2 = make<QPushButton>(this, "Button2", {258, top + 66, 60, 24}, QStringLiteral("Übern."));
}

template <typename Command>
void TFrame2::run(Command command) {
    if (rendering_) return;
    command();
    render();
    emit calculatorChanged();
    emit focusEqualsRequested();
}

void TFrame2::connectControls() {
    connect(ComboBox1, &QComboBox::activated, this, [this](int i) { run([this, i] { plotter_.ComboBox1Change(i); }); });
    connect(CheckBox1, &QCheckBox::clicked, this, [this](bool on) { run([this, on] { plotter_.GitterClick(on); }); });
    connect(CheckBox2, &QCheckBox::clicked, this, [this](bool on) { run([this, on] { plotter_.Gitter2Click(on); }); });
    connect(GradRad, &QToolButton::clicked, this, [this](bool on) { run([this, on] { plotter_.GradRadClick(on); }); });
    connect(Halten, &QToolButton::clicked, this, [this](bool on) { run([this, on] { plotter_.HoldMode = on; }); });
    connect(SnP, &QCheckBox::clicked, this, [this](bool on) { run([this, on] { plotter_.SnPChecked = on; }); });
    connect(UndoButton, &QToolButton::clicked, this, [this] { run([this] { plotter_.UndoClick(); }); });
}

void TFrame2::render() {
    rendering_ = true;
    ComboBox1->setCurrentIndex(plotter_.ScaleIndex);
    CheckBox1->setChecked(plotter_.Gitter);
    CheckBox2->setChecked(plotter_.Gitter2);
    CheckBox2->setEnabled(plotter_.Gitter2Enabled);
    GradRad->setChecked(plotter_.GradRadDown);
    GradRad->setText(plotter_.GradRadCaption);
    GradRad->setToolTip(plotter_.GradRadHint);
    GradRad->setVisible(plotter_.GradRadVisible);
    Halten->setChecked(plotter_.HoldMode);
    SnP->setChecked(plotter_.SnPChecked);
    SnP->setVisible(plotter_.HoldMode);
    UndoButton->setVisible(plotter_.UndoVisible);

    const bool functions = plotter_.FunctionView;
    for (QWidget* w : {static_cast<QWidget*>(LabelX), static_cast<QWidget*>(LabelXValue),
                       static_cast<QWidget*>(LabelFx), static_cast<QWidget*>(LabelFxValue)})
        w->setVisible(functions);
    LabelXValue->setText(plotter_.XValue);
    LabelFxValue->setText(plotter_.FxValue);
    const bool terms = functions && plotter_.HoldMode;
    for (QLabel* l : {LabelTerm1, LabelTerm1Value, LabelTerm2, LabelTerm2Value}) l->setVisible(terms);
    LabelTerm1Value->setText(plotter_.Term1Label);
    LabelTerm2Value->setText(plotter_.Term2Label);
    for (int i = 0; i < 6; ++i) {
        TrigCaptions[i]->setVisible(!functions);
        TrigValues[i]->setVisible(!functions);
    }
    for (QWidget* w : {static_cast<QWidget*>(LabelRadius), static_cast<QWidget*>(Edit1),
                       static_cast<QWidget*>(Edit2), static_cast<QWidget*>(Button2)})
        w->setVisible(!functions);
    for (QWidget* w : {static_cast<QWidget*>(LabelScale), static_cast<QWidget*>(ComboBox1),
                       static_cast<QWidget*>(CheckBox1), static_cast<QWidget*>(CheckBox2),
                       static_cast<QWidget*>(Halten)})
        w->setVisible(functions);
    Image1->update();
    rendering_ = false;
}
