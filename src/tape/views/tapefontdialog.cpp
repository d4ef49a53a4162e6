#include "tape/views/tapefontdialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TapeFontDialog::TapeFontDialog(const QTextCharFormat& initial, std::function<void(const QTextCharFormat&)> apply,
                               QWidget* parent)
    : QDialog(parent),
      fonts_(new QFontDialog(this)),
      colourButton_(new QPushButton(this)),
      colour_(initial.foreground().style() == Qt::NoBrush ? QColor(Qt::black) : initial.foreground().color()) {
    setWindowTitle(QStringLiteral("Schriftart"));
    fonts_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    fonts_->setWindowFlags(Qt::Widget);
    fonts_->setCurrentFont(initial.font());

    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(new QLabel(QStringLiteral("Farbe:"), this));
    colourRow->addWidget(colourButton_);
    colourRow->addStretch();
    showColour();
    connect(colourButton_, &QPushButton::clicked, this, [this] {
        const QColor c = QColorDialog::getColor(colour_, this, QStringLiteral("Farbe"));
        if (c.isValid()) {
            colour_ = c;
            showColour();
        }
    });

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    QPushButton* applyButton = buttons->addButton(QStringLiteral("Übernehmen"), QDialogButtonBox::ApplyRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(applyButton, &QPushButton::clicked, this, [this, apply] { apply(chosen()); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fonts_);
    layout->addLayout(colourRow);
    layout->addWidget(buttons);
}

QTextCharFormat TapeFontDialog::chosen() const {
    QTextCharFormat f;
    f.setFont(fonts_->currentFont(), QTextCharFormat::FontPropertiesSpecifiedOnly);
    f.setForeground(colour_);
    return f;
}

void TapeFontDialog::showColour() {
    QPixmap swatch(24, 12);
    swatch.fill(colour_);
    colourButton_->setIcon(QIcon(swatch));
    colourButton_->setText(colour_.name());
}
