// The yardstick: the smallest Qt Widgets window with a label and a button.
#include "startup_probe.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("0")));
    layout->addWidget(new QPushButton(QStringLiteral("=")));
    FirstPaintExit probe(&window);
    window.show();
    return QApplication::exec();
}
