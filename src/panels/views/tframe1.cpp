#include "tframe1.h"

#include "panels/trigpanel.h"
#include "panels/views/panelcolours.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace {
template <typename W>
W* place(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    auto* w = new W(caption, parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(geometry);
    w->setFocusPolicy(Qt::NoFocus);  // the keys stay with the calculator
    return w;
}
}  // namespace

TFrame1::TFrame1(TrigPanel& panel, QWidget* parent) : QFrame(parent), panel_(panel) {
    setObjectName(QStringLiteral("Frame11"));
    setFrameShape(QFrame::StyledPanel);
    resize(PanelWidth, PanelHeight);

    QPushButton** buttons[] = {&Button1, &Button2, &Button3, &Button4, &Button5, &Button6};
    const char* names[] = {"Button1", "Button2", "Button3", "Button4", "Button5", "Button6"};
    const char* captions[] = {"Sin", "Cos", "Tan", "Cot", "Sec", "Csc"};
    for (int i = 0; i < 6; ++i) {
        const QRect geometry(12 + (i % 3) * 78, 14 + (i / 3) * 40, 70, 30);
        *buttons[i] = place<QPushButton>(this, names[i], QString::fromLatin1(captions[i]), geometry);
        connect(*buttons[i], &QPushButton::clicked, this,
                [this, i] { run([this, i] { panel_.ApplyFunction(i + 1); }); });
    }
    RadioButton1 = place<QRadioButton>(this, "RadioButton1", QStringLiteral("Grad"), {16, 104, 64, 20});
    RadioButton2 = place<QRadioButton>(this, "RadioButton2", QStringLiteral("Rad"), {16, 132, 64, 20});
    Arc = place<QCheckBox>(this, "Arc", QStringLiteral("Arc"), {94, 104, 64, 20});
    hyp = place<QCheckBox>(this, "hyp", QStringLiteral("Hyp"), {94, 132, 64, 20});
    Button7 = place<QPushButton>(this, "Button7", QStringLiteral("Graph->"), {168, 112, 70, 30});

    connect(RadioButton1, &QRadioButton::clicked, this, [this] { run([this] { panel_.SelectGrad(); }); });
    connect(RadioButton2, &QRadioButton::clicked, this, [this] { run([this] { panel_.SelectRad(); }); });
    connect(Arc, &QCheckBox::clicked, this,
            [this](bool checked) { run([this, checked] { panel_.ArcClicked(checked); }); });
    connect(hyp, &QCheckBox::clicked, this,
            [this](bool checked) { run([this, checked] { panel_.HypClicked(checked); }); });
    connect(Button7, &QPushButton::clicked, this, &TFrame1::pressGraph);
    render();
}

template <typename Command>
void TFrame1::run(Command command) {
    command();
    render();
    emit calculatorChanged();
    emit focusEqualsRequested();
}

void TFrame1::pressGraph() {
    const bool show = panel_.PressGraph();
    render();
    if (show) emit plotterShowRequested();
    else emit plotterHideRequested();
    emit focusEqualsRequested();
}

void TFrame1::render() {
    RadioButton1->setChecked(!panel_.Rad);
    RadioButton2->setChecked(panel_.Rad);
    Arc->setChecked(panel_.Arc);
    hyp->setChecked(panel_.Hyp);
    for (QWidget* w : {static_cast<QWidget*>(RadioButton1), static_cast<QWidget*>(RadioButton2),
                       static_cast<QWidget*>(Button4), static_cast<QWidget*>(Button5), static_cast<QWidget*>(Button6)})
        w->setEnabled(panel_.CircularEnabled);
    Button7->setText(panel_.GraphCaption);
}

void TFrame1::setTextColour(const QColor& colour) {
    panelcolours::paintText({RadioButton1, RadioButton2, hyp, Arc}, colour);
}
