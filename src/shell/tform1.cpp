#include "shell/tform1.h"

#include "core/numtext.h"
#include "currency/views/tframe3.h"
#include "shell/wrappingmenubar.h"
#include "tape/views/tframe4.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolTip>

TForm1::TForm1(Engines& engines, QWidget* parent)
    : QMainWindow(parent),
      calc_(engines.calculator),
      tape_(engines.tape),
      layout_(engines.layout),
      units_(engines.units),
      converter_(engines.converter),
      trig_(engines.trig),
      tax_(engines.tax),
      functions_(engines.functions),
      plotter_(engines.plotter),
      plotterRouter_(engines.plotterRouter),
      dialogs_(engines.dialogs),
      tapeExport_(engines.tapeExport) {
    setObjectName(QStringLiteral("Form1"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint);
    buildFace();
    buildMenus();
    buildFieldMenu();
    buildPanels();
    connectKeys();
    qApp->installEventFilter(this);  // key preview: the calculator sees every key first
    SetBackgroundScheme(1);
    SetFieldScheme(2);
    apply(layout_.current());
    render();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TForm1::buildMenus() {
    auto checkable = [this](QMenu* menu, const char* name, const QString& text, QActionGroup* group,
                            QKeySequence shortcut = {}) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        action->setCheckable(true);
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        if (group) group->addAction(action);
        return action;
    };

    MainMenu = new WrappingMenuBar(this);
    setMenuWidget(MainMenu);
    QMenu* settings = MainMenu->addMenu(QStringLiteral("&Einstellungen"));
    auto* formats = new QActionGroup(this);
    Formatierung1 = checkable(settings, "Formatierung1",
                              QStringLiteral("Tausender-Trennzeichen, einstellb. Nachkommast."), formats, Qt::Key_F2);
    Formatierung3 = checkable(settings, "Formatierung3", QStringLiteral("Ohne Trennzeichen, freie Nachkommastellen"),
                              formats, Qt::Key_F3);
    Formatierung2 = checkable(settings, "Formatierung2", QStringLiteral("Währung"), formats, Qt::Key_F4);
    settings->addSeparator();
    auto* typing = new QActionGroup(this);
    DForm1 = checkable(settings, "DForm1", QStringLiteral("Beim Schreiben "), typing, Qt::Key_F11);
    DForm2 = checkable(settings, "DForm2", QStringLiteral("Beim Ergebnis"), typing, Qt::Key_F12);
    settings->addSeparator();
    auto* chaining = new QActionGroup(this);
    Syntax_1 = checkable(settings, "Syntax_1", QStringLiteral("Berechnen nach 2. Klick auf neuen Operator"), chaining);
    Syntax_2 = checkable(settings, "Syntax_2", QStringLiteral("Berechnen nach 1. Klick auf neuen Operator"), chaining);

    settings->addSeparator();
    Waehr2 = settings->addAction(QStringLiteral("Zweitwährung automatisch einfügen"));
    Waehr2->setObjectName(QStringLiteral("Waehr2"));
    Waehr2->setCheckable(true);
    connect(Waehr2, &QAction::triggered, this,
            [this] { run([this] { calc_.InsertSecondCurrency = calc_.InsertSecondCurrency ? 0 : 1; }); });
    Kurseaktualisieren1 = settings->addAction(QStringLiteral("Kurse aktualisieren"));
    Kurseaktualisieren1->setObjectName(QStringLiteral("Kurseaktualisieren1"));
    connect(Kurseaktualisieren1, &QAction::triggered, this, &TForm1::ratesUpdateRequested);
    QMenu* advanced = settings->addMenu(QStringLiteral("Erweitert"));
    StayOnTop1 = advanced->addAction(QStringLiteral("Immer im Vordergrund"));
    StayOnTop1->setObjectName(QStringLiteral("StayOnTop1"));
    StayOnTop1->setCheckable(true);
    connect(StayOnTop1, &QAction::triggered, this, [this](bool on) {
        // Changing the flag hides the window; show it again where it was.
        const QPoint place = pos();
        setWindowFlag(Qt::WindowStaysOnTopHint, on);
        move(place);
        show();
        Button16->setFocus();
    });
    buildExportItems(advanced);

    connect(Formatierung1, &QAction::triggered, this, [this] { run([this] { calc_.SetNumberFormat(1); }); });
    connect(Formatierung2, &QAction::triggered, this, [this] { run([this] { calc_.SetNumberFormat(2); }); });
    connect(Formatierung3, &QAction::triggered, this, [this] { run([this] { calc_.SetNumberFormat(3); }); });
    connect(DForm1, &QAction::triggered, this, [this] { run([this] { calc_.SetFormatWhileTyping(1); }); });
    connect(DForm2, &QAction::triggered, this, [this] { run([this] { calc_.SetFormatWhileTyping(2); }); });
    connect(Syntax_1, &QAction::triggered, this, [this] { run([this] { calc_.SetChainMode(0); }); });
    connect(Syntax_2, &QAction::triggered, this, [this] { run([this] { calc_.SetChainMode(1); }); });

    QMenu* restore = MainMenu->addMenu(QStringLiteral("&Wiederherstellen"));
    FelderW = restore->addAction(QStringLiteral("Felder (Strg-Backsp)"));
    FelderW->setObjectName(QStringLiteral("FelderW"));
    connect(FelderW, &QAction::triggered, this, [this] { run([this] { calc_.Undo(); }); });
    TapeW = restore->addAction(QStringLiteral("Tape (Alt-Backsp)"));
    TapeW->setObjectName(QStringLiteral("TapeW"));
    TapeW->setEnabled(false);

    QMenu* tools = MainMenu->addMenu(QStringLiteral("E&xtras"));
    Tape1 = tools->addAction(QStringLiteral("&Tape (T)"));
    Tape1->setObjectName(QStringLiteral("Tape1"));
    Tape1->setCheckable(true);
    buildPanelMenus(tools, settings);
    tools->addSeparator();
    Finanz = tools->addAction(QStringLiteral("Finanzrechner (F)"));
    Finanz->setObjectName(QStringLiteral("Finanz"));
    connect(Finanz, &QAction::triggered, this, &TForm1::financeRequested);
}

void TForm1::bind(QPushButton* button, std::function<void()> command) {
    connect(button, &QPushButton::clicked, this, [this, command = std::move(command)] { run(command); });
}

void TForm1::connectKeys() {
    QPushButton* digits[] = {Button10, Button1, Button2, Button3, Button4, Button5, Button6, Button7, Button8, Button9};
    for (int d = 0; d <= 9; ++d) bind(digits[d], [this, d] { calc_.EnterDigit(QChar(u'0' + d)); });
    bind(Button11, [this] { calc_.EnterDigit(u'.'); });
    bind(Button19, [this] { calc_.DeleteLastDigit(); });
    bind(Button27, [this] { calc_.ChangeSign(); });
    bind(Button12, [this] { calc_.PressOperator(u'x'); });
    bind(Button13, [this] { calc_.PressOperator(u'/'); });
    bind(Button14, [this] { calc_.PressOperator(u'+'); });
    bind(Button15, [this] { calc_.PressOperator(u'-'); });
    bind(Button16, [this] { calc_.PressEquals(); });
    bind(Button17, [this] { calc_.ClearFields(); });
    bind(Button18, [this] { calc_.Quit(); });
    bind(Button21, [this] { calc_.PressPercent(); });
    bind(Button22, [this] { calc_.ApplyFunction(u's'); });
    bind(Button23, [this] { calc_.ApplyFunction(u'q'); });
    bind(Button29, [this] { calc_.ApplyFunction(u'l'); });
    bind(Button30, [this] { calc_.ApplyFunction(u'e'); });
    bind(SpeedButton1, [this] { calc_.ApplyFunction(u'd'); });
    bind(SpeedButton2, [this] { calc_.ApplyFunction(u'n'); });
    bind(Button45, [this] { calc_.ApplyFunction(u'm'); });
    bind(Button24, [this] { calc_.EnterPi(); });
    bind(Button20, [this] { calc_.Repeat(); });
    bind(Button28, [this] { calc_.Undo(); });
    bind(Button33, [this] { calc_.MemoryClear(); });
    bind(Button34, [this] { calc_.MemoryStore(); });
    bind(Button35, [this] { calc_.MemoryRecall(); });
    bind(Button36, [this] { calc_.MemoryAdd(); });
    bind(Button37, [this] { calc_.MemorySubtract(); });
    bind(Button38, [this] { calc_.MemoryMultiply(); });
    bind(Button39, [this] { calc_.NumberDivideByMemory(); });
    bind(Button40, [this] { calc_.MemoryDivideByNumber(); });
    bind(Button44, [this] { calc_.TakeFromOtherCalculator(); });
    bind(R1, [this] { calc_.SelectCalculator(1); });
    bind(R2, [this] { calc_.SelectCalculator(2); });
    connect(Radio1, &QRadioButton::clicked, this, [this] { run([this] { calc_.RadioClicked(1); }); });
    connect(Radio2, &QRadioButton::clicked, this, [this] { run([this] { calc_.RadioClicked(2); }); });
    connect(Button25, &QPushButton::clicked, this, [this] { copyToClipboard(); });
    connect(Button26, &QPushButton::clicked, this, [this] { pasteFromClipboard(); });
    connect(SpinEdit1, &QSpinBox::valueChanged, this, [this](int value) {
        if (!rendering_) run([this, value] { calc_.SetDecimals(value); });
    });
}

void TForm1::run(const std::function<void()>& command) {
    try {
        command();
    } catch (const numtext::ConversionError& error) {
        dialogs_.message(error.message());
    }
    // A calculator key (Esc, a digit, "=", "Löschen") ended the Tape's edit mode: the Tape
    // records again, with the record typing and its button down.
    if (Frame41->editing() && calc_.ActiveField != 4) Frame41->recordMode();
    render();
    if (calc_.QuitRequested) {
        close();
        return;
    }
    Button16->setFocus();
}

void TForm1::render() {
    rendering_ = true;
    setWindowTitle(calc_.Caption);
    Label1->setText(calc_.Label1);
    Label2->setText(calc_.Label2);
    Label2->setToolTip(calc_.Label2.size() >= 5 ? calc_.Label2 : QString());  // the mark field is narrow
    Label3->setText(calc_.Label3);
    Label4->setText(calc_.Label4);
    fitRepeatCounter();  // shows Label5
    Label6->setText(calc_.Label6);
    Radio1->setChecked(calc_.SelectedRadio == 1);
    Radio2->setChecked(calc_.SelectedRadio == 2);
    R1->setChecked(calc_.CalculatorOn == 1);
    R2->setChecked(calc_.CalculatorOn == 2);
    Button44->setText(calc_.CalculatorOn == 1 ? QStringLiteral("←") : QStringLiteral("→"));
    SpinEdit1->setValue(calc_.SpinValue);
    SpinEdit1->setEnabled(calc_.SpinEnabled);
    Formatierung1->setChecked(calc_.FormatMenuChecked == 1);
    Formatierung2->setChecked(calc_.FormatMenuChecked == 2);
    Formatierung3->setChecked(calc_.FormatMenuChecked == 3);
    DForm1->setChecked(calc_.TypingMenuChecked == 1);
    DForm2->setChecked(calc_.TypingMenuChecked != 1);
    Syntax_1->setChecked(calc_.ChainMode == 0);
    Syntax_2->setChecked(calc_.ChainMode == 1);
    Waehr2->setChecked(calc_.InsertSecondCurrency == 1);
    renderExportItems();
    // The calculator hands its totals to the converter; a shown converter follows at once.
    if (layout_.ConverterShown && Frame31) Frame31->render();
    renderPanels();  // the calculator drives the side panels and the plotter through its hooks
    rendering_ = false;
}

void TForm1::closeEvent(QCloseEvent* event) {
    // The window's close box goes the same way as "Beenden".
    if (!calc_.QuitRequested) calc_.Quit();
    render();
    if (!calc_.QuitRequested) {
        event->ignore();
        return;
    }
    emit closing();
    Frame41->removeBackup();
    tapeExport_.removeTransferFile();
    event->accept();
}
