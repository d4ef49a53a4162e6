#include "tframe6.h"

#include "panels/views/panelcolours.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>

namespace {
template <typename W>
W* place(QWidget* parent, const char* name, QRect geometry, const QString& hint = {}) {
    auto* w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(geometry);
    if (!hint.isEmpty()) w->setToolTip(hint);
    return w;
}

QLabel* caption(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* label = place<QLabel>(parent, name, geometry);
    label->setText(text);
    return label;
}

QLineEdit* amountField(QWidget* parent, const char* name, QRect geometry, const QString& hint) {
    auto* edit = place<QLineEdit>(parent, name, geometry, hint);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setAlignment(Qt::AlignRight);
    QFont bold = edit->font();
    bold.setBold(true);
    edit->setFont(bold);
    return edit;
}
}  // namespace

void TFrame6::SystemBeep::beep() { QApplication::beep(); }

TFrame6::TFrame6(TaxPanel& panel, QWidget* parent) : QFrame(parent), panel_(panel) {
    setObjectName(QStringLiteral("Frame61"));
    setFrameShape(QFrame::StyledPanel);
    resize(PanelWidth, PanelHeight);
    panel_.setBeeper(&beep_);

    Label1 = caption(this, "Label1", QStringLiteral("Art der Steuer:"), {12, 8, 130, 16});
    ComboBox1 =
        place<QComboBox>(this, "ComboBox1", {12, 26, 132, 24}, QString::fromUtf8("Die gewünschte Steuerart auswählen"));
    ComboBox1->setFocusPolicy(Qt::NoFocus);
    Edit3 = place<QLineEdit>(this, "Edit3", {156, 26, 56, 24}, QStringLiteral("Steuer in Prozent"));
    Edit3->setAlignment(Qt::AlignRight);
    Label2 = caption(this, "Label2", QStringLiteral("%"), {216, 30, 20, 16});

    VST = place<QRadioButton>(this, "VST", {12, 62, 56, 20},
                              QStringLiteral("Der Anteil der Steuer am Endbetrag wird berechnet"));
    VST->setText(QStringLiteral("VSt"));
    NST = place<QRadioButton>(this, "NST", {76, 62, 56, 20}, QStringLiteral("Die Steuer wird hinzu addiert"));
    NST->setText(QStringLiteral("NSt"));
    for (QRadioButton* mode : {VST, NST}) mode->setFocusPolicy(Qt::NoFocus);

    SpeedButton1 = place<QToolButton>(this, "SpeedButton1", {164, 58, 32, 28},
                                      QString::fromUtf8("Steuersumme ins aktive Feld übernehmen"));
    SpeedButton1->setIcon(panelicons::takeOver());
    SpeedButton2 = place<QToolButton>(this, "SpeedButton2", {204, 58, 32, 28},
                                      QStringLiteral("Steuerinformationen ins Tape schreiben"));
    SpeedButton2->setIcon(panelicons::tape());
    for (QToolButton* b : {SpeedButton1, SpeedButton2}) {
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
    }

    Label4 = caption(this, "Label4", QStringLiteral("Vor Steuer"), {12, 100, 108, 16});
    Edit4 = amountField(this, "Edit4", {12, 118, 108, 26},
                        QStringLiteral("Wenn der Endbetrag die Steuer enthält sehen Sie hier den Betrag ohne Steuer"));
    Label5 = caption(this, "Label5", QStringLiteral("Nach Steuer"), {128, 100, 108, 16});
    Edit2 = amountField(this, "Edit2", {128, 118, 108, 26}, QStringLiteral("Endbetrag zuzüglich der Steuer"));

    connect(ComboBox1, &QComboBox::activated, this,
            [this](int index) { run([this, index] { panel_.SelectTax(index); }); });
    connect(VST, &QRadioButton::clicked, this, [this] { run([this] { panel_.SelectMode(true); }); });
    connect(NST, &QRadioButton::clicked, this, [this] { run([this] { panel_.SelectMode(false); }); });
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { run([this] { panel_.TakeOver(); }); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { run([this] { panel_.WriteToTape(); }); });
    connect(Edit3, &QLineEdit::textEdited, this, [this](const QString& text) {
        panel_.Edit3Changed(text);
        if (panel_.Edit3 != text) {
            const int cursor = Edit3->cursorPosition();
            Edit3->setText(panel_.Edit3);
            Edit3->setCursorPosition(cursor);
        }
    });
    connect(Edit3, &QLineEdit::returnPressed, this, [this] { leaveRate(true); });
    Edit3->installEventFilter(this);
    buildMenu();
    render();
}

void TFrame6::buildMenu() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    connect(PopupMenu1->addAction(QStringLiteral("Eintrag bearbeiten")), &QAction::triggered, this,
            [this] { run([this] { panel_.EditEntry(); }); });
    connect(PopupMenu1->addAction(QString::fromUtf8("Eintrag löschen")), &QAction::triggered, this,
            [this] { run([this] { panel_.DeleteEntry(); }); });
    connect(PopupMenu1->addAction(QStringLiteral("Neuer Eintrag")), &QAction::triggered, this,
            [this] { run([this] { panel_.NewEntry(); }); });
    ComboBox1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ComboBox1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(ComboBox1->mapToGlobal(at)); });
}

template <typename Command>
void TFrame6::run(Command command) {
    command();
    render();
    emit calculatorChanged();
    emit focusEqualsRequested();
}

// Leaving the percentage field, by focus or Enter, stores the rate and gives the keys back.
// Enter sends the focus to "="; a focus that left went where the user put it.
void TFrame6::leaveRate(bool byEnter) {
    panel_.Edit3Left();
    render();
    emit calculatorChanged();
    if (byEnter) emit focusEqualsRequested();
}

bool TFrame6::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit3) {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonPress) {
            panel_.Edit3Entered();
            emit calculatorChanged();
        } else if (event->type() == QEvent::FocusOut) {
            leaveRate(false);
        }
    }
    return QFrame::eventFilter(watched, event);
}

void TFrame6::render() {
    const QSignalBlocker block(ComboBox1);
    QStringList items;
    for (int i = 0; i < ComboBox1->count(); ++i) items << ComboBox1->itemText(i);
    if (items != panel_.TaxNames) {
        ComboBox1->clear();
        ComboBox1->addItems(panel_.TaxNames);
    }
    ComboBox1->setCurrentIndex(panel_.TaxIndex < ComboBox1->count() ? panel_.TaxIndex : -1);
    if (Edit3->text() != panel_.Edit3) Edit3->setText(panel_.Edit3);
    Edit4->setText(panel_.Edit4);
    Edit2->setText(panel_.Edit2);
    VST->setChecked(panel_.VST);
    NST->setChecked(!panel_.VST);
}

void TFrame6::setFieldColour(const QColor& colour) {
    for (QWidget* field : {static_cast<QWidget*>(ComboBox1), static_cast<QWidget*>(Edit3), static_cast<QWidget*>(Edit4),
                           static_cast<QWidget*>(Edit2)})
        panelcolours::paintField(field, colour);
}

void TFrame6::setTextColour(const QColor& colour) {
    panelcolours::paintText({Label1, Label2, Label4, Label5, VST, NST}, colour);
}
