#pragma once
// The main window: a thin view over the calculator engine. Every user command runs one
// engine command, then the window renders from the engine's state and the focus returns to "=".
#include "core/calculator.h"

#include <QMainWindow>
#include <functional>

class QAction;
class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    TForm1(Calculator& calculator, Dialogs& dialogs, QWidget* parent = nullptr);

    Calculator& calculator() { return calc_; }
    // Runs one command against the engine, shows a conversion error as the runtime does,
    // then renders and gives the focus back to "=".
    void run(const std::function<void()>& command);
    void render();

    // Entry points other windows are bound to; each may be left unbound.
    std::function<void()> onShowFinance;

    // Display fields and marks
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr;
    QLabel *Label5 = nullptr, *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr;
    QLabel* StaticText1 = nullptr;
    QRadioButton *Radio1 = nullptr, *Radio2 = nullptr;
    QSpinBox* SpinEdit1 = nullptr;
    QPushButton *R1 = nullptr, *R2 = nullptr;
    // Keys
    QPushButton *Button1 = nullptr, *Button2 = nullptr, *Button3 = nullptr, *Button4 = nullptr, *Button5 = nullptr,
                *Button6 = nullptr, *Button7 = nullptr, *Button8 = nullptr, *Button9 = nullptr, *Button10 = nullptr,
                *Button11 = nullptr, *Button12 = nullptr, *Button13 = nullptr, *Button14 = nullptr,
                *Button15 = nullptr, *Button16 = nullptr, *Button17 = nullptr, *Button18 = nullptr,
                *Button19 = nullptr, *Button20 = nullptr, *Button21 = nullptr, *Button22 = nullptr,
                *Button23 = nullptr, *Button24 = nullptr, *Button25 = nullptr, *Button26 = nullptr,
                *Button27 = nullptr, *Button28 = nullptr, *Button29 = nullptr, *Button30 = nullptr,
                *Button33 = nullptr, *Button34 = nullptr, *Button35 = nullptr, *Button36 = nullptr,
                *Button37 = nullptr, *Button38 = nullptr, *Button39 = nullptr, *Button40 = nullptr,
                *Button41 = nullptr, *Button44 = nullptr, *Button45 = nullptr, *Button46 = nullptr;
    QPushButton *SpeedButton1 = nullptr, *SpeedButton2 = nullptr;
    // Menu items
    QAction *Formatierung1 = nullptr, *Formatierung2 = nullptr, *Formatierung3 = nullptr;
    QAction *DForm1 = nullptr, *DForm2 = nullptr, *Syntax_1 = nullptr, *Syntax_2 = nullptr;
    QAction *FelderW = nullptr, *TapeW = nullptr, *Finanz = nullptr, *Tape1 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildFace();
    void buildMenus();
    void connectKeys();
    QPushButton* makeButton(const char* name, const QString& caption, QRect rect, int fontPixels,
                            const QString& hint = QString());
    QLabel* makeLabel(const char* name, QRect rect, int fontPixels, bool bold, Qt::Alignment alignment);
    void bind(QPushButton* button, std::function<void()> command);
    void applyColours();

    Calculator& calc_;
    Dialogs& dialogs_;
    QWidget* face_ = nullptr;
    bool rendering_ = false;
};
