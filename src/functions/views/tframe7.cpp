#include "functions/views/tframe7.h"

#include "functions/functionpanel.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace {
template <typename W>
W* make(QWidget* parent, const char* name, QRect rect) {
    auto* w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(rect);
    return w;
}

QToolButton* speedButton(QWidget* parent, const char* name, QRect rect, QStyle::StandardPixmap icon,
                         const QString& hint) {
    auto* b = make<QToolButton>(parent, name, rect);
    if (icon != QStyle::SP_CustomBase) b->setIcon(parent->style()->standardIcon(icon));
    b->setToolTip(hint);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}
}  // namespace

TFrame7::TFrame7(FunctionPanel& panel, QWidget* parent) : QFrame(parent), panel_(panel) {
    setObjectName(QStringLiteral("Frame71"));
    setFrameShape(QFrame::StyledPanel);
    resize(PanelWidth, PanelHeight);
    build();
    connectControls();
    render();
}

void TFrame7::build() {
    ComboBox1 = make<QComboBox>(this, "ComboBox1", {8, 8, 185, 22});
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setMaxVisibleItems(20);
    ComboBox1->setToolTip(QStringLiteral("Funktionsterm.\r\nDie Variable x ins obere Eingabefeld schreiben"));
    SpeedButton1 = speedButton(this, "SpeedButton1", {197, 8, 22, 22}, QStyle::SP_DialogSaveButton,
                               QStringLiteral("Term speichern"));
    SpeedButton2 =
        speedButton(this, "SpeedButton2", {221, 8, 22, 22}, QStyle::SP_TrashIcon, QStringLiteral("Term löschen"));

    const char* names[] = {"Edit1", "Edit2", "Edit3"};
    const char* captions[] = {"a:", "b:", "c:"};
    const char* hints[] = {"Konstante a", "Konstante b", "Konstante c"};
    QLineEdit** edits[] = {&Edit1, &Edit2, &Edit3};
    for (int i = 0; i < 3; ++i) {
        auto* label = make<QLabel>(this, "", {8 + 72 * i, 40, 14, 17});
        label->setObjectName(QStringLiteral("LabelConst%1").arg(i + 1));
        label->setText(QString::fromLatin1(captions[i]));
        *edits[i] = make<QLineEdit>(this, names[i], {22 + 72 * i, 38, 50, 22});
        (*edits[i])->setToolTip(QString::fromUtf8(hints[i]));
    }
    SpeedButton3 = speedButton(this, "SpeedButton3", {221, 38, 22, 22}, QStyle::SP_CustomBase,
                               QStringLiteral("Hilfe zu Funktionen"));
    SpeedButton3->setText(QStringLiteral("?"));

    ComboBox2 = make<QComboBox>(this, "ComboBox2", {8, 70, 137, 22});
    ComboBox2->addItems(FunctionPanel::OperatorItems());
    ComboBox2->setCurrentIndex(-1);
    ComboBox2->setPlaceholderText(QStringLiteral("Operatoren"));
    ComboBox2->setMaxVisibleItems(50);
    ComboBox2->setToolTip(QStringLiteral("Operatoren für Funktionen"));
    Rueck = make<QToolButton>(this, "Rueck", {155, 70, 40, 22});
    Rueck->setText(QStringLiteral("←"));
    Vor = make<QToolButton>(this, "Vor", {203, 70, 40, 22});
    Vor->setText(QStringLiteral("→"));

    Button1 = make<QPushButton>(this, "Button1", {8, 104, 110, 30});
    Button1->setText(QStringLiteral("f(x)"));
    Button1->setToolTip(QStringLiteral("Funktion ausführen"));
    Button2 = make<QPushButton>(this, "Button2", {133, 104, 110, 30});

    ListBox1 = make<QListWidget>(this, "ListBox1", {8, 144, 100, 40});
    ListBox1->hide();

    // The drop-down is its line edit's focus proxy: focus and keys arrive at the drop-down.
    QWidget* inputs[] = {ComboBox1, Edit1, Edit2, Edit3};
    for (QWidget* input : inputs) input->installEventFilter(this);
}

template <typename Command>
void TFrame7::run(Command command, bool focusEquals) {
    command();
    render();
    emit calculatorChanged();
    if (focusEquals) emit focusEqualsRequested();
}

void TFrame7::connectControls() {
    connect(Button1, &QPushButton::clicked, this, [this] { run([this] { panel_.Button1Click(); }, true); });
    connect(Button2, &QPushButton::clicked, this, [this] { run([this] { panel_.Button2Click(); }, true); });
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { run([this] { panel_.SpeedButton1Click(); }, false); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { run([this] { panel_.SpeedButton2Click(); }, false); });
    connect(SpeedButton3, &QToolButton::clicked, this, &TFrame7::helpRequested);
    // A plain function, not a member-function pointer: GCC's address sanitizer misreads one
    // captured in these nested lambdas.
    auto step = [this](void (*command)(FunctionPanel&)) {
        run([this, command] { command(panel_); }, false);
        ComboBox1->setFocus();
    };
    connect(Rueck, &QToolButton::clicked, this, [step] { step([](FunctionPanel& p) { p.RueckClick(); }); });
    connect(Vor, &QToolButton::clicked, this, [step] { step([](FunctionPanel& p) { p.VorClick(); }); });
    connect(ComboBox1, &QComboBox::activated, this, [this](int index) {
        if (!rendering_) run([this, index] { panel_.ComboBox1Select(index); }, false);
    });
    connect(ComboBox1->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!rendering_) run([this, text] { panel_.ComboBox1Change(text); }, false);
    });
    connect(ComboBox1->lineEdit(), &QLineEdit::cursorPositionChanged, this, [this] { trackCaret(); });
    connect(ComboBox1->lineEdit(), &QLineEdit::selectionChanged, this, [this] { trackCaret(); });
    connect(ComboBox2, &QComboBox::activated, this, [this](int index) {
        run([this, index] { panel_.ComboBox2Select(index); }, false);
        ComboBox2->setCurrentIndex(-1);
    });
    QLineEdit* edits[] = {Edit1, Edit2, Edit3};
    QString FunctionPanel::*fields[] = {&FunctionPanel::Edit1, &FunctionPanel::Edit2, &FunctionPanel::Edit3};
    for (int i = 0; i < 3; ++i) {
        connect(edits[i], &QLineEdit::textEdited, this,
                [this, field = fields[i]](const QString& text) { panel_.*field = text; });
    }
}

void TFrame7::trackCaret() {
    QLineEdit* edit = ComboBox1->lineEdit();
    if (rendering_ || !ComboBox1->hasFocus()) return;
    panel_.CaretPos = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    panel_.CaretSel = static_cast<int>(edit->selectedText().size());
}

bool TFrame7::isInput(QObject* object) const {
    return object == ComboBox1 || object == Edit1 || object == Edit2 || object == Edit3;
}

bool TFrame7::eventFilter(QObject* watched, QEvent* event) {
    if (!isInput(watched)) return QFrame::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) panel_.InputEnter();
        break;
    case QEvent::FocusOut:
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
            panel_.InputExit();
            emit calculatorChanged();
        }
        break;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            run([this] { panel_.Button1Click(); }, true);
            return true;
        }
        if (key == Qt::Key_Space && watched == ComboBox1) return true;  // formulas hold no blanks
        break;
    }
    default: break;
    }
    return QFrame::eventFilter(watched, event);
}

void TFrame7::render() {
    rendering_ = true;
    QStringList items;
    for (int i = 0; i < ComboBox1->count(); ++i) items.append(ComboBox1->itemText(i));
    if (items != panel_.SavedTerms) {
        ComboBox1->clear();
        ComboBox1->addItems(panel_.SavedTerms);
    }
    ComboBox1->setCurrentIndex(panel_.FunktionsIndex);
    QLineEdit* formula = ComboBox1->lineEdit();
    if (formula->text() != panel_.CurrentFormula) formula->setText(panel_.CurrentFormula);
    if (panel_.ErrorSelStart >= 0) {
        formula->setSelection(panel_.ErrorSelStart, panel_.ErrorSelLength);
        panel_.ErrorSelStart = -1;
    }
    if (ListBox1->count() != panel_.SavedConstants.size()) {
        ListBox1->clear();
        ListBox1->addItems(panel_.SavedConstants);
    }
    QLineEdit* edits[] = {Edit1, Edit2, Edit3};
    const QString* texts[] = {&panel_.Edit1, &panel_.Edit2, &panel_.Edit3};
    for (int i = 0; i < 3; ++i)
        if (edits[i]->text() != *texts[i]) edits[i]->setText(*texts[i]);
    Rueck->setEnabled(panel_.RueckEnabled);
    Vor->setEnabled(panel_.VorEnabled);
    Button2->setText(panel_.Button2Caption);
    Button2->setToolTip(panel_.Button2Hint);
    rendering_ = false;
}
