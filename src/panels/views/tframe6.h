#pragma once
// TFrame6: the tax panel below the keypad. The percentage field owns the keys while it has the
// focus; everything else runs one engine command and renders again.
#include "panels/taxpanel.h"

#include <QFrame>

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;
class QToolButton;

class TFrame6 : public QFrame {
    Q_OBJECT
public:
    static constexpr int PanelWidth = 249;
    static constexpr int PanelHeight = 190;

    explicit TFrame6(TaxPanel& panel, QWidget* parent = nullptr);

    QLabel *Label1, *Label2, *Label4, *Label5;
    QComboBox* ComboBox1;
    QLineEdit *Edit3, *Edit4, *Edit2;
    QRadioButton *VST, *NST;
    QToolButton *SpeedButton1, *SpeedButton2;
    QMenu* PopupMenu1;  // context menu of the tax list

    // Shows the engine's state: list, selection, fields, mode.
    void render();
    // `ApplyFieldColour`: the tax list and the three fields.
    void setFieldColour(const QColor& colour);
    // The scheme's text colour for the captions and the mode buttons.
    void setTextColour(const QColor& colour);

signals:
    // The calculator's fields or `ActiveField` changed: the main window renders its display.
    void calculatorChanged();
    void focusEqualsRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class SystemBeep : public TaxPanel::Beeper {
    public:
        void beep() override;
    };
    void buildMenu();
    template <typename Command>
    void run(Command command);
    void leaveRate(bool byEnter);

    TaxPanel& panel_;
    SystemBeep beep_;
};
