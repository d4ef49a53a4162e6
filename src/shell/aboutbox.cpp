#include "shell/aboutbox.h"

#include "shell/referencetexts.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QString lines(QString text) { return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }
}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("Über Kalkulo ..."));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 14);
    ProductName = new QLabel(QStringLiteral("Kalkulo"), this);
    ProductName->setObjectName(QStringLiteral("ProductName"));
    QFont big = ProductName->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    ProductName->setFont(big);
    Version = new QLabel(aboutVersion(), this);
    Version->setObjectName(QStringLiteral("Version"));
    Comments = new QLabel(lines(aboutDescription()), this);
    Comments->setObjectName(QStringLiteral("Comments"));
    for (QLabel* label : {ProductName, Version, Comments}) {
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(label);
    }
    layout->insertSpacing(2, 10);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString TAboutBox::text() const { return ProductName->text() + u'\n' + Version->text() + u'\n' + Comments->text(); }

void TAboutBox::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setText(text());
        return;
    }
    QDialog::keyPressEvent(event);
}
