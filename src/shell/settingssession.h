#pragma once
// The settings file of one run: read once when the main window starts, written once when it
// closes, in one transaction with every owner's keys. A file that cannot be read is reported once
// and left as it is; the run then starts with the first-run values.
#include "core/calculatorsettings.h"
#include "currency/currencysettings.h"
#include "functions/functionsettings.h"
#include "panels/taxsettings.h"
#include "panels/unitsettings.h"
#include "shell/inisettingssource.h"
#include "shell/mainwindowsettings.h"
#include "shell/settingsregistry.h"
#include "tape/tapeexportsettings.h"

#include <QObject>
#include <QString>
#include <memory>

class Dialogs;
class SettingsFile;

class SettingsSession : public QObject {
    Q_OBJECT
public:
    // Registers the owners that exist; `path` is the settings file, IniPath() in the program.
    SettingsSession(Engines& engines, TForm1& window, Dialogs& dialogs, QString path);
    ~SettingsSession() override;

    // Reads the file and brings the engines and the window into the stored state.
    void start();
    // Writes every owner's keys, once; called when the window closes for good.
    void save();
    // Closes the window without the question whether to quit (a termination signal).
    void closeWithoutAsking();

    SettingsSource& financeSettings() { return finance_; }
    const SettingsRegistry& registry() const { return registry_; }

protected:
    // The file of a transaction; a test seam for a failing disk.
    virtual std::unique_ptr<SettingsFile> openFile(const QString& path);

private:
    Engines& engines_;
    TForm1& window_;
    Dialogs& dialogs_;
    QString path_;
    std::unique_ptr<SettingsFile> startFile_;  // what the start read; the financial windows read on from it
    bool unreadableAtStart_ = false;
    bool saved_ = false;
    CalculatorSettings calculator_;
    CurrencySettings currency_;
    MainWindowSettings windowSettings_;
    UnitSettings units_;
    TaxSettings tax_;
    FunctionSettings functions_;
    TapeExportSettings tapeExport_;
    IniSettingsSource finance_;
    SettingsRegistry registry_;
};
