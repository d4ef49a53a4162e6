#pragma once
// The financial window: loan page `Tilgung` and savings page `Anlage` over the schedule engine.
// Created once at start and shown without blocking the main window; it keeps its contents while
// hidden.
#include "finance/financecalculator.h"

#include <QDialog>
#include <functional>
#include <memory>

class Dialogs;
class SettingsSource;
class Tape;
class TFoerder;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableWidget;
class QToolButton;

class TFinanzrechner : public QDialog {
    Q_OBJECT
public:
    // `settings` holds the subsidy's regime sections and the scenarios; without it they are kept in memory for
    // this run. `tape` takes the reports of "Tape"; without it they go nowhere.
    TFinanzrechner(FinanceCalculator& finance, Dialogs& dialogs, QWidget* parent = nullptr,
                   SettingsSource* settings = nullptr, Tape* tape = nullptr);
    ~TFinanzrechner() override;

    // The engine, for the windows that share `FinanceAmount`, `SubsidyPerYear` and `SubsidyTotal`.
    FinanceCalculator& finance() { return Finance; }

    // "Berechnen": copies the controls into the engine, computes the active page, shows the results
    // and any message, and moves the focus where the check asks.
    void OKBtnClick();

    // The subsidy window, built on first use.
    TFoerder& foerder();
    // At shutdown an open subsidy window keeps its parameters, as closing it would.
    void storeSubsidyParameters();
    // Writes the list of scenario names, as closing does; at shutdown while the window is open.
    void storeScenarioNames();

signals:
    // "&Hilfe": the shell opens the help page.
    void helpRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectReactions();
    // Copies the controls into the engine, runs one command, shows the new state, the messages and the focus.
    void run(const std::function<FinanceReaction()>& command);
    void report(const FinanceReaction& reaction);
    void buildTopBar();
    QWidget* buildLoanPage();
    QWidget* buildSavingsPage();
    // Headings, widths, options and row numbers of the four grids.
    void prepareGrids();
    void pullInputs();
    void showState();
    // Toggles, lists, captions and hints of the special payments and interest changes.
    void showListState();
    // Column 0 numbers the data rows 1, 2, 3, ... and is not edited.
    void numberRows(QTableWidget* grid);
    void renderGrid(QTableWidget* grid, const FinanceGrid& rows);
    // The page, the list of scenario names and the combo box's text.
    void renderScenarios();

    Dialogs& dialogs_;
    FinanceCalculator& Finance;
    std::unique_ptr<SettingsSource> ownSettings_;
    SettingsSource* settings_;
    Tape* tape_;
    TFoerder* foerder_ = nullptr;
    QStringList shownNames_;  // the names the combo box lists

public:
    // Controls, by their component names.
    QToolButton *SpeedButton2, *SpeedButton3, *SpeedButton4, *SpeedButton5;
    QComboBox* ComboBox1;
    QTabWidget* PageControl1;
    QPushButton *OKBtn, *CancelBtn, *HelpBtn;

    // Loan page.
    QLineEdit *Edit1, *Edit2, *Edit12, *Edit13, *Edit14, *Edit7;
    QDateEdit *Datum1, *Datum2, *Datum3;
    QRadioButton *Radio1, *Radio2;
    QCheckBox *vproz, *BauFi;
    QGroupBox *SonderGroup, *StatusGroup, *EndGroup;
    QTableWidget *Grid2, *Grid3;
    QToolButton *SpeedButton1, *SpeedButton6, *SpeedButton7;
    QLineEdit *Edit3, *Edit8, *Edit4, *Edit5, *Edit6, *Edit9, *Edit10, *Edit11, *Edit15;

    // Savings page.
    QRadioButton *Zins1, *Zins2;
    QLineEdit *Edit16, *Edit17, *Edit18, *Edit19, *Edit23, *Edit24, *Edit20, *Edit21, *Edit22;
    QLabel* Label24;
    QDateEdit *Datum4, *Datum5, *Datum6;
    QCheckBox* vproz2;
    QGroupBox *SonderGroup2, *StatusGroup2, *ResultGroup;
    QTableWidget *Grid1, *Grid4;
    QPushButton *Button1, *Button2;
    QToolButton* SpeedButton8;
};
