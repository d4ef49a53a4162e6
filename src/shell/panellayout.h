#pragma once
// Which panels surround the calculator and how large the window is. The window grows downwards
// by the extension area with one side panel, and to the right by either the Tape or the plotter;
// the currency converter sits below the Tape while the extension area is open. Every command
// returns the whole arrangement, which the main window applies as it is.
#include <QSize>
#include <QString>
#include <array>

class Calculator;

// What the panels beside the calculator must do when the arrangement changes under them. The plotter
// and the extension area close by many routes (Tape, units, tax, the arrow, a panel's own item), and
// each route has to give the panels their half of it.
class PanelLayoutHooks {
public:
    virtual ~PanelLayoutHooks() = default;
    // A side panel was opened in the extension area (0..3).
    virtual void sidePanelOpened(int panel) {}
    // The plotter is about to close, while it is still shown, or has just been shown.
    virtual void plotterClosing() {}
    virtual void plotterOpened() {}
    // The extension area closes.
    virtual void extensionClosing() {}
};

// Side panels in the order of the panel letter: trigonometry, units, tax, functions.
enum class SidePanelKind { Trigonometry = 0, Units = 1, Tax = 2, Functions = 3 };

struct Layout {
    std::array<bool, 4> sidePanels{};   // Frame11, Frame51, Frame61, Frame71; also their menu checks
    bool tape = false;                  // Frame41, "&Tape (T)" checked
    bool plotter = false;               // Frame21, "&Graph (G)" checked
    bool converter = false;             // Frame31
    bool converterItemChecked = false;  // "&Währungsrechner (W)"
    QSize face;                         // the client area
    QString letter;                     // Label8
    QString arrowCaption, arrowHint;    // Button41
    QString tapeCaption;                // Button46

    bool operator==(const Layout&) const = default;
};

class PanelLayout {
public:
    explicit PanelLayout(Calculator& calculator) : calc_(calculator) {}
    // nullptr: nothing beside the layout listens.
    void setHooks(PanelLayoutHooks* hooks) { hooks_ = hooks ? hooks : &noHooks_; }

    int DesignHeight = 417, DesignWidth = 249, ExtensionHeight = 190, TapeWidth = 248, PlotterWidth = 420;
    int ExtensionOpen = 0;  // stored as "erw"-style 0/1
    int SidePanel = 0;      // the panel the letter names, 0..3
    int TapeShown = 0;
    bool PlotterShown = false;
    bool ConverterShown = false;
    bool ConverterItemChecked = false;
    std::array<bool, 4> SidePanelShown{};
    // The face's design caption until the Tape is first switched.
    QString TapeCaption = QStringLiteral("Tape ->");

    Layout current() const;

    // User commands.
    Layout ShowSidePanel(int panel);
    Layout LetterClicked();
    Layout ArrowClicked();
    Layout ToggleTape();
    // The plotter needs a panel that draws into it: with neither trigonometry nor functions shown,
    // opening it opens the function panel first.
    Layout ToggleGraph();
    Layout ToggleCurrency();

    // Steps the commands are made of.
    void OpenExtension() { extensionAreaShown_ = true; }
    void CloseExtension();
    void HidePanels();

private:
    void closeGraphIfVisible();

    Calculator& calc_;
    PanelLayoutHooks noHooks_;
    PanelLayoutHooks* hooks_ = &noHooks_;
    bool extensionAreaShown_ = false;  // the window's height includes the extension area
};
