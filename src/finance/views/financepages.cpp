// The two pages of the financial window: their controls with captions, hints and initial values.
#include "finance/views/tfinanzrechner.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kAmountWidth = 110;
constexpr int kTermWidth = 40;

QLineEdit* lineEdit(QWidget* parent, const char* name, const QString& hint = {}, int width = kAmountWidth) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setToolTip(hint);
    e->setFixedWidth(width);
    return e;
}

QLineEdit* output(QWidget* parent, const char* name, int width = kAmountWidth) {
    QLineEdit* e = lineEdit(parent, name, {}, width);
    e->setReadOnly(true);
    e->setAlignment(Qt::AlignRight);
    return e;
}

QDateEdit* dateEdit(QWidget* parent, const char* name) {
    auto* d = new QDateEdit(parent);
    d->setObjectName(QString::fromLatin1(name));
    d->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    d->setCalendarPopup(true);
    d->setFixedWidth(kAmountWidth);
    return d;
}

QLabel* label(const QString& text, QWidget* parent) { return new QLabel(text, parent); }

// Caption in the first column, field in the second, from `firstRow` down.
void addRows(QGridLayout* grid, QWidget* parent, int firstRow,
             std::initializer_list<std::pair<QString, QWidget*>> rows) {
    int row = firstRow;
    for (const auto& [caption, field] : rows) {
        grid->addWidget(label(caption, parent), row, 0);
        grid->addWidget(field, row++, 1);
    }
}

// "Jahre" and "Monate" fields side by side with their letters.
QHBoxLayout* termFields(QLineEdit* years, QLineEdit* months, QWidget* parent) {
    auto* row = new QHBoxLayout;
    row->addWidget(years);
    row->addWidget(label(QStringLiteral("J"), parent));
    row->addWidget(months);
    row->addWidget(label(QStringLiteral("M"), parent));
    row->addStretch();
    return row;
}

QGroupBox* group(const QString& title, const char* name, QWidget* parent) {
    auto* g = new QGroupBox(title, parent);
    g->setObjectName(QString::fromLatin1(name));
    return g;
}

QToolButton* toolButton(QWidget* parent, const char* name, const QString& text, const QString& hint) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(text);
    b->setToolTip(hint);
    b->setFixedSize(26, 24);
    return b;
}

QTableWidget* grid(QWidget* parent, const char* name) {
    auto* g = new QTableWidget(parent);
    g->setObjectName(QString::fromLatin1(name));
    return g;
}

}  // namespace

QWidget* TFinanzrechner::buildLoanPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Tilgung"));
    auto* layout = new QGridLayout(page);

    auto* inputs = new QGridLayout;
    Edit1 = lineEdit(page, "Edit1", QStringLiteral("Die Gesamtsumme des Darlehens"));
    Datum1 = dateEdit(page, "Datum1");
    Edit2 = lineEdit(page, "Edit2", QStringLiteral("Nominalzins"), 60);
    Edit12 = lineEdit(page, "Edit12");
    Edit13 = lineEdit(page, "Edit13", QStringLiteral("Maximale Laufzeit in Jahren"), kTermWidth);
    Edit14 = lineEdit(page, "Edit14", QStringLiteral("Maximale Laufzeit in Monaten"), kTermWidth);
    Radio1 = new QRadioButton(QStringLiteral("Rate"), page);
    Radio1->setObjectName(QStringLiteral("Radio1"));
    Radio1->setToolTip(QStringLiteral("Rate anpassen wenn maximale Laufzeit überschritten"));
    Radio1->setChecked(true);
    Radio2 = new QRadioButton(QStringLiteral("Darl."), page);
    Radio2->setObjectName(QStringLiteral("Radio2"));
    Radio2->setToolTip(QStringLiteral("Darlehenssumme anpassen wenn maximale Laufzeit überschritten"));
    auto* adjust = new QButtonGroup(page);
    adjust->addButton(Radio1);
    adjust->addButton(Radio2);
    vproz = new QCheckBox(QStringLiteral("Zinssatz veränderlich"), page);
    vproz->setObjectName(QStringLiteral("vproz"));
    vproz->setToolTip(QStringLiteral("Datum und neuen Zins eingeben"));
    BauFi = new QCheckBox(QStringLiteral("Baufinanz-Förderung:"), page);
    BauFi->setObjectName(QStringLiteral("BauFi"));
    BauFi->setToolTip(QStringLiteral("Die gesamte staatliche Förderung über eine Dauer von 8 Jahren"));
    Edit7 = lineEdit(page, "Edit7", QStringLiteral("Klick öffnet Förederungs-Rechner"));
    Edit7->setEnabled(false);

    inputs->addWidget(label(QStringLiteral("Darlehenssumme"), page), 0, 0);
    inputs->addWidget(Edit1, 0, 1);
    inputs->addWidget(label(QStringLiteral("Aufnahmedatum"), page), 1, 0);
    inputs->addWidget(Datum1, 1, 1);
    inputs->addWidget(label(QStringLiteral("Zins"), page), 2, 0);
    auto* rate = new QHBoxLayout;
    rate->addWidget(Edit2);
    rate->addWidget(label(QStringLiteral("%"), page));
    rate->addStretch();
    inputs->addLayout(rate, 2, 1);
    inputs->addWidget(label(QStringLiteral("Monatliche Rate:"), page), 3, 0);
    inputs->addWidget(Edit12, 3, 1);
    inputs->addWidget(label(QStringLiteral("Max Laufz."), page), 4, 0);
    inputs->addLayout(termFields(Edit13, Edit14, page), 4, 1);
    inputs->addWidget(label(QStringLiteral("Anpassen:"), page), 5, 0);
    auto* radios = new QHBoxLayout;
    radios->addWidget(Radio1);
    radios->addWidget(Radio2);
    radios->addStretch();
    inputs->addLayout(radios, 5, 1);
    inputs->addWidget(vproz, 6, 0, 1, 2);
    inputs->addWidget(BauFi, 7, 0);
    inputs->addWidget(Edit7, 7, 1);
    inputs->setRowStretch(8, 1);
    layout->addLayout(inputs, 0, 0);

    SonderGroup = group(QStringLiteral(" Sondertilgungen "), "SonderGroup", page);
    auto* lists = new QHBoxLayout(SonderGroup);
    Grid2 = grid(SonderGroup, "Grid2");
    Grid3 = grid(SonderGroup, "Grid3");
    Grid3->hide();
    lists->addWidget(Grid2);
    lists->addWidget(Grid3);
    auto* rowButtons = new QVBoxLayout;
    SpeedButton1 = toolButton(SonderGroup, "SpeedButton1", QStringLiteral("+"), QStringLiteral("Neue Zeile einfügen"));
    SpeedButton6 = toolButton(SonderGroup, "SpeedButton6", QStringLiteral("−"), QStringLiteral("Letzte Zeile löschen"));
    SpeedButton7 =
        toolButton(SonderGroup, "SpeedButton7", QStringLiteral("%"), QStringLiteral("Veränderten Zinssatz eingeben"));
    SpeedButton7->setCheckable(true);
    SpeedButton7->hide();
    rowButtons->addWidget(SpeedButton1);
    rowButtons->addWidget(SpeedButton6);
    rowButtons->addWidget(SpeedButton7);
    rowButtons->addStretch();
    lists->addLayout(rowButtons);
    layout->addWidget(SonderGroup, 0, 1);

    StatusGroup = group(QStringLiteral(" Darlehensstatus "), "StatusGroup", page);
    auto* status = new QGridLayout(StatusGroup);
    Datum3 = dateEdit(StatusGroup, "Datum3");
    Edit4 = output(StatusGroup, "Edit4");
    Edit5 = output(StatusGroup, "Edit5");
    Edit6 = output(StatusGroup, "Edit6");
    Edit9 = output(StatusGroup, "Edit9");
    addRows(status, StatusGroup, 0,
            {{QStringLiteral("Status den:"), Datum3},
             {QStringLiteral("Tilgungsanteil"), Edit4},
             {QStringLiteral("Zinsanteil"), Edit5},
             {QStringLiteral("Bis jetzt getilgt:"), Edit6},
             {QStringLiteral("Zinsen bis jetzt:"), Edit9}});
    layout->addWidget(StatusGroup, 1, 0);

    EndGroup = group(QStringLiteral(" Ende der Laufzeit "), "EndGroup", page);
    auto* end = new QGridLayout(EndGroup);
    Edit3 = output(EndGroup, "Edit3", kTermWidth);
    Edit8 = output(EndGroup, "Edit8", kTermWidth);
    Edit15 = output(EndGroup, "Edit15");
    Datum2 = dateEdit(EndGroup, "Datum2");
    Edit10 = output(EndGroup, "Edit10");
    Edit11 = output(EndGroup, "Edit11");
    end->addWidget(label(QStringLiteral("Gesamtlaufzeit:"), EndGroup), 0, 0);
    end->addLayout(termFields(Edit3, Edit8, EndGroup), 0, 1);
    addRows(end, EndGroup, 1,
            {{QStringLiteral("Letzte Rate:"), Edit15},
             {QStringLiteral("Gezahlt am:"), Datum2},
             {QStringLiteral("Gesamt gezahlt"), Edit10},
             {QStringLiteral("Anteil der Zinsen:"), Edit11}});
    layout->addWidget(EndGroup, 1, 1);
    return page;
}

QWidget* TFinanzrechner::buildSavingsPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Anlage"));
    auto* layout = new QGridLayout(page);

    auto* inputs = new QGridLayout;
    Zins1 = new QRadioButton(QStringLiteral("monatlich (1/12)"), page);
    Zins1->setObjectName(QStringLiteral("Zins1"));
    Zins1->setChecked(true);
    Zins2 = new QRadioButton(QStringLiteral("jährlich"), page);
    Zins2->setObjectName(QStringLiteral("Zins2"));
    auto* interestMode = new QButtonGroup(page);
    interestMode->addButton(Zins1);
    interestMode->addButton(Zins2);
    Edit16 = lineEdit(page, "Edit16");
    Datum4 = dateEdit(page, "Datum4");
    Edit17 = lineEdit(page, "Edit17", QStringLiteral("Nominalzins"), 60);
    Edit18 = lineEdit(page, "Edit18", QStringLiteral("Monatliche Zahlung"));
    Label24 = label(QStringLiteral("Monatl. Zahlung"), page);
    Label24->setObjectName(QStringLiteral("Label24"));
    Edit19 = lineEdit(page, "Edit19", {}, kTermWidth);
    Edit23 = lineEdit(page, "Edit23", {}, kTermWidth);
    vproz2 = new QCheckBox(QStringLiteral("Zinssatz veränderlich"), page);
    vproz2->setObjectName(QStringLiteral("vproz2"));
    vproz2->setToolTip(QStringLiteral("Einen veränderlichen Zinssatz eingeben"));

    inputs->addWidget(label(QStringLiteral("Zinsberechnung: "), page), 0, 0);
    auto* modes = new QHBoxLayout;
    modes->addWidget(Zins1);
    modes->addWidget(Zins2);
    modes->addStretch();
    inputs->addLayout(modes, 0, 1);
    inputs->addWidget(label(QStringLiteral("Anfangskapital"), page), 1, 0);
    inputs->addWidget(Edit16, 1, 1);
    inputs->addWidget(label(QStringLiteral("Anfangsdatum"), page), 2, 0);
    inputs->addWidget(Datum4, 2, 1);
    inputs->addWidget(label(QStringLiteral("Zins"), page), 3, 0);
    auto* rate = new QHBoxLayout;
    rate->addWidget(Edit17);
    rate->addWidget(label(QStringLiteral("%"), page));
    rate->addStretch();
    inputs->addLayout(rate, 3, 1);
    inputs->addWidget(Label24, 4, 0);
    inputs->addWidget(Edit18, 4, 1);
    inputs->addWidget(label(QStringLiteral("Laufzeit:"), page), 5, 0);
    inputs->addLayout(termFields(Edit19, Edit23, page), 5, 1);
    inputs->addWidget(vproz2, 6, 0, 1, 2);
    inputs->setRowStretch(7, 1);
    layout->addLayout(inputs, 0, 0);

    SonderGroup2 = group(QStringLiteral(" Sonderzahlungen "), "SonderGroup2", page);
    auto* lists = new QVBoxLayout(SonderGroup2);
    auto* grids = new QHBoxLayout;
    Grid1 = grid(SonderGroup2, "Grid1");
    Grid4 = grid(SonderGroup2, "Grid4");
    Grid4->hide();
    grids->addWidget(Grid1);
    grids->addWidget(Grid4);
    SpeedButton8 = toolButton(SonderGroup2, "SpeedButton8", QStringLiteral("%"),
                              QStringLiteral(" Veränderten Zinssatz eingeben "));
    SpeedButton8->setCheckable(true);
    SpeedButton8->hide();
    auto* toggle = new QVBoxLayout;
    toggle->addWidget(SpeedButton8);
    toggle->addStretch();
    grids->addLayout(toggle);
    lists->addLayout(grids);
    auto* rowButtons = new QHBoxLayout;
    Button1 = new QPushButton(QStringLiteral("Zeile hinzufügen"), SonderGroup2);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("Letzte Zeile löschen"), SonderGroup2);
    Button2->setObjectName(QStringLiteral("Button2"));
    for (QPushButton* b : {Button1, Button2}) b->setAutoDefault(false);
    rowButtons->addWidget(Button1);
    rowButtons->addWidget(Button2);
    lists->addLayout(rowButtons);
    layout->addWidget(SonderGroup2, 0, 1);

    StatusGroup2 = group(QStringLiteral(" Status der Anlage am Datum "), "StatusGroup2", page);
    auto* status = new QGridLayout(StatusGroup2);
    Datum6 = dateEdit(StatusGroup2, "Datum6");
    Edit24 = output(StatusGroup2, "Edit24");
    status->addWidget(Datum6, 0, 0);
    status->addWidget(Edit24, 0, 1);
    status->setRowStretch(1, 1);
    layout->addWidget(StatusGroup2, 1, 0);

    ResultGroup = group(QStringLiteral(" Ergebnis "), "ResultGroup", page);
    auto* result = new QGridLayout(ResultGroup);
    Datum5 = dateEdit(ResultGroup, "Datum5");
    Edit21 = output(ResultGroup, "Edit21");
    Edit20 = output(ResultGroup, "Edit20");
    Edit22 = output(ResultGroup, "Edit22");
    addRows(result, ResultGroup, 0,
            {{QStringLiteral("Auszahlungsdatum:"), Datum5},
             {QStringLiteral("Gesamtsumme:"), Edit21},
             {QStringLiteral("Einzahlungen:"), Edit20},
             {QStringLiteral("Zinsanteil"), Edit22}});
    layout->addWidget(ResultGroup, 1, 1);
    return page;
}
