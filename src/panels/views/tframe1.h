#pragma once
// TFrame1: the trigonometry panel below the keypad. Its buttons run the engine's commands; the
// main window listens for what it must do itself (render the display, focus "=", show or hide
// the plotter).
#include <QFrame>

class QCheckBox;
class QPushButton;
class QRadioButton;
class TrigPanel;

class TFrame1 : public QFrame {
    Q_OBJECT
public:
    static constexpr int PanelWidth = 249;
    static constexpr int PanelHeight = 190;

    explicit TFrame1(TrigPanel& panel, QWidget* parent = nullptr);

    QPushButton *Button1, *Button2, *Button3, *Button4, *Button5, *Button6, *Button7;
    QRadioButton *RadioButton1, *RadioButton2;
    QCheckBox *Arc, *hyp;

    // Shows the engine's state: check marks, enabled buttons, the graph caption.
    void render();
    // The scheme's text colour for "Grad", "Rad", "Hyp", "Arc".
    void setTextColour(const QColor& colour);
    // "&Graph (G)" and closing the extension area press "Graph->" through here.
    void pressGraph();

signals:
    // The calculator's fields changed: the main window renders its display.
    void calculatorChanged();
    void focusEqualsRequested();
    // "Graph->": the main window widens itself and shows the plotter (hiding the Tape), or hides it.
    void plotterShowRequested();
    void plotterHideRequested();

private:
    // One user command: run it, then render this panel and the display, focus "=".
    template <typename Command>
    void run(Command command);

    TrigPanel& panel_;
};
