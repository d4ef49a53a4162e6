#pragma once
// TFrame2: the plotter beside the calculator: the drawing surface `Image1` with its context
// menu, the row of scale, grid, degree, hold and "SP" controls below it with the undo, save
// and export buttons, and the information area: the function readouts ("x = ", "f(x) = ")
// with the terms and results of hold mode, the hyperbolic readouts, or the six unit-circle
// readouts with the radius input. Controls forward to the Plotter engine; the view renders
// from it.
#include "plotter/plotter.h"

#include <QFrame>
#include <QWidget>

class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;
class TBereich;
class TFrame2;

// Shows the engine's surface pixel for pixel and hands the mouse to it.
class PlotSurface : public QWidget {
public:
    PlotSurface(Plotter& plotter, TFrame2& frame);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    Plotter& plotter_;
    TFrame2& frame_;
};

class TFrame2 : public QFrame, public PlotterWindowHooks {
    Q_OBJECT
public:
    static constexpr int PanelWidth = 420;
    // As tall as the window with the extension area open, which it always is beside the plotter.
    static constexpr int PanelHeight = 607;

    explicit TFrame2(Plotter& plotter, QWidget* parent = nullptr);
    ~TFrame2() override;
    void render();

    PlotSurface* Image1;
    QLabel* LabelScale;    // "Auflösung:"
    QComboBox* ComboBox1;  // scale
    QCheckBox* CheckBox1;  // "Gitter"
    QCheckBox* CheckBox2;  // "Gitter 2"
    QToolButton* GradRad;
    QToolButton* Halten;        // "Erhalten" / "Gehalten"
    QCheckBox* SnP;             // "SP"
    QToolButton* UndoButton;    // "Letzte Änderung rückgängig"
    QToolButton* SaveButton;    // "Graph als Bild speichern"
    QToolButton* ExportButton;  // "Graph in LibreOffice exportieren"
    // Function view.
    QLabel *LabelX, *LabelXValue, *LabelFx, *LabelFxValue;
    QLabel *LabelTerm1, *LabelTerm1Value, *LabelTerm2, *LabelTerm2Value;
    QLabel *LabelResult1, *LabelResult2;
    // Trigonometry view: captions and readouts, the radius input and its line readout.
    QLabel* TrigCaptions[6];
    QLabel* TrigValues[6];
    QLabel* LabelRadius;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QPushButton* Button2;  // "Übern."

    // The context menu of `Image1` (function panel only) and its items, in menu order.
    QMenu* PopupMenu1;
    QAction *XPunktBeschriften1, *XWertLoeschen1, *Term1Schreiben1, *Term2Schreiben1, *SchnittpunktBerechnen1;
    QMenu* Bereich1;         // "Bereich für Schnittpunktsuche"
    QAction* RangeItems[6];  // "Einfache Auflösung" … "Frei definierbar"
    QAction *XWert1, *XWert2, *Markieren1, *Markieren2, *Kommentar1;
    QAction *Radieren1, *Pfeil1, *BoxGefuellt1, *BoxRahmen1, *GitterNeu1, *GraphLoeschen1;
    TBereich* Bereich;

    void setBusy(bool busy) override;

    template <typename Command>
    void run(Command command);

signals:
    // A command changed the calculator's fields or state.
    void calculatorChanged();
    void focusEqualsRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildInformationArea();
    void buildMenu();
    void connectControls();
    void connectMenu();
    void renderMenu();
    void renderInformationArea();

    Plotter& plotter_;
    bool rendering_ = false;
};

template <typename Command>
void TFrame2::run(Command command) {
    if (rendering_) return;
    command();
    render();
    emit calculatorChanged();
    emit focusEqualsRequested();
}
