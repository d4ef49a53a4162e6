#pragma once
// TBereich: the free search range of the intersection search, "Anfang" and "Ende" in x.
// "OK" hands both texts to the plotter, which refuses what it cannot use; the dialog then
// stays open with the texts as typed.
#include <QDialog>

class Plotter;
class QLineEdit;
class QPushButton;

class TBereich : public QDialog {
    Q_OBJECT
public:
    explicit TBereich(Plotter& plotter, QWidget* parent = nullptr);
    // Fills the fields from the plotter's range, as x values.
    void load();

    QLineEdit* Anfang;
    QLineEdit* Ende;
    QPushButton* OkButton;
    QPushButton* CancelButton;

private:
    void okClick();
    Plotter& plotter_;
};
