// The window grows downwards by the extension area with one side panel, and to the right
// by either the Tape or the plotter; the currency converter sits below the Tape while the
// extension area is open.
#include "tform1.h"

#include "tape/tframe4.h"

#include <QAction>
#include <QActionGroup>
#include <QColorDialog>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolTip>

namespace {
const char* const kLetters[] = {"T", "E", "S", "F"};

QColor fromBgr(uint32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }
uint32_t toBgr(const QColor& c) {
    return static_cast<uint32_t>(c.red()) | static_cast<uint32_t>(c.green()) << 8 | static_cast<uint32_t>(c.blue()) << 16;
}
uint32_t infoBackground() { return toBgr(QToolTip::palette().color(QPalette::ToolTipBase)); }

QFrame* makePanel(QWidget* parent, const char* name, QRect rect) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setGeometry(rect);
    frame->hide();
    return frame;
}
}  // namespace

void TForm1::buildPanels() {
    const QRect below(0, 412, DesignWidth, ExtensionHeight);
    Frame11 = makePanel(face_, "Frame11", below);  // trigonometry
    Frame51 = makePanel(face_, "Frame51", below);  // units
    Frame61 = makePanel(face_, "Frame61", below);  // tax
    Frame71 = makePanel(face_, "Frame71", below);  // functions
    Frame31 = makePanel(face_, "Frame31", {248, 412, TapeWidth + 2, ExtensionHeight});  // currency
    Frame21 = makePanel(face_, "Frame21", {248, 0, PlotterWidth, DesignHeight});        // plotter
    Frame41 = new TFrame4(dialogs_, face_);
    Frame41->move(248, 0);
    Frame41->hide();
    TapeWidth = Frame41->width() - 2;
    Frame41->tape().setVisible(false);
    Frame41->setActiveFieldSource([this] { return calc_.ActiveField; });
    connect(Frame41, &TFrame4::focusEqualsRequested, this, [this] { Button16->setFocus(); });
    connect(Frame41, &TFrame4::editModeEntered, this, [this] {
        if (calc_.ActiveField < 4) calc_.SavedActiveField = calc_.ActiveField;
        calc_.ActiveField = 4;
    });
    connect(Frame41, &TFrame4::recordModeEntered, this, [this] {
        if (calc_.ActiveField == 4)
            calc_.ActiveField = (calc_.SavedActiveField >= 1 && calc_.SavedActiveField <= 3) ? calc_.SavedActiveField : 1;
        render();
    });
    connect(Frame41, &TFrame4::contextMenuOpened, this, [this] { calc_.PopupTarget = 3; });
    connect(Frame41, &TFrame4::restoreAvailableChanged, this, [this](bool on) { TapeW->setEnabled(on); });
    connect(TapeW, &QAction::triggered, this, [this] {
        Frame41->restoreTape();
        Button16->setFocus();
    });
    onClearTape = [this] { Frame41->clearTape(); };
    connect(Button46, &QPushButton::clicked, this, [this] { ToggleTape(); });
    connect(Button41, &QPushButton::clicked, this, [this] { ArrowClicked(); });
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
    for (int k = 0; k < 4; ++k)
        connect(panelItem(k), &QAction::triggered, this, [this, k] { ShowSidePanel(k); });
    connect(Tape1, &QAction::triggered, this, [this] { ToggleTape(); });
    connect(Graf1, &QAction::triggered, this, [this] { ToggleGraph(); });
    connect(Whrungsrechner1, &QAction::triggered, this, [this] { ToggleCurrency(); });
    characterActions[u'r'] = [this] { Trigon->trigger(); };
    characterActions[u'e'] = [this] { Einheiten->trigger(); };
    characterActions[u'E'] = [this] {
        if (!Frame51->isVisible()) Einheiten->trigger();
    };
    characterActions[u's'] = [this] { Steuer1->trigger(); };
    characterActions[u'g'] = [this] { Graf1->trigger(); };
    characterActions[u'w'] = [this] { Whrungsrechner1->trigger(); };
    // Keys of the currency converter; bound now so they never reach another control.
    for (QChar converterKey : {u'q', u'<', u'>'}) characterActions[converterKey] = {};

    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    const char* names[] = {"Trigonometrie", "Einheiten", "Steuer", "Funktionen"};
    for (int k = 0; k < 4; ++k)
        connect(PopupMenu2->addAction(QString::fromUtf8(names[k])), &QAction::triggered, this, [this, k] { ShowSidePanel(k); });

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
    chooseColour = [this](uint32_t initial) -> std::optional<uint32_t> {
        const QColor chosen = QColorDialog::getColor(fromBgr(initial), this, QStringLiteral("Farbe"));
        if (!chosen.isValid()) return std::nullopt;
        return toBgr(chosen);
    };
}

QFrame* TForm1::sidePanel(int panel) const {
    QFrame* panels[] = {Frame11, Frame51, Frame61, Frame71};
    return panels[panel];
}

QAction* TForm1::panelItem(int panel) const {
    QAction* items[] = {Trigon, Einheiten, Steuer1, Funktionen};
    return items[panel];
}

void TForm1::resizeFace() {
    int width = DesignWidth;
    if (Frame41->isVisibleTo(face_)) width += TapeWidth;
    else if (Frame21->isVisibleTo(face_)) width += PlotterWidth;
    const int height = extensionAreaShown_ ? DesignHeight + ExtensionHeight : DesignHeight;
    face_->setFixedSize(width, height);
    layout()->activate();  // the window follows at once, not on the next event loop turn
}

void TForm1::OpenExtension() {
    extensionAreaShown_ = true;
    Button41->setText(QStringLiteral("↑"));
    Button41->setToolTip(QStringLiteral("Erweiterungen schließen"));
    resizeFace();
}

void TForm1::CloseExtension() {
    Frame11->hide();
    closeGraphIfVisible();
    for (QFrame* f : {Frame31, Frame51, Frame61, Frame71}) f->hide();
    extensionAreaShown_ = false;
    Button41->setText(QStringLiteral("↓"));
    Button41->setToolTip(QStringLiteral("Erweiterungen öffnen"));
    resizeFace();
}

void TForm1::HidePanels() {
    calc_.Label4.clear();
    calc_.Label2.clear();
    for (int k = 0; k < 4; ++k) {
        panelItem(k)->setChecked(false);
        sidePanel(k)->hide();
    }
}

void TForm1::ShowSidePanel(int panel) {
    if (panel == 1 || panel == 2) closeGraphIfVisible();
    const bool shown = sidePanel(panel)->isVisibleTo(face_);
    if (ExtensionOpen == 1 && shown) {
        if (panel == 0 || panel == 3) closeGraphIfVisible();
        CloseExtension();
        HidePanels();
        Whrungsrechner1->setChecked(false);
        ExtensionOpen = 0;
        Button41->setToolTip(QStringLiteral("Erweiterungen öffnen"));
        if (panel == 2 && TapeShown) Frame31->hide();
    } else {
        HidePanels();
        SidePanel = panel;
        OpenExtension();
        if (panel == 0) calc_.PanelFunction = 0;
        if (panel == 3) {
            if (calc_.NumberFormat != 3) calc_.SetNumberFormat(3);
            calc_.Label4 = QStringLiteral("(x)");
            calc_.Label2 = QStringLiteral("f(x)");
        }
        sidePanel(panel)->show();
        panelItem(panel)->setChecked(true);
        if (TapeShown) {
            Frame31->show();
            Whrungsrechner1->setChecked(true);
            Graf1->setChecked(false);
        }
        ExtensionOpen = 1;
        Label8->setText(QString::fromLatin1(kLetters[panel]));
        Button41->setToolTip(QStringLiteral("Erweiterungen schließen"));
    }
    resizeFace();
    render();
    if (panel == 0 || panel == 3) Button16->setFocus();
}

void TForm1::LetterClicked() {
    SidePanel = (SidePanel + 1) % 4;
    Label8->setText(QString::fromLatin1(kLetters[SidePanel]));
    if (ExtensionOpen == 1) ShowSidePanel(SidePanel);
    Button16->setFocus();
}

void TForm1::ArrowClicked() {
    if (ExtensionOpen == 1) {
        CloseExtension();
        HidePanels();
        closeGraphIfVisible();
        if (TapeShown) Frame31->hide();
        ExtensionOpen = 0;
        resizeFace();
        render();
    } else {
        OpenExtension();
        ShowSidePanel(SidePanel);
    }
    Button16->setFocus();
}

void TForm1::closeGraphIfVisible() {
    if (!Frame21->isVisibleTo(face_)) return;
    Frame21->hide();
    Graf1->setChecked(false);
    resizeFace();
}

void TForm1::ToggleGraph() {
    if (Frame21->isVisibleTo(face_)) {
        closeGraphIfVisible();
    } else {
        if (TapeShown) ToggleTape();
        Frame21->show();
        Graf1->setChecked(true);
        resizeFace();
    }
    Button16->setFocus();
}

void TForm1::ToggleCurrency() {
    // The converter lives below the Tape; it needs the Tape and the extension area.
    if (Frame31->isVisibleTo(face_)) {
        Frame31->hide();
        Whrungsrechner1->setChecked(false);
    } else {
        if (!TapeShown) ToggleTape();
        if (!ExtensionOpen) ShowSidePanel(SidePanel);
        Frame31->show();
        Whrungsrechner1->setChecked(true);
    }
    Button16->setFocus();
}

void TForm1::ToggleTape() {
    TapeDocument& tape = Frame41->tape();
    if (TapeShown) {
        tape.SetBold(true);
        Frame41->hide();
        Frame31->hide();
        tape.setVisible(false);
        Button46->setText(QStringLiteral("Tape->"));
        TapeShown = 0;
        Tape1->setChecked(false);
        Whrungsrechner1->setChecked(false);
    } else {
        closeGraphIfVisible();
        Button46->setText(QStringLiteral("<-Tape"));
        Frame41->show();
        tape.setVisible(true);
        if (ExtensionOpen) {
            Frame31->show();
            Whrungsrechner1->setChecked(true);
        }
        if (calc_.ActiveField == 3) Frame41->carryResult(calc_.Label1);
        TapeShown = 1;
        Tape1->setChecked(true);
    }
    resizeFace();
    Button16->setFocus();
}

void TForm1::SetBackgroundScheme(int scheme) {
    static const uint32_t colours[] = {0x938368, 0x8DA591, 0xA27153};
    uint32_t colour = 0;
    if (scheme == 4) {
        const auto chosen = chooseColour ? chooseColour(OwnBackgroundColour) : std::nullopt;
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
    window.setColor(QPalette::Window, fromBgr(colour));
    face_->setPalette(window);
    QWidget* smallTexts[] = {Label2, Label4, Label5, Label6, Label7, StaticText1, Radio1, Radio2};
    for (QWidget* w : smallTexts) {
        QPalette p = w->palette();
        p.setColor(QPalette::WindowText, text);
        p.setColor(QPalette::ButtonText, text);
        w->setPalette(p);
    }
    QFrame* panels[] = {Frame11, Frame51, Frame61, Frame71, Frame31, Frame21, Frame41};
    for (QFrame* f : panels) f->setPalette(window);
    QAction* items[] = {Graugruen, Gruen, Blau, EigeneFarben1};
    items[scheme - 1]->setChecked(true);
}

void TForm1::SetFieldScheme(int scheme) {
    uint32_t tapeColour = 0xFFFFFF;
    switch (scheme) {
    case 1: FieldColour = 0x00FFFF; break;
    case 2: FieldColour = tapeColour = infoBackground(); break;
    case 3: FieldColour = 0xFFFFFF; break;
    default: {
        const auto chosen = chooseColour ? chooseColour(FieldColour) : std::nullopt;
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
    Frame41->setFieldColour(fromBgr(tapeColour));
    QAction* items[] = {Gelb, Beige, Weiss, EigeneFarben2};
    items[scheme - 1]->setChecked(true);
}

void TForm1::ApplyFieldColour() {
    for (QLabel* label : {Label1, Label3}) {
        QPalette p = label->palette();
        p.setColor(QPalette::Window, fromBgr(FieldColour));
        p.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(p);
    }
    Frame41->setFieldColour(fromBgr(FieldColour));
}
