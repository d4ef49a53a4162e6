#include "plotter/views/tframe2.h"

#include "plotter/views/tbereich.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
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

void showAll(std::initializer_list<QWidget*> widgets, bool visible) {
    for (QWidget* w : widgets) w->setVisible(visible);
}
}  // namespace

TFrame2::TFrame2(Plotter& plotter, QWidget* parent) : QFrame(parent), plotter_(plotter) {
    setObjectName(QStringLiteral("Frame21"));
    setFrameShape(QFrame::StyledPanel);
    resize(PanelWidth, PanelHeight);
    Image1 = new PlotSurface(plotter, *this);
    buildControls();
    buildInformationArea();
    buildMenu();
    Bereich = new TBereich(plotter, this);
    connectControls();
    connectMenu();
    plotter_.setWindowHooks(this);
    render();
}

TFrame2::~TFrame2() { plotter_.setWindowHooks(nullptr); }

void TFrame2::setBusy(bool busy) {
    if (busy) QApplication::setOverrideCursor(Qt::WaitCursor);
    else QApplication::restoreOverrideCursor();
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
    Halten = make<QToolButton>(this, "Halten", {282, top, 62, 22}, QStringLiteral("Erhalten"));
    Halten->setCheckable(true);
    Halten->setToolTip(QStringLiteral("Diesen Graph erhalten und einen neuen hinzu zeichnen"));
    SnP = make<QCheckBox>(this, "SnP", {348, top + 2, 42, 18}, QStringLiteral("SP"));
    SnP->setToolTip(QStringLiteral("Schnittpunkt berechnen"));
    UndoButton = make<QToolButton>(this, "UndoButton", {390, top, 22, 22}, QStringLiteral("↶"));
    UndoButton->setToolTip(QStringLiteral("Letzte Änderung rückgängig"));
    SaveButton = make<QToolButton>(this, "SaveButton", {362, 578, 24, 24});
    SaveButton->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    SaveButton->setToolTip(QStringLiteral("Graph als Bild speichern"));
    ExportButton = make<QToolButton>(this, "ExportButton", {388, 578, 24, 24});
    ExportButton->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    ExportButton->setToolTip(QStringLiteral("Graph in LibreOffice exportieren"));
}

void TFrame2::buildInformationArea() {
    const int top = 448;
    LabelX = make<QLabel>(this, "LabelX", {10, top, 50, 17}, QStringLiteral("x = "));
    LabelXValue = make<QLabel>(this, "LabelXValue", {60, top, 350, 17});
    LabelFx = make<QLabel>(this, "LabelFx", {10, top + 20, 50, 17}, QStringLiteral("f(x) = "));
    LabelFxValue = make<QLabel>(this, "LabelFxValue", {60, top + 20, 350, 17});
    LabelTerm1 = make<QLabel>(this, "LabelTerm1", {10, top + 46, 50, 17}, QStringLiteral("Term 1: "));
    LabelTerm1Value = make<QLabel>(this, "LabelTerm1Value", {60, top + 46, 350, 17});
    LabelTerm2 = make<QLabel>(this, "LabelTerm2", {10, top + 66, 50, 17}, QStringLiteral("Term 2: "));
    LabelTerm2Value = make<QLabel>(this, "LabelTerm2Value", {60, top + 66, 350, 17});
    LabelResult1 = make<QLabel>(this, "LabelResult1", {10, top + 92, 400, 17});
    LabelResult2 = make<QLabel>(this, "LabelResult2", {10, top + 112, 340, 17});
    for (QLabel* l : {LabelResult1, LabelResult2}) l->setStyleSheet(QStringLiteral("color: blue"));

    const char* captions[] = {
        "Sinus (y/r):", "Kosinus (x/r):", "Tangens (y/x):", "Kotangens (x/y):", "Sekans (r/x):", "Kosekans (r/y):"};
    for (int i = 0; i < 6; ++i) {
        const int left = i < 3 ? 8 : 210;
        const int y = top + 20 * (i % 3);
        TrigCaptions[i] = make<QLabel>(this, QStringLiteral("LabelTrig%1").arg(i + 1), {left, y, 100, 17},
                                       QString::fromLatin1(captions[i]));
        TrigValues[i] = make<QLabel>(this, QStringLiteral("LabelTrigValue%1").arg(i + 1), {left + 98, y, 106, 17});
        QFont fixed(QStringLiteral("Courier New"));  // the readouts line up at the decimal point
        fixed.setPixelSize(11);
        TrigValues[i]->setFont(fixed);
    }
    LabelRadius = make<QLabel>(this, "LabelRadius", {10, top + 70, 70, 17}, QStringLiteral("Bei Radius"));
    Edit1 = make<QLineEdit>(this, "Edit1", {80, top + 67, 50, 22}, QStringLiteral("1"));
    Edit2 = make<QLineEdit>(this, "Edit2", {140, top + 67, 150, 22});
    // Read-only: a length limit would only cut the hint "Weiter mit Esc / Enter".
    Edit2->setReadOnly(true);
    Button2 = make<QPushButton>(this, "Button2", {298, top + 66, 60, 24}, QStringLiteral("Übern."));
    Edit1->installEventFilter(this);
}

void TFrame2::connectControls() {
    Plotter& p = plotter_;
    connect(ComboBox1, &QComboBox::activated, this, [this, &p](int i) { run([&p, i] { p.ComboBox1Change(i); }); });
    connect(CheckBox1, &QCheckBox::clicked, this, [this, &p](bool on) { run([&p, on] { p.GitterClick(on); }); });
    connect(CheckBox2, &QCheckBox::clicked, this, [this, &p](bool on) { run([&p, on] { p.Gitter2Click(on); }); });
    connect(GradRad, &QToolButton::clicked, this, [this, &p](bool on) { run([&p, on] { p.GradRadClick(on); }); });
    connect(Halten, &QToolButton::clicked, this, [this, &p](bool on) { run([&p, on] { p.HaltenClick(on); }); });
    connect(SnP, &QCheckBox::clicked, this, [this, &p](bool on) { run([&p, on] { p.SnPClick(on); }); });
    connect(UndoButton, &QToolButton::clicked, this, [this, &p] { run([&p] { p.UndoClick(); }); });
    connect(SaveButton, &QToolButton::clicked, this, [this, &p] { run([&p] { p.SaveClick(); }); });
    connect(ExportButton, &QToolButton::clicked, this, [this, &p] { run([&p] { p.ExportClick(); }); });
    connect(Edit1, &QLineEdit::textEdited, this, [this, &p](const QString& t) {
        if (rendering_) return;
        p.Edit1Change(t);
        const int caret = Edit1->cursorPosition();
        Edit1->setText(p.Edit1);
        Edit1->setCursorPosition(caret);
    });
    connect(Button2, &QPushButton::clicked, this, [this, &p] { run([&p] { p.Button2Click(); }); });
}

// A click into the radius input hands the calculator's keys to it until Esc or Enter.
bool TFrame2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit1 && event->type() == QEvent::MouseButtonPress) {
        plotter_.Edit1Click();
        render();
        emit calculatorChanged();
    }
    return QFrame::eventFilter(watched, event);
}

void TFrame2::render() {
    rendering_ = true;
    const bool functions = plotter_.FunctionView;
    const bool curves = functions || plotter_.HyperbolicView;
    ComboBox1->setCurrentIndex(plotter_.ScaleIndex);
    ComboBox1->setEnabled(plotter_.ScaleEnabled);
    CheckBox1->setChecked(plotter_.Gitter);
    CheckBox1->setEnabled(plotter_.GitterEnabled);
    CheckBox2->setChecked(plotter_.Gitter2);
    CheckBox2->setEnabled(plotter_.Gitter2Enabled && plotter_.GitterEnabled);
    GradRad->setChecked(plotter_.GradRadDown);
    GradRad->setText(plotter_.GradRadCaption);
    GradRad->setToolTip(plotter_.GradRadHint);
    GradRad->setVisible(functions && plotter_.GradRadVisible);
    Halten->setChecked(plotter_.HoldMode);
    Halten->setText(plotter_.HaltenCaption);
    SnP->setChecked(plotter_.SnPChecked);
    SnP->setText(plotter_.SnPCaption);
    SnP->setToolTip(plotter_.SnPHint);
    SnP->setVisible(functions && plotter_.SnPVisible);
    UndoButton->setVisible(plotter_.UndoVisible);
    showAll({LabelScale, ComboBox1, CheckBox1, CheckBox2, Halten}, curves);
    renderInformationArea();
    renderMenu();
    Image1->setCursor(plotter_.DragCursor ? Qt::DragMoveCursor : Qt::ArrowCursor);
    Image1->update();
    rendering_ = false;
}

void TFrame2::renderInformationArea() {
    const bool functions = plotter_.FunctionView;
    const bool curves = functions || plotter_.HyperbolicView;
    showAll({LabelX, LabelXValue, LabelFx, LabelFxValue}, curves);
    LabelX->setText(plotter_.XCaption);
    LabelFx->setText(plotter_.FxCaption);
    LabelXValue->setText(plotter_.XValue);
    LabelFxValue->setText(plotter_.FxValue);
    const bool terms = functions && plotter_.HoldMode && plotter_.TermLabelsVisible;
    showAll({LabelTerm1, LabelTerm1Value, LabelTerm2, LabelTerm2Value}, terms);
    LabelTerm1Value->setText(plotter_.Term1Label);
    LabelTerm2Value->setText(plotter_.Term2Label);
    LabelResult1->setVisible(terms && plotter_.Result1Visible);
    LabelResult2->setVisible(terms && plotter_.Result2Visible);
    LabelResult1->setText(plotter_.Result1);
    LabelResult2->setText(plotter_.Result2);
    for (int i = 0; i < 6; ++i) {
        TrigCaptions[i]->setVisible(!curves);
        TrigValues[i]->setVisible(!curves);
        TrigValues[i]->setText(plotter_.TrigReadouts[i]);
    }
    showAll({LabelRadius, Edit1, Edit2, Button2}, !curves);
    if (Edit1->text() != plotter_.Edit1) Edit1->setText(plotter_.Edit1);
    Edit2->setText(plotter_.Edit2);
}
