#pragma once
// "Schrift...": a font dialog with colour, underline and strike-out and an "Übernehmen" button
// that applies the choice while the dialog stays open.
#include <QDialog>
#include <QTextCharFormat>
#include <functional>

class QFontDialog;
class QPushButton;

class TapeFontDialog : public QDialog {
    Q_OBJECT
public:
    TapeFontDialog(const QTextCharFormat& initial, std::function<void(const QTextCharFormat&)> apply,
                   QWidget* parent = nullptr);
    QTextCharFormat chosen() const;

private:
    void showColour();

    QFontDialog* fonts_;
    QPushButton* colourButton_;
    QColor colour_;
};
