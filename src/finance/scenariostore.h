#pragma once
// Named scenarios of the financial window: the list of names in section "Finanzrechner" and one
// section per scenario holding the inputs of its page. The list is what the combo box `ComboBox1`
// offers; a command acts on the listed name equal to the combo box's text, without regard to case.
#include "finance/financeoutcome.h"

#include <QString>
#include <QStringList>

class Dialogs;
class FinanceCalculator;
class SettingsSource;
enum class FinancePage;

class ScenarioStore {
public:
    // The names, in list order.
    QStringList Items;
    // The list index each page showed when it was left, saved or loaded (-1: none); loan page first.
    int RememberedIndex[2] = {-1, -1};

    // The index of the listed name equal to `text` (trimmed, any case); -1 when no entry has it.
    int indexOf(const QString& text) const;
    // Whether a section of that name may hold a scenario: not one of the program's own sections, no
    // brackets, no control characters, only characters the settings file's code page holds.
    static bool storableName(const QString& name);

    // Showing the window: adds the stored names not yet listed.
    void FillList(const SettingsSource& settings);
    // Writes the list anew and commits; the settings file's message when that fails, else empty.
    QString StoreList(SettingsSource& settings) const;

    // `SpeedButton2` "Eintrag speichern".
    FinanceReaction SpeedButton2Click(FinanceCalculator& finance, SettingsSource& settings);
    // A name picked in the list: restores its page and inputs, then computes.
    FinanceReaction Load(int index, FinanceCalculator& finance, SettingsSource& settings);
    // `SpeedButton3` "Eintrag löschen".
    FinanceReaction SpeedButton3Click(FinanceCalculator& finance, SettingsSource& settings, Dialogs& dialogs);
    // The user turned from page `leaving` to the engine's active page: the list shows the entry that page had.
    void PageChange(FinancePage leaving, FinanceCalculator& finance);
};
