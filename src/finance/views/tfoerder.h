#pragma once
// The subsidy window "Staatliche Förderung": a thin view over the subsidy engine that the financial
// window builds when the subsidy box is first ticked. It shows without blocking and keeps its contents
// while hidden.
#include "finance/financecalculator.h"

#include <QDialog>

class Dialogs;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class SettingsSource;

class TFoerder : public QDialog {
    Q_OBJECT
public:
    TFoerder(FinanceCalculator& finance, SettingsSource& settings, Dialogs& dialogs, QWidget* parent = nullptr);

    // Shows the window: restores the remembered choices and computes.
    void showSubsidy();

signals:
    // The loan page's state changed; `focus` names its control that takes the keyboard focus, if any.
    void financeChanged(const QString& focus);

protected:
    // The title bar's close acts as "OK", Esc as "Keine Förderung".
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildParameters();
    void buildBorrower();
    void connectControls();
    // Copies the controls into the engine, runs one command, shows both windows' new state and the messages.
    template <typename Command>
    void run(Command command);
    void pullInputs();
    void showState();

    FinanceCalculator& finance_;
    SubsidyCalculator& subsidy_;
    SettingsSource& settings_;
    Dialogs& dialogs_;

public:
    QLabel *Notice, *TotalLabel, *Ges;
    QLineEdit *Edit3, *Edit4, *Edit5, *Edit11, *Edit6, *Edit7, *Edit8, *Edit9, *Edit10;
    QLineEdit *Edit1, *Edit12, *Edit2;
    QSpinBox* Kinder;
    QRadioButton *Verheiratet, *Ledig, *Neubau, *Altbau, *Alt, *Neu;
    QCheckBox *Oeko, *Oeko2;
    QPushButton *OKBtn, *CancelBtn;
};
