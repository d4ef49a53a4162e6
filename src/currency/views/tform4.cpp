#include "currency/views/tform4.h"

#include <QComboBox>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

template <class T>
T* named(T* widget, const char* name, QRect geometry) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

}  // namespace

TForm4::TForm4(CurrencyConverter& converter, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint),
      state_(converter, dialogs) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Umrechnungskurse aktualisieren"));
    setModal(false);
    setFixedSize(DialogWidth, DialogHeight);
    buildControls();
    render();
}

void TForm4::buildControls() {
    Label1 = named(new QLabel(QStringLiteral("Währungsumrechnung ausführen (1 Euro = X Währung).\n"
                                             "Danach das Ergebnis kopieren, und nach einem Klick \n"
                                             "auf \"Kurs bearbeiten\" den neuen Kurs einfügen."),
                              this),
                   "Label1", {12, 8, 356, 54});
    Label2 = named(new QLabel(QStringLiteral("Währung:"), this), "Label2", {12, 74, 70, 22});
    ComboBox1 = named(new QComboBox(this), "ComboBox1", {84, 72, 160, 24});
    Label3 = named(new QLabel(QStringLiteral("Kurs:"), this), "Label3", {12, 106, 70, 22});
    Edit1 = named(new QLineEdit(this), "Edit1", {84, 104, 160, 24});
    Edit1->setAutoFillBackground(true);
    SpeedButton1 = named(new QPushButton(QStringLiteral("Kurs bearbeiten"), this), "SpeedButton1", {254, 72, 114, 26});
    SpeedButton2 = named(new QPushButton(QStringLiteral("Übernehmen"), this), "SpeedButton2", {254, 104, 114, 26});
    SpeedButton3 = named(new QPushButton(QStringLiteral("Schließen"), this), "SpeedButton3", {254, 176, 114, 26});
    SpeedButton4 = named(new QPushButton(QStringLiteral("EZB-Kurse laden"), this), "SpeedButton4", {12, 140, 120, 26});
    Label4 = named(new QLabel(this), "Label4", {140, 142, 228, 22});
    // Enter in the rate field must not press a button of the dialog.
    for (QPushButton* b : {SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4}) b->setAutoDefault(false);

    connect(ComboBox1, &QComboBox::activated, this,
            [this](int index) { run([this, index] { state_.ChooseCurrency(index); }); });
    connect(SpeedButton1, &QPushButton::clicked, this, [this] { run([this] { state_.EditRate(); }); });
    connect(SpeedButton2, &QPushButton::clicked, this, [this] {
        bool changed = false;
        run([this, &changed] { changed = state_.TakeOver(); });
        if (changed) emit converterChanged();
    });
    connect(SpeedButton3, &QPushButton::clicked, this, &QDialog::close);
    connect(SpeedButton4, &QPushButton::clicked, this, &TForm4::ecbRatesRequested);
    connect(Edit1, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!rendering_) run([this, text] { state_.RateEdited(text); });
    });
}

template <class Command>
void TForm4::run(Command command) {
    command();
    render();
}

void TForm4::Open() {
    run([this] { state_.Open(); });
    show();
    raise();
    activateWindow();
}

void TForm4::refreshFromConverter() {
    run([this] { state_.RefreshFromConverter(); });
}

void TForm4::setEcbLoading(bool loading) {
    run([this, loading] { state_.SetEcbLoading(loading); });
}

void TForm4::render() {
    rendering_ = true;
    const RateDialog& s = state_;
    {
        const QSignalBlocker block(ComboBox1);
        QStringList items;
        for (int i = 0; i < ComboBox1->count(); ++i) items.append(ComboBox1->itemText(i));
        if (items != s.Names) {
            ComboBox1->clear();
            ComboBox1->addItems(s.Names);
        }
        ComboBox1->setCurrentIndex(s.ChosenIndex);
    }
    if (Edit1->text() != s.Edit1) Edit1->setText(s.Edit1);
    Edit1->setReadOnly(s.Edit1ReadOnly);
    QPalette rate = Edit1->palette();
    rate.setColor(QPalette::Base, s.Edit1ReadOnly ? QColor(Qt::white) : QColor(Qt::yellow));
    rate.setColor(QPalette::Text, Qt::black);
    Edit1->setPalette(rate);
    SpeedButton2->setEnabled(s.SpeedButton2Enabled);
    SpeedButton4->setEnabled(s.SpeedButton4Enabled);
    Label4->setText(s.Label4);
    if (s.FocusRate) {
        state_.FocusRate = false;
        Edit1->setFocus();
        Edit1->selectAll();
    }
    rendering_ = false;
}

// Spontaneous hides (the desktop minimising the program) are no closing.
void TForm4::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous()) emit closed();
}
