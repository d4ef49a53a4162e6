// The window grows downwards by the extension area with one side panel, and to the right
// by either the Tape or the plotter; the currency converter sits below the Tape while the
// extension area is open.
#include "shell/tform1.h"

#include "currency/views/tframe3.h"
#include "panels/views/tframe5.h"
#include "tape/views/tframe4.h"

#include <QAction>
#include <QActionGroup>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolTip>

namespace {
uint32_t infoBackground() { return TapeDocument::toBgr(QToolTip::palette().color(QPalette::ToolTipBase)); }
}  // namespace

void TForm1::buildPanels() {
    Frame41 = new TFrame4(tape_, dialogs_, &calc_, face_);
    Frame41->move(248, 0);
    Frame41->hide();
    tape_.setVisible(false);
    connect(Frame41, &TFrame4::focusEqualsRequested, this, [this] { Button16->setFocus(); });
    connect(Frame41, &TFrame4::editModeEntered, this, [this] {
        if (calc_.ActiveField < field::EditOwnsKeys) calc_.SavedActiveField = calc_.ActiveField;
        calc_.ActiveField = field::EditOwnsKeys;
    });
    connect(Frame41, &TFrame4::recordModeEntered, this, [this] {
        if (calc_.ActiveField == field::EditOwnsKeys)
            calc_.ActiveField = (calc_.SavedActiveField >= field::First && calc_.SavedActiveField <= field::Result)
                ? calc_.SavedActiveField
                : 1;
        render();
    });
    connectExport();
    connect(Frame41, &TFrame4::contextMenuOpened, this, [this] { calc_.PopupTarget = 3; });
    connect(Frame41, &TFrame4::restoreAvailableChanged, this, [this](bool on) { TapeW->setEnabled(on); });
    connect(TapeW, &QAction::triggered, this, [this] {
        Frame41->restoreTape();
        Button16->setFocus();
    });
    connect(Button46, &QPushButton::clicked, this, [this] { ToggleTape(); });
    connect(Button41, &QPushButton::clicked, this, [this] { ArrowClicked(); });
}

// The unit panel and the converter are built when first shown: together they would cost start-up
// a sixth of its time. Their engines live from the start, so nothing is lost meanwhile; a late
// frame takes the colours chosen before it.
void TForm1::buildUnitPanel() {
    if (Frame51) return;
    Frame51 = new TFrame5(units_, face_);
    Frame51->move(0, 412);
    Frame51->hide();
    Frame51->setFieldColour(FieldColour);
    connect(Frame51, &TFrame5::displayChanged, this, [this] { render(); });
    connect(Frame51, &TFrame5::focusEqualsRequested, this, [this] { Button16->setFocus(); });
}

void TForm1::buildConverterPanel() {
    if (Frame31) return;
    Frame31 = new TFrame3(converter_, dialogs_, face_);
    Frame31->setGeometry(248, 412, layout_.TapeWidth + 2, layout_.ExtensionHeight);
    Frame31->hide();
    Frame31->setPalette(converterPalette());
    Frame31->setFieldColour(TapeDocument::fromBgr(FieldColour));
    connect(Frame31, &TFrame3::calculatorChanged, this, [this] {
        render();
        emit converterChanged();
    });
    connect(Frame31, &TFrame3::focusEqualsRequested, this, [this] { Button16->setFocus(); });
}

// The converter's captions take the scheme's text colour.
QPalette TForm1::converterPalette() const {
    QPalette p = face_->palette();
    p.setColor(QPalette::WindowText, schemeText_);
    return p;
}

// "E": the unit panel converts, opened first when it is not shown.
void TForm1::convertUnits() {
    if (!layout_.SidePanelShown[static_cast<int>(SidePanelKind::Units)]) Einheiten->trigger();
    run([this] { units_.ConvertClicked(); });
}

void TForm1::buildPanelMenus(QMenu* tools, QMenu* settings) {
    auto item = [this](QMenu* menu, const char* name, const QString& text) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        action->setCheckable(true);
        return action;
    };
    Trigon = item(tools, "Trigon", QStringLiteral("T&rigonmetrische Funktionen (R)"));
    Einheiten = item(tools, "Einheiten", QStringLiteral("Einheiten umrechnen (E)"));
    Steuer1 = item(tools, "Steuer1", QStringLiteral("Steuer (S)"));
    Funktionen = item(tools, "Funktionen", QStringLiteral("Funktionen"));
    tools->addSeparator();
    Whrungsrechner1 = item(tools, "Whrungsrechner1", QStringLiteral("&Währungsrechner (W)"));
    Graf1 = item(tools, "Graf1", QStringLiteral("&Graph (G)"));
    for (int k = 0; k < 4; ++k) connect(panelItem(k), &QAction::triggered, this, [this, k] { ShowSidePanel(k); });
    connect(Tape1, &QAction::triggered, this, [this] { ToggleTape(); });
    connect(Graf1, &QAction::triggered, this, [this] { pressGraph(); });
    connect(Whrungsrechner1, &QAction::triggered, this, [this] { ToggleCurrency(); });
    characterActions_[u'r'] = [this] { Trigon->trigger(); };
    characterActions_[u'e'] = [this] { Einheiten->trigger(); };
    characterActions_[u'E'] = [this] { convertUnits(); };
    characterActions_[u's'] = [this] { Steuer1->trigger(); };
    characterActions_[u'g'] = [this] { Graf1->trigger(); };
    characterActions_[u'w'] = [this] { Whrungsrechner1->trigger(); };
    // Keys of the currency converter; they work while its panel is hidden too.
    characterActions_[u'q'] = [this] { run([this] { converter_.HandActiveNumber(); }); };
    characterActions_[u'<'] = [this] { run([this] { converter_.SetDirectionKey(2); }); };
    characterActions_[u'>'] = [this] { run([this] { converter_.SetDirectionKey(1); }); };

    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    const char* names[] = {"Trigonometrie", "Einheiten", "Steuer", "Funktionen"};
    for (int k = 0; k < 4; ++k)
        connect(PopupMenu2->addAction(QString::fromUtf8(names[k])), &QAction::triggered, this,
                [this, k] { ShowSidePanel(k); });

    QMenu* background = settings->addMenu(QStringLiteral("Hintergrundfarben"));
    auto* backgrounds = new QActionGroup(this);
    Graugruen = item(background, "Graugruen", QStringLiteral("Graugrün"));
    Gruen = item(background, "Gruen", QStringLiteral("Grün"));
    Blau = item(background, "Blau", QStringLiteral("Blau"));
    EigeneFarben1 = item(background, "EigeneFarben1", QStringLiteral("Eigene Farben ..."));
    QMenu* fields = settings->addMenu(QStringLiteral("Farben in Feldern"));
    auto* fieldGroup = new QActionGroup(this);
    Gelb = item(fields, "Gelb", QStringLiteral("Gelb"));
    Beige = item(fields, "Beige", QStringLiteral("Beige"));
    Weiss = item(fields, "Weiss", QStringLiteral("Weiß"));
    EigeneFarben2 = item(fields, "EigeneFarben2", QStringLiteral("Eigene Farben ..."));
    QAction* schemes[] = {Graugruen, Gruen, Blau, EigeneFarben1};
    QAction* fieldSchemes[] = {Gelb, Beige, Weiss, EigeneFarben2};
    for (int i = 0; i < 4; ++i) {
        backgrounds->addAction(schemes[i]);
        fieldGroup->addAction(fieldSchemes[i]);
        connect(schemes[i], &QAction::triggered, this, [this, i] { SetBackgroundScheme(i + 1); });
        connect(fieldSchemes[i], &QAction::triggered, this, [this, i] { SetFieldScheme(i + 1); });
    }
}

QFrame* TForm1::sidePanel(int panel) const {
    QFrame* panels[] = {Frame11, Frame51, Frame61, Frame71};
    return panels[panel];
}

QAction* TForm1::panelItem(int panel) const {
    QAction* items[] = {Trigon, Einheiten, Steuer1, Funktionen};
    return items[panel];
}

void TForm1::apply(const Layout& shown) {
    const bool tapeWasShown = tape_.Visible();
    const int units = static_cast<int>(SidePanelKind::Units);
    const bool unitsOpening = shown.sidePanels[units] && !applied_.sidePanels[units];
    const bool converterSwitched = shown.converter != applied_.converter;
    applied_ = shown;
    if (shown.sidePanels[units]) buildUnitPanel();
    if (shown.converter) buildConverterPanel();
    if (shown.sidePanels[static_cast<int>(SidePanelKind::Trigonometry)]) buildTrigPanel();
    if (shown.sidePanels[static_cast<int>(SidePanelKind::Tax)]) buildTaxPanel();
    if (shown.sidePanels[static_cast<int>(SidePanelKind::Functions)]) buildFunctionPanel();
    if (shown.plotter) buildPlotter();
    for (int k = 0; k < 4; ++k) {
        if (QFrame* panel = sidePanel(k)) panel->setVisible(shown.sidePanels[k]);
        panelItem(k)->setChecked(shown.sidePanels[k]);
    }
    if (Frame21) Frame21->setVisible(shown.plotter);
    Graf1->setChecked(shown.plotter);
    if (unitsOpening) Frame51->OpenPanel();  // its page and units, no conversion
    // Hiding the converter ends a running chain, which gives the calculator its format back.
    if (converterSwitched) converter_.SetVisible(shown.converter);
    if (Frame31) Frame31->setVisible(shown.converter);
    Whrungsrechner1->setChecked(shown.converterItemChecked);
    if (tapeWasShown && !shown.tape) tape_.SetBold(true);
    Frame41->setVisible(shown.tape);
    tape_.setVisible(shown.tape);
    Tape1->setChecked(shown.tape);
    Button46->setText(shown.tapeCaption);
    Label8->setText(shown.letter);
    Button41->setText(shown.arrowCaption);
    Button41->setToolTip(shown.arrowHint);
    face_->setFixedSize(shown.face);
    // The window follows at once, not on the next event loop turn. The main window's layout learns the
    // client area's new width only while it applies it, and the menu bar's rows depend on that width:
    // a second pass sizes the window with the rows of the new width.
    layout()->activate();
    layout()->invalidate();
    layout()->activate();
    // A result shown while the Tape opens starts a record on it.
    if (!tapeWasShown && shown.tape && calc_.ActiveField == field::Result) Frame41->carryResult(calc_.Label1);
    if (converterSwitched) render();
}

void TForm1::ShowSidePanel(int panel) {
    apply(layout_.ShowSidePanel(panel));
    render();
    const auto kind = static_cast<SidePanelKind>(panel);
    if (kind == SidePanelKind::Trigonometry || kind == SidePanelKind::Functions) Button16->setFocus();
}

void TForm1::LetterClicked() {
    apply(layout_.LetterClicked());
    render();
    Button16->setFocus();
}

void TForm1::ArrowClicked() {
    apply(layout_.ArrowClicked());
    render();
    Button16->setFocus();
}

void TForm1::ToggleGraph() {
    apply(layout_.ToggleGraph());
    render();
    Button16->setFocus();
}

void TForm1::ToggleCurrency() {
    apply(layout_.ToggleCurrency());
    // Shown by its menu command, the converter also puts the calculator into currency format.
    run([this] {
        if (layout_.ConverterShown) converter_.ShownByMenu();
    });
}

void TForm1::ToggleTape() {
    apply(layout_.ToggleTape());
    Button16->setFocus();
}

void TForm1::SetBackgroundScheme(int scheme, std::optional<uint32_t> ownColour) {
    static const uint32_t colours[] = {0x938368, 0x8DA591, 0xA27153};
    uint32_t colour = 0;
    if (scheme == 4) {
        const auto chosen = ownColour ? ownColour : dialogs_.chooseColour(OwnBackgroundColour);
        if (!chosen) {
            // A cancelled dialog changes nothing.
            QAction* items[] = {Graugruen, Gruen, Blau, EigeneFarben1};
            items[BackgroundScheme - 1]->setChecked(true);
            return;
        }
        OwnBackgroundColour = *chosen;
        colour = *chosen;
    } else {
        colour = colours[scheme - 1];
    }
    BackgroundScheme = scheme;
    const QColor text = scheme == 3 ? Qt::white : Qt::black;
    QPalette window = face_->palette();
    window.setColor(QPalette::Window, TapeDocument::fromBgr(colour));
    face_->setPalette(window);
    QWidget* smallTexts[] = {Label2, Label4, Label5, Label6, Label7, StaticText1, Radio1, Radio2};
    for (QWidget* w : smallTexts) {
        QPalette p = w->palette();
        p.setColor(QPalette::WindowText, text);
        p.setColor(QPalette::ButtonText, text);
        w->setPalette(p);
    }
    QFrame* panels[] = {Frame11, Frame51, Frame61, Frame71, Frame21, Frame41};
    for (QFrame* f : panels)
        if (f) f->setPalette(window);
    schemeText_ = text;
    if (Frame31) Frame31->setPalette(converterPalette());
    colourPanels();
    QAction* items[] = {Graugruen, Gruen, Blau, EigeneFarben1};
    items[scheme - 1]->setChecked(true);
}

void TForm1::SetFieldScheme(int scheme, std::optional<uint32_t> ownColour) {
    uint32_t tapeColour = 0xFFFFFF;
    switch (scheme) {
    case 1: FieldColour = 0x00FFFF; break;
    case 2: FieldColour = tapeColour = infoBackground(); break;
    case 3: FieldColour = 0xFFFFFF; break;
    default: {
        const auto chosen = ownColour ? ownColour : dialogs_.chooseColour(FieldColour);
        if (!chosen) {
            QAction* items[] = {Gelb, Beige, Weiss, EigeneFarben2};
            items[FieldScheme - 1]->setChecked(true);
            return;
        }
        FieldColour = tapeColour = *chosen;
    }
    }
    FieldScheme = scheme;
    ApplyFieldColour();
    Frame41->setFieldColour(TapeDocument::fromBgr(tapeColour));
    QAction* items[] = {Gelb, Beige, Weiss, EigeneFarben2};
    items[scheme - 1]->setChecked(true);
}

void TForm1::ApplyFieldColour() {
    for (QLabel* label : {Label1, Label3}) {
        QPalette p = label->palette();
        p.setColor(QPalette::Window, TapeDocument::fromBgr(FieldColour));
        p.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(p);
    }
    Frame41->setFieldColour(TapeDocument::fromBgr(FieldColour));
    if (Frame31) Frame31->setFieldColour(TapeDocument::fromBgr(FieldColour));
    if (Frame51) Frame51->setFieldColour(FieldColour);  // flips its pages, so that the lists repaint
    colourPanels();
}
