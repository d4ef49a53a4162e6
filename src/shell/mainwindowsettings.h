#pragma once
// The main window's keys in [Config]: layout and colours, the Tape, the window's place. Loading
// only takes the values; startUp() then brings the window into that state through the same
// commands the user has, in the order the start-up runs them.
#include "core/settingsparticipant.h"

#include <QPoint>
#include <cstdint>

class TForm1;
struct Engines;

// "Farbe1", "FFarben", "Background", "Felder", "erw", "Erweitern".
class LayoutSettings : public SettingsParticipant {
public:
    explicit LayoutSettings(TForm1& window) : window_(window) {}
    void load(const IniFile& ini, bool firstRun) override;
    void save(IniFile& ini) override;

    int BackgroundScheme = 1, FieldScheme = 2, SidePanel = 0, ExtensionOpen = 0;
    uint32_t OwnBackgroundColour = 0;
    uint32_t FieldColour = 0;  // used by the own field scheme (4) only; the others set their own

private:
    TForm1& window_;
};

// "Tape".
class TapeSettings : public SettingsParticipant {
public:
    explicit TapeSettings(TForm1& window) : window_(window) {}
    void load(const IniFile& ini, bool firstRun) override;
    void save(IniFile& ini) override;

    int TapeShown = 0;

private:
    TForm1& window_;
};

// "posTop", "posLeft" (written "PosTop", "PosLeft").
class WindowPositionSettings : public SettingsParticipant {
public:
    explicit WindowPositionSettings(TForm1& window) : window_(window) {}
    void load(const IniFile& ini, bool firstRun) override;
    void save(IniFile& ini) override;

    QPoint position;  // left, top as stored

private:
    TForm1& window_;
};

class MainWindowSettings {
public:
    MainWindowSettings(Engines& engines, TForm1& window)
        : layout(window), tape(window), position(window), engines_(engines), window_(window) {}

    LayoutSettings layout;
    TapeSettings tape;
    WindowPositionSettings position;

    // After every owner has loaded: the panel letter, the extension area, the second currency, the
    // place, the formats (which re-format the shown fields), the colours and the Tape.
    void startUp();

private:
    QPoint visiblePosition() const;

    Engines& engines_;
    TForm1& window_;
};
