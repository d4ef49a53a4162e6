#include "currency/views/tframe3.h"

#include "currency/currencyconverter.h"
#include "currency/views/converteredit.h"

#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QToolButton>
#include <QToolTip>

namespace {

using Field = CurrencyConverter::AmountField;

template <class T>
T* named(T* widget, const char* name, QRect geometry) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

QToolButton* makeButton(QWidget* parent, const char* name, const QString& glyph, const QString& hint, QRect geometry) {
    auto* b = named(new QToolButton(parent), name, geometry);
    b->setText(glyph);
    b->setToolTip(hint);
    QFont f = b->font();
    f.setPointSize(12);
    b->setFont(f);
    return b;
}

void setTextKeepingCursor(QLineEdit* edit, const QString& text) {
    if (edit->text() != text) edit->setText(text);
}

}  // namespace

TFrame3::TFrame3(CurrencyConverter& converter, Dialogs& dialogs, QWidget* parent)
    : QFrame(parent), converter_(converter), dialogs_(dialogs), fieldColour_(Qt::white) {
    setObjectName(QStringLiteral("Frame31"));
    setFrameShape(QFrame::StyledPanel);
    resize(PanelWidth, PanelHeight);
    buildControls();
    connectAmountField(Edit2, 2);
    connectAmountField(Edit3, 3);
    connectEntryFields();
    render();
}

void TFrame3::buildControls() {
    Label1 = named(new QLabel(this), "Label1", {8, 6, 130, 16});
    Label2 = named(new QLabel(this), "Label2", {148, 6, 94, 16});
    ComboBox1 = named(new QComboBox(this), "ComboBox1", {8, 22, 134, 24});
    Edit1 = named(new ConverterEdit(this), "Edit1", {8, 22, 134, 24});
    Edit1->setMaxLength(30);
    Edit4 = named(new ConverterEdit(this), "Edit4", {148, 22, 94, 24});
    Edit4->setMaxLength(30);
    Edit4->setCommaToPoint(true);

    SpeedButton2 = makeButton(this, "SpeedButton2", QStringLiteral("✚"), {}, {8, 52, 28, 26});
    SpeedButton4 = makeButton(this, "SpeedButton4", QStringLiteral("✎"), {}, {38, 52, 28, 26});
    SpeedButton3 = makeButton(this, "SpeedButton3", QStringLiteral("✖"), {}, {68, 52, 28, 26});
    SpeedButton2->setCheckable(true);
    SpeedButton4->setCheckable(true);
    Label5 = named(new QLabel(QStringLiteral("Enter -> Speichern / Esc -> Abbr."), this), "Label5", {100, 52, 146, 26});
    Label5->setWordWrap(true);
    QFont small = Label5->font();
    small.setPointSize(7);
    Label5->setFont(small);

    Label6 = named(new QLabel(this), "Label6", {8, 86, 100, 16});
    Label3 = named(new QLabel(this), "Label3", {142, 86, 100, 16});
    Edit2 = named(new ConverterEdit(this), "Edit2", {8, 102, 100, 26});
    Edit3 = named(new ConverterEdit(this), "Edit3", {142, 102, 100, 26});
    for (ConverterEdit* e : {Edit2, Edit3}) {
        e->setAmountOnly();
        e->setCommaToPoint(true);
        e->setChainKeys(true);
        e->setTakesFieldDrops(true);
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    Label4 = named(new QLabel(this), "Label4", {108, 102, 34, 26});
    Label4->setAlignment(Qt::AlignCenter);
    Label4->setToolTip(QStringLiteral("Klick verändert die Richtung, Strg-Klick öffnet Wechselkursseite"));
    QPalette red = Label4->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    Label4->setPalette(red);
    QFont arrow = Label4->font();
    arrow.setPointSize(16);
    arrow.setBold(true);
    Label4->setFont(arrow);
    Label4->installEventFilter(this);

    SpeedButton1 = makeButton(this, "SpeedButton1", QStringLiteral("⇦"),
                              QStringLiteral("Ergebnis in aktives Feld übernehmen"), {8, 138, 100, 28});
    SpeedButton5 = makeButton(this, "SpeedButton5", QStringLiteral("⇧"), QStringLiteral("Ergebnis in Tape übernehmen"),
                              {142, 138, 100, 28});

    connect(ComboBox1, &QComboBox::activated, this,
            [this](int index) { run([=, this] { converter_.SelectCurrency(index); }); });
    connect(SpeedButton1, &QToolButton::clicked, this,
            [this] { run([this] { converter_.HandResultToCalculator(); }); });
    connect(SpeedButton5, &QToolButton::clicked, this, [this] { run([this] { converter_.WriteToTape(); }); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { run([this] { converter_.PressNewEntry(); }); });
    connect(SpeedButton4, &QToolButton::clicked, this, [this] { run([this] { converter_.PressEditEntry(); }); });
    connect(SpeedButton3, &QToolButton::clicked, this, [this] { run([this] { converter_.PressDeleteEntry(); }); });
}

void TFrame3::connectAmountField(ConverterEdit* edit, int number) {
    const Field field = number == 2 ? Field::Left : Field::Right;
    connect(edit, &ConverterEdit::pressed, this, [this, edit, field] {
        run([this, field] { converter_.AmountPressed(field); });
        showHintIfAsked(edit, field == Field::Left ? converter_.Edit2HintShown : converter_.Edit3HintShown);
    });
    connect(edit, &ConverterEdit::released, this,
            [this, field] { run([this, field] { converter_.AmountReleased(field); }); });
    connect(edit, &ConverterEdit::keyReleased, this, [this, edit, field](bool enter) {
        run([this, edit, field, enter] { converter_.AmountKeyReleased(field, edit->text(), enter); });
    });
    connect(edit, &ConverterEdit::enterPressed, this,
            [this, edit, field] { run([this, edit, field] { converter_.AmountEnter(field, edit->text()); }); });
    connect(edit, &ConverterEdit::chainKeyPressed, this, [this, edit, field](QChar op) {
        run([this, edit, field, op] { converter_.AmountChainKey(field, edit->text(), op); });
    });
    connect(edit, &ConverterEdit::chainKeyReleased, this,
            [this, field] { run([this, field] { converter_.AmountChainKeyReleased(field); }); });
    connect(edit, &ConverterEdit::fieldDropped, this,
            [this, field](int source) { run([this, field, source] { converter_.DropOnAmount(field, source); }); });
}

void TFrame3::connectEntryFields() {
    for (ConverterEdit* e : {Edit1, Edit4}) {
        connect(e, &ConverterEdit::enterPressed, this, [this] { run([this] { converter_.EntryFieldEnter(); }); });
        connect(e, &ConverterEdit::escapePressed, this, [this] { run([this] { converter_.EntryFieldEscape(); }); });
    }
    connect(Edit1, &QLineEdit::textEdited, this, [this](const QString& text) { converter_.EntryNameEdited(text); });
    connect(Edit4, &QLineEdit::textEdited, this,
            [this](const QString& text) { run([=, this] { converter_.RateTextEdited(text); }); });
    connect(Edit4, &ConverterEdit::pressed, this, [this] { run([this] { converter_.RateFieldClicked(); }); });
}

bool TFrame3::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label4 && event->type() == QEvent::MouseButtonPress) {
        if (static_cast<QMouseEvent*>(event)->modifiers() & Qt::ControlModifier) emit exchangeRatePagesRequested();
        else run([this] { converter_.ToggleDirection(); });
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

template <class Command>
void TFrame3::run(Command command) {
    command();
    render();
    emit calculatorChanged();
}

void TFrame3::render() {
    const CurrencyConverter& c = converter_;
    Label1->setText(c.Label1);
    Label2->setText(c.Label2);
    Label3->setText(c.Label3);
    Label4->setText(c.Label4);
    Label6->setText(c.Label6);
    Label5->setVisible(c.EntryEditorShown);
    {
        const QSignalBlocker block(ComboBox1);
        QStringList items;
        for (int i = 0; i < ComboBox1->count(); ++i) items.append(ComboBox1->itemText(i));
        if (items != c.Names) {
            ComboBox1->clear();
            ComboBox1->addItems(c.Names);
        }
        ComboBox1->setCurrentIndex(c.SelectedIndex);
    }
    ComboBox1->setVisible(!c.EntryEditorShown);
    Edit1->setVisible(c.EntryEditorShown);
    setTextKeepingCursor(Edit1, c.Edit1);
    setTextKeepingCursor(Edit2, c.Edit2);
    setTextKeepingCursor(Edit3, c.Edit3);
    setTextKeepingCursor(Edit4, c.Edit4);
    Edit4->setReadOnly(c.Edit4ReadOnly);
    QPalette rate = Edit4->palette();
    rate.setColor(QPalette::Base, c.Edit4ReadOnly ? QColor(Qt::white) : fieldColour_);
    Edit4->setPalette(rate);
    Edit2->setToolTip(c.Edit2HintShown ? CurrencyConverter::AmountHint : QString());
    Edit3->setToolTip(c.Edit3HintShown ? CurrencyConverter::AmountHint : QString());
    SpeedButton2->setChecked(c.SpeedButton2Down);
    SpeedButton2->setEnabled(c.SpeedButton2Enabled);
    SpeedButton2->setToolTip(c.SpeedButton2Hint);
    SpeedButton3->setToolTip(c.SpeedButton3Hint);
    SpeedButton4->setChecked(c.SpeedButton4Down);
    SpeedButton4->setEnabled(c.SpeedButton4Enabled);
    SpeedButton4->setToolTip(c.SpeedButton4Hint);
    applyFocus();
}

void TFrame3::applyFocus() {
    using Focus = CurrencyConverter::FocusTarget;
    const Focus focus = converter_.Focus;
    converter_.Focus = Focus::None;
    switch (focus) {
    case Focus::None: break;
    case Focus::Equals: emit focusEqualsRequested(); break;
    case Focus::Edit1: Edit1->setFocus(); break;
    case Focus::Edit2: Edit2->setFocus(); break;
    case Focus::Edit3: Edit3->setFocus(); break;
    case Focus::Edit4: Edit4->setFocus(); break;
    }
}

void TFrame3::showHintIfAsked(ConverterEdit* edit, bool shown) {
    if (shown) QToolTip::showText(edit->mapToGlobal(QPoint(0, edit->height())), CurrencyConverter::AmountHint, edit);
    else QToolTip::hideText();
}

void TFrame3::setFieldColour(const QColor& colour) {
    fieldColour_ = colour;
    for (ConverterEdit* e : {Edit1, Edit2, Edit3}) {
        QPalette p = e->palette();
        p.setColor(QPalette::Base, colour);
        p.setColor(QPalette::Text, Qt::black);
        e->setPalette(p);
    }
    render();
}
