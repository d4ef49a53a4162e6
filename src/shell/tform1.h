#pragma once
// The main window: a thin view over the calculator engine. Every user command runs one
// engine command, then the window renders from the engine's state and the focus returns to "=".
#include "core/calculator.h"
#include "currency/views/tframe3.h"
#include "functions/views/tframe7.h"
#include "panels/views/tframe1.h"
#include "panels/views/tframe5.h"
#include "panels/views/tframe6.h"
#include "plotter/views/tframe2.h"
#include "shell/engines.h"

#include <QMainWindow>
#include <functional>
#include <map>
#include <optional>

class QAction;
class QButtonGroup;
class QFrame;
class TFrame4;
class WrappingMenuBar;
class QKeyEvent;
class QMenu;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(Engines& engines, QWidget* parent = nullptr);

    Calculator& calculator() { return calc_; }
    PanelLayout& panelLayout() { return layout_; }
    // Runs one command against the engine, shows a conversion error as the runtime does,
    // then renders and gives the focus back to "=".
    void run(const std::function<void()>& command);
    void render();

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
                *Button11 = nullptr, *Button12 = nullptr, *Button13 = nullptr, *Button14 = nullptr, *Button15 = nullptr,
                *Button16 = nullptr, *Button17 = nullptr, *Button18 = nullptr, *Button19 = nullptr, *Button20 = nullptr,
                *Button21 = nullptr, *Button22 = nullptr, *Button23 = nullptr, *Button24 = nullptr, *Button25 = nullptr,
                *Button26 = nullptr, *Button27 = nullptr, *Button28 = nullptr, *Button29 = nullptr, *Button30 = nullptr,
                *Button33 = nullptr, *Button34 = nullptr, *Button35 = nullptr, *Button36 = nullptr, *Button37 = nullptr,
                *Button38 = nullptr, *Button39 = nullptr, *Button40 = nullptr, *Button41 = nullptr, *Button44 = nullptr,
                *Button45 = nullptr, *Button46 = nullptr;
    QPushButton *SpeedButton1 = nullptr, *SpeedButton2 = nullptr;
    // The menu bar; headings go through MainMenu->addMenu, never QMainWindow::menuBar(), which would
    // replace it with a bar that cannot wrap.
    WrappingMenuBar* MainMenu = nullptr;
    // Menu items
    QAction *Formatierung1 = nullptr, *Formatierung2 = nullptr, *Formatierung3 = nullptr;
    QAction *DForm1 = nullptr, *DForm2 = nullptr, *Syntax_1 = nullptr, *Syntax_2 = nullptr;
    QAction *FelderW = nullptr, *TapeW = nullptr, *Finanz = nullptr, *Tape1 = nullptr;
    QAction *StayOnTop1 = nullptr, *Waehr2 = nullptr, *Kurseaktualisieren1 = nullptr;
    QAction *Textbox1 = nullptr, *Umrandung = nullptr;
    QAction *Trigon = nullptr, *Einheiten = nullptr, *Steuer1 = nullptr, *Funktionen = nullptr;
    QAction *Whrungsrechner1 = nullptr, *Graf1 = nullptr;
    QAction *Graugruen = nullptr, *Gruen = nullptr, *Blau = nullptr, *EigeneFarben1 = nullptr;
    QAction *Gelb = nullptr, *Beige = nullptr, *Weiss = nullptr, *EigeneFarben2 = nullptr;
    QMenu* PopupMenu2 = nullptr;  // the panel letter's menu

    // Panels around the calculator: side panels below (trigonometry, units, tax, functions),
    // the currency converter below the Tape, the Tape or the plotter on the right.
    // Every panel but the Tape is built when first shown.
    TFrame1* Frame11 = nullptr;  // trigonometry
    TFrame6* Frame61 = nullptr;  // tax
    TFrame7* Frame71 = nullptr;  // functions
    TFrame2* Frame21 = nullptr;  // plotter
    TFrame5* Frame51 = nullptr;  // built when first shown
    TFrame3* Frame31 = nullptr;  // built when first shown
    TFrame4* Frame41 = nullptr;

    // Colour schemes.
    int BackgroundScheme = 1, FieldScheme = 2;
    uint32_t FieldColour = 0, OwnBackgroundColour = 0x938368;
    int StayOnTop = 0;

    // Panel switching: the layout engine decides, the window applies what it returns.
    void ShowSidePanel(int panel);
    void LetterClicked();
    void ArrowClicked();
    void ToggleTape();
    void ToggleGraph();
    void ToggleCurrency();
    // Scheme 4 asks for the colour, unless `ownColour` brings a stored one.
    void SetBackgroundScheme(int scheme, std::optional<uint32_t> ownColour = std::nullopt);
    void SetFieldScheme(int scheme, std::optional<uint32_t> ownColour = std::nullopt);
    // Shows what the layout engine holds now (its letter, panels and size).
    void ShowLayout() { apply(layout_.current()); }
    void ApplyFieldColour();
    QMenu* PopupMenu1 = nullptr;

    void copyToClipboard();
    void pasteFromClipboard();

signals:
    // Requests for windows and panels that the application owns.
    void financeRequested();
    // "Kurse aktualisieren": the exchange-rate pages and the rate dialog.
    void ratesUpdateRequested();
    // The converter's panel ran a command; its list may have changed.
    void converterChanged();
    // F1 (no anchor) and the function panel's help button ("Funktionen").
    void helpRequested(const QString& anchor);
    // The window closes for good: the last moment to take its state.
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildFace();
    void fitRepeatCounter();
    void buildMenus();
    void connectKeys();
    QPushButton* makeButton(const char* name, const QString& caption, QRect rect, int fontPixels,
                            const QString& hint = QString());
    QLabel* makeLabel(const char* name, QRect rect, int fontPixels, bool bold, Qt::Alignment alignment);
    void bind(QPushButton* button, std::function<void()> command);
    bool handleKey(QKeyEvent* event);
    bool converterFieldKey(QWidget* watched, const QKeyEvent* event) const;
    bool handleCharacter(const QString& text);
    bool handleMouse(QObject* watched, QEvent* event);
    bool press(const std::function<void()>& command);
    void buildFieldMenu();
    void buildPanels();
    void buildPanelMenus(QMenu* tools, QMenu* settings);
    void apply(const Layout& shown);
    void buildUnitPanel();
    void buildConverterPanel();
    QPalette converterPalette() const;
    void convertUnits();
    // The trigonometry, tax and function panels and the plotter (tform1_plotter.cpp).
    void buildTrigPanel();
    void buildTaxPanel();
    void buildFunctionPanel();
    void buildPlotter();
    void renderPanels();
    void colourPanels();
    void pressGraph();
    // After a panel command that may have opened or closed the plotter: show what the layout says.
    void followLayout();
    QFrame* sidePanel(int panel) const;
    QAction* panelItem(int panel) const;
    void startFieldDrag(int field);
    void buildExportItems(QMenu* advanced);
    void renderExportItems();
    void connectExport();

    Calculator& calc_;
    TapeDocument& tape_;
    PanelLayout& layout_;
    UnitPanel& units_;
    CurrencyConverter& converter_;
    TrigPanel& trig_;
    TaxPanel& tax_;
    FunctionPanel& functions_;
    Plotter& plotter_;
    PlotterRouter& plotterRouter_;
    Dialogs& dialogs_;
    TapeExport& tapeExport_;
    std::map<QChar, std::function<void()>> characterActions_;  // letters that reach the panels
    QWidget* face_ = nullptr;
    bool rendering_ = false;
    Layout applied_;                 // what apply() showed last
    QColor schemeText_ = Qt::black;  // the small texts' colour in the background scheme
    QPoint dragStart_;
    int dragField_ = 0;
};
