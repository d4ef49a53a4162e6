#pragma once
// TFrame7: the function panel in the extension area. Its controls forward to the FunctionPanel
// engine and render from it; what the main window must do (show the calculator's new state,
// give "=" the focus, open the help page) it learns from the signals.
#include <QFrame>

class FunctionPanel;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

class TFrame7 : public QFrame {
    Q_OBJECT
public:
    static constexpr int PanelWidth = 249;
    static constexpr int PanelHeight = 190;

    explicit TFrame7(FunctionPanel& panel, QWidget* parent = nullptr);

    // Shows the engine's state; the main window calls it after commands of its own.
    void render();

    QComboBox* ComboBox1;       // formula input with the saved formulas
    QLineEdit* Edit1;           // a
    QLineEdit* Edit2;           // b
    QLineEdit* Edit3;           // c
    QComboBox* ComboBox2;       // operator list
    QPushButton* Button1;       // "f(x)"
    QPushButton* Button2;       // plotter
    QToolButton* SpeedButton1;  // save
    QToolButton* SpeedButton2;  // delete
    QToolButton* SpeedButton3;  // help
    QToolButton* Rueck;
    QToolButton* Vor;
    QListWidget* ListBox1;  // the constants of the saved formulas, never shown

signals:
    // The calculator's fields or marks may have changed: the main window re-renders them.
    void calculatorChanged();
    void focusEqualsRequested();
    // The local help page at its anchor "Funktionen".
    void helpRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void connectControls();
    // Runs one engine command, then renders; focusEquals moves the keyboard focus to "=".
    template <typename Command>
    void run(Command command, bool focusEquals);
    void trackCaret();
    bool isInput(QObject* object) const;

    FunctionPanel& panel_;
    bool rendering_ = false;
};
