#include "plotter/views/tbereich.h"

#include "plotter/plotter.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TBereich::TBereich(Plotter& plotter, QWidget* parent) : QDialog(parent), plotter_(plotter) {
    setObjectName(QStringLiteral("TBereich"));
    setWindowTitle(QStringLiteral("SP. - Bereich"));
    setFixedSize(220, 110);
    auto* anfangLabel = new QLabel(QStringLiteral("Anfang"), this);
    anfangLabel->setGeometry(12, 14, 60, 17);
    Anfang = new QLineEdit(this);
    Anfang->setObjectName(QStringLiteral("Anfang"));
    Anfang->setGeometry(72, 12, 136, 22);
    auto* endeLabel = new QLabel(QStringLiteral("Ende"), this);
    endeLabel->setGeometry(12, 44, 60, 17);
    Ende = new QLineEdit(this);
    Ende->setObjectName(QStringLiteral("Ende"));
    Ende->setGeometry(72, 42, 136, 22);
    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    OkButton->setGeometry(32, 76, 80, 25);
    OkButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Abbrechen"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setGeometry(120, 76, 80, 25);
    connect(OkButton, &QPushButton::clicked, this, &TBereich::okClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TBereich::load() {
    Anfang->setText(plotter_.BereichAnfang());
    Ende->setText(plotter_.BereichEnde());
}

void TBereich::okClick() {
    if (plotter_.BereichOk(Anfang->text(), Ende->text())) accept();
}
