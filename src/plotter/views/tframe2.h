#pragma once
// TFrame2: the plotter beside the calculator: the drawing surface `Image1`, the row of scale,
// grid, degree and hold controls below it, and the information area with either the function
// readouts ("x = ", "f(x) = ") or the trigonometry labels. Controls forward to the Plotter
// engine; the view renders from it.
#include <QFrame>
#include <QWidget>

class Plotter;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// Shows the engine's surface pixel for pixel.
class PlotSurface : public QWidget {
public:
    PlotSurface(Plotter& plotter, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Plotter& plotter_;
};

class TFrame2 : public QFrame {
    Q_OBJECT
public:
    static constexpr int PanelWidth = 420;
    // As tall as the window with the extension area open, which it always is beside the plotter.
    static constexpr int PanelHeight = 607;

    explicit TFrame2(Plotter& plotter, QWidget* parent = nullptr);
    void render();

    PlotSurface* Image1;
    QLabel* LabelScale;        // "Auflösung:"
    QComboBox* ComboBox1;      // scale
    QCheckBox* CheckBox1;      // "Gitter"
    QCheckBox* CheckBox2;      // "Gitter 2"
    QToolButton* GradRad;
    QToolButton* Halten;       // "Erhalten"
    QCheckBox* SnP;            // "SP"
    QToolButton* UndoButton;   // "Letzte Änderung rückgängig"
    // Function view.
    QLabel *LabelX, *LabelXValue, *LabelFx, *LabelFxValue;
    QLabel *LabelTerm1, *LabelTerm1Value, *LabelTerm2, *LabelTerm2Value;
    // Trigonometry view: captions and readouts, the radius input and its line readout.
    QLabel* TrigCaptions[6];
    QLabel* TrigValues[6];
    QLabel* LabelRadius;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QPushButton* Button2;  // "Übern."

signals:
    // The degree button re-ran the function panel: the calculator's fields may have changed.
    void calculatorChanged();
    void focusEqualsRequested();

private:
    void buildControls();
    void buildInformationArea();
    void connectControls();
    template <typename Command>
    void run(Command command);

    Plotter& plotter_;
    bool rendering_ = false;
};
