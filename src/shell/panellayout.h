#pragma once
// Which panels surround the calculator and how large the window is. The window grows downwards
// by the extension area with one side panel, and to the right by either the Tape or the plotter;
// the currency converter sits below the Tape while the extension area is open. Every command
// returns the whole arrangement, which the main window applies as it is.
#include <QSize>
#include <QString>
#include <array>

class Calculator;

// Side panels in the order of the panel letter: trigonometry, units, tax, functions.
enum class SidePanelKind { Trigonometry = 0, Units = 1, Tax = 2, Functions = 3 };

struct Layout {
    std::array<bool, 4> sidePanels{};  // Frame11, Frame51, Frame61, Frame71; also their menu checks
    bool tape = false;                 // Frame41, "&Tape (T)" checked
    bool plotter = false;              // Frame21, "&Graph (G)" checked
    bool converter = false;            // Frame31
    bool converterItemChecked = false; // "&Währungsrechner (W)"
    QSize face;                        // the client area
    QString letter;                    // Label8
    QString arrowCaption, arrowHint;   // Button41
    QString tapeCaption;               // Button46

    bool operator==(const Layout&) const = default;
};

class PanelLayout {
public:
    explicit PanelLayout(Calculator& calculator) : calc_(calculator) {}

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
    Layout ToggleGraph();
    Layout ToggleCurrency();

    // Steps the commands are made of.
    void OpenExtension() { extensionAreaShown_ = true; }
    void CloseExtension();
    void HidePanels();

private:
    void closeGraphIfVisible();

    Calculator& calc_;
    bool extensionAreaShown_ = false;  // the window's height includes the extension area
};
