#include "shell/settingssession.h"

#include "core/dialogs.h"
#include "core/settingsfile.h"
#include "shell/tform1.h"

#include <QCoreApplication>

SettingsSession::SettingsSession(Engines& engines, TForm1& window, Dialogs& dialogs, QString path)
    : engines_(engines),
      window_(window),
      dialogs_(dialogs),
      path_(std::move(path)),
      calculator_(engines.calculator),
      currency_(engines.converter),
      windowSettings_(engines, window),
      units_(engines.units),
      tax_(engines.tax),
      functions_(engines.functions),
      tapeExport_(engines.tapeExport),
      finance_(path_) {
    // In the order of the [Config] keys they own; the sections of other windows last.
    registry_.add(windowSettings_.layout);
    registry_.add(calculator_);
    registry_.add(currency_);  // after the currency codes: an empty base code comes from the list
    registry_.add(windowSettings_.position);
    registry_.add(units_);
    registry_.add(tapeExport_);
    registry_.add(tax_);
    registry_.add(functions_);
    registry_.add(windowSettings_.tape);
    registry_.add(finance_);
    connect(&window_, &TForm1::closing, this, &SettingsSession::save);
}

SettingsSession::~SettingsSession() = default;

std::unique_ptr<SettingsFile> SettingsSession::openFile(const QString& path) {
    return std::make_unique<SettingsFile>(path);
}

void SettingsSession::start() {
    startFile_ = openFile(path_);
    const SettingsFile& file = *startFile_;
    registry_.load(file.ini, file.firstRun());
    windowSettings_.startUp();
    unreadableAtStart_ = file.state() == SettingsFile::State::Unreadable;
    if (unreadableAtStart_) dialogs_.message(settingsUnreadableMessage(file.path(), file.reason()));
}

void SettingsSession::save() {
    if (saved_) return;  // a second signal, or a close after the signal's
    saved_ = true;
    const std::unique_ptr<SettingsFile> file = openFile(path_);
    // Still unreadable: the user heard so at start, and the file stays as it is.
    if (unreadableAtStart_ && file->state() == SettingsFile::State::Unreadable) return;
    registry_.save(file->ini);
    if (!file->commit()) dialogs_.message(settingsNotSavedMessage(file->path(), file->reason()));
}

void SettingsSession::closeWithoutAsking() {
    engines_.calculator.QuitRequested = true;
    window_.close();
    QCoreApplication::quit();
}
