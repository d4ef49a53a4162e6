#include "shell/mainwindowsettings.h"

#include "core/inifile.h"
#include "shell/engines.h"
#include "shell/tform1.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>

namespace {

const QString Config = QStringLiteral("Config");

// A value outside its range takes the key's default, as a missing key does: a hand-edited file
// cannot ask for a scheme or a panel the window does not have.
int readInRange(const IniFile& ini, QStringView key, int defaultValue, int lowest, int highest) {
    const int value = ini.readInteger(Config, key, defaultValue);
    return value >= lowest && value <= highest ? value : defaultValue;
}

int readByteInRange(const IniFile& ini, QStringView key, int defaultValue, int lowest, int highest) {
    const int value = ini.readByte(Config, key, static_cast<uint8_t>(defaultValue));
    return value >= lowest && value <= highest ? value : defaultValue;
}

// A Wayland compositor places windows itself and does not tell them where: the place read at
// start is the best we know.
bool placesItsOwnWindows() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

}  // namespace

void LayoutSettings::load(const IniFile& ini, bool firstRun) {
    if (firstRun) {
        OwnBackgroundColour = 0;
        BackgroundScheme = 1;
        FieldScheme = 2;
        SidePanel = ExtensionOpen = 0;
        return;
    }
    OwnBackgroundColour = ini.readColour(Config, u"Farbe1", 0x938368);
    FieldColour = ini.readColour(Config, u"FFarben", 0xE6F2F2);
    BackgroundScheme = readInRange(ini, u"Background", 2, 1, 4);
    FieldScheme = readInRange(ini, u"Felder", 2, 1, 4);
    SidePanel = readByteInRange(ini, u"erw", 0, 0, 3);
    ExtensionOpen = ini.readBool(Config, u"Erweitern", false) ? 1 : 0;
}

void LayoutSettings::save(IniFile& ini) {
    const PanelLayout& layout = window_.panelLayout();
    ini.writeColour(Config, u"Farbe1", window_.OwnBackgroundColour);
    ini.writeColour(Config, u"FFarben", window_.FieldColour);
    ini.writeInteger(Config, u"Background", window_.BackgroundScheme);
    ini.writeInteger(Config, u"Felder", window_.FieldScheme);
    ini.writeInteger(Config, u"erw", layout.SidePanel);
    ini.writeBool(Config, u"Erweitern", layout.ExtensionOpen == 1);
}

void TapeSettings::load(const IniFile& ini, bool firstRun) {
    TapeShown = firstRun ? 0 : readByteInRange(ini, u"Tape", 0, 0, 1);
}

void TapeSettings::save(IniFile& ini) { ini.writeInteger(Config, u"Tape", window_.panelLayout().TapeShown); }

void WindowPositionSettings::load(const IniFile& ini, bool firstRun) {
    position =
        firstRun ? QPoint(0, 0) : QPoint(ini.readInteger(Config, u"posLeft", 0), ini.readInteger(Config, u"posTop", 0));
}

void WindowPositionSettings::save(IniFile& ini) {
    const QPoint place = placesItsOwnWindows() ? position : window_.pos();
    ini.writeInteger(Config, u"PosTop", place.y());
    ini.writeInteger(Config, u"PosLeft", place.x());
}

// A window wholly outside every screen cannot be reached to move it back: it starts in the top
// left corner. One that shows a part of itself stays where it was put.
QPoint MainWindowSettings::visiblePosition() const {
    const QRect placed(position.position, window_.frameGeometry().size());
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->geometry().intersects(placed)) return position.position;
    return QGuiApplication::screens().isEmpty() ? position.position : QPoint(0, 0);
}

void MainWindowSettings::startUp() {
    TForm1& w = window_;
    Calculator& calc = engines_.calculator;
    PanelLayout& panels = engines_.layout;

    panels.SidePanel = layout.SidePanel;
    panels.ExtensionOpen = 0;
    w.ShowLayout();  // the panel letter; the area closed at the design height
    if (layout.ExtensionOpen == 1) w.ShowSidePanel(layout.SidePanel);
    if (calc.InsertSecondCurrency == 1) {
        calc.InsertSecondCurrency = 0;
        w.Waehr2->trigger();
    }
    w.move(visiblePosition());
    // The formats through their menu commands, which also re-format the shown (empty) field.
    w.run([&calc] {
        calc.SetChainMode(calc.ChainMode);
        calc.SetDecimals(calc.Decimals);
        calc.SetFormatWhileTyping(calc.FormatWhileTyping == 1 ? 1 : 2);
        calc.SetNumberFormat(calc.NumberFormat);
    });
    w.OwnBackgroundColour = layout.OwnBackgroundColour;  // kept for "Eigene Farben ..." in any scheme
    w.SetBackgroundScheme(layout.BackgroundScheme, layout.OwnBackgroundColour);
    w.SetFieldScheme(layout.FieldScheme, layout.FieldColour);
    engines_.tape.SetSize(10);
    if (tape.TapeShown == 1) w.ToggleTape();
}
