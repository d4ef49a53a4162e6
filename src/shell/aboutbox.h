#pragma once
// "Über Kalkulo ...": the program's name, version and what it does. Ctrl+C copies the text.
#include <QDialog>

class QLabel;

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
    // Everything the box says, line by line.
    QString text() const;

    QLabel *ProductName = nullptr, *Version = nullptr, *Comments = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
