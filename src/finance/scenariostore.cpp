// The list of scenario names, saving, deleting and the list index each page remembers.
#include "finance/scenariostore.h"

#include "core/dialogs.h"
#include "core/numtext.h"
#include "core/windows1252.h"
#include "finance/financecalculator.h"
#include "finance/financedate.h"
#include "finance/scenariokeys.h"
#include "finance/settingssource.h"

#include <QSet>

namespace {

const QString kNameMissing = QStringLiteral("Namen eingeben");
const QString kNameRefused =
    QStringLiteral("Dieser Name kann nicht gespeichert werden. Bitte einen anderen Namen eingeben");
const QString kLoanOnly = QStringLiteral("Name nur für Tilgung gültig!");
const QString kSavingsOnly = QStringLiteral("Name nur für Anlage gültig!");
const QString kAskDelete = QStringLiteral("Eintrag löschen?");

// The sections the program keeps its own settings in; a scenario of that name would overwrite them.
const char* const kOwnSections[] = {"Config",  "Waehrung", "Kurse",         "Terms",      "Konstant",  "Seiten",
                                    "Seiten2", "Seiten3",  "Finanzrechner", "FoerderAlt", "FoerderNeu"};

QString flag(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

// Rows with both cells filled, under their grid row number followed by `suffix`.
void writeRows(SettingsSource& s, const QString& section, const FinanceGrid& grid, const QString& suffix) {
    for (size_t i = 0; i < grid.rows.size(); ++i) {
        const GridRow& row = grid.rows[i];
        if (row.date.isEmpty() || row.value.isEmpty()) continue;
        s.writeString(section, QString::number(i + 1) + suffix, row.date + u';' + row.value);
    }
}

void writeLoan(const FinanceCalculator& f, SettingsSource& s, const QString& n) {
    s.writeString(n, scenariokeys::Amount, f.Edit1);
    s.writeString(n, scenariokeys::Rate, f.Edit2);
    s.writeString(n, scenariokeys::Start, financedate::format(f.Datum1));
    s.writeString(n, scenariokeys::Years, f.Edit13);
    s.writeString(n, scenariokeys::Months, f.Edit14);
    s.writeString(n, scenariokeys::Variable, flag(f.vproz));
    if (f.vproz) {
        s.writeString(n, scenariokeys::ChangeRows, QString::number(f.Grid3.RowCount()));
        writeRows(s, n, f.Grid3, scenariokeys::ChangeSuffix);
    }
    s.writeString(n, scenariokeys::SpecialRows, QString::number(f.Grid2.RowCount()));
    writeRows(s, n, f.Grid2, QString());
    if (!f.BauFi) return;
    const SubsidyCalculator& sub = f.Subsidy;
    s.writeString(n, scenariokeys::SubsidyText, f.Edit7);
    s.writeString(n, scenariokeys::PerYear, numtext::formatG(f.SubsidyPerYear));
    s.writeString(n, scenariokeys::Income, sub.SubsidyIncomeText);
    s.writeString(n, scenariokeys::Building, QString::number(sub.SubsidyBuildingType));
    s.writeString(n, scenariokeys::Single, QString::number(sub.SubsidySingle));
    s.writeString(n, scenariokeys::Eco1, QString::number(sub.SubsidyEco1));
    s.writeString(n, scenariokeys::Eco2, QString::number(sub.SubsidyEco2));
    s.writeString(n, scenariokeys::Children, QString::number(sub.SubsidyChildren));
    s.writeString(n, scenariokeys::OldRules, QString::number(sub.SubsidyOldRules));
}

void writeSavings(const FinanceCalculator& f, SettingsSource& s, const QString& n) {
    s.writeString(n, scenariokeys::Interval, flag(f.Zins2));
    s.writeString(n, scenariokeys::Amount, f.Edit16);
    s.writeString(n, scenariokeys::Rate, f.Edit17);
    s.writeString(n, scenariokeys::Payment, f.Edit18);
    s.writeString(n, scenariokeys::Start, financedate::format(f.Datum4));
    s.writeString(n, scenariokeys::Term, f.Edit19);
    // The months of the term, so that a term of 2 years 6 months comes back whole.
    s.writeString(n, scenariokeys::Months, f.Edit23);
    s.writeString(n, scenariokeys::SpecialRows, QString::number(f.Grid1.RowCount()));
    writeRows(s, n, f.Grid1, QString());
    s.writeString(n, scenariokeys::Variable, flag(f.vproz2));
    if (!f.vproz2) return;
    s.writeString(n, scenariokeys::ChangeRows, QString::number(f.Grid4.RowCount()));
    writeRows(s, n, f.Grid4, scenariokeys::ChangeSuffix);
}

}  // namespace

int ScenarioStore::indexOf(const QString& text) const {
    const QString name = text.trimmed();
    if (name.isEmpty()) return -1;
    for (int i = 0; i < Items.size(); ++i)
        if (Items[i].compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

bool ScenarioStore::storableName(const QString& name) {
    for (const char* own : kOwnSections)
        if (name.compare(QLatin1String(own), Qt::CaseInsensitive) == 0) return false;
    for (QChar c : name)
        if (c == u'[' || c == u']' || c.category() == QChar::Other_Control) return false;
    return windows1252::canEncode(name);
}

void ScenarioStore::FillList(const SettingsSource& settings) {
    const QStringList stored = settings.keys(scenariokeys::List);
    QSet<QString> present;
    for (const QString& key : stored) present.insert(key.toLower());
    QSet<QString> listed;
    for (const QString& name : Items) listed.insert(name.toLower());
    for (int i = 0; present.contains(QString::number(i)); ++i) {
        const QString name = settings.readString(scenariokeys::List, QString::number(i), QStringLiteral("N/A"));
        if (listed.contains(name.toLower())) continue;
        listed.insert(name.toLower());
        Items << name;
    }
}

QString ScenarioStore::StoreList(SettingsSource& settings) const {
    settings.eraseSection(scenariokeys::List);
    for (int i = 0; i < Items.size(); ++i) settings.writeString(scenariokeys::List, QString::number(i), Items[i]);
    QString message;
    settings.commit(message);
    return message;
}

FinanceReaction ScenarioStore::SpeedButton2Click(FinanceCalculator& f, SettingsSource& settings) {
    FinanceReaction out(f.CheckFinanceInputs());
    if (f.InputsValid == 0) return out;
    const QString typed = f.ComboBox1.trimmed();
    if (typed.isEmpty()) return FinanceOutcome{kNameMissing, QStringLiteral("ComboBox1")};
    if (!storableName(typed)) return FinanceOutcome{kNameRefused, QStringLiteral("ComboBox1")};
    int index = indexOf(typed);
    const bool added = index < 0;
    if (added) {
        out.add(f.Compute());
        Items << typed;
        index = static_cast<int>(Items.size()) - 1;
    }
    const QString name = Items[index];
    f.ComboBox1 = name;
    const int page = f.ActivePage == FinancePage::Tilgung ? 0 : 1;
    const bool otherPage =
        settings.sectionExists(name) && scenariokeys::readInteger(settings, name, scenariokeys::Page, -1) != page;
    if (otherPage) {
        // The name stays listed; the other page's scenario stays as it is.
        out.add(FinanceOutcome{page == 1 ? kLoanOnly : kSavingsOnly, QString()});
    } else {
        settings.eraseSection(name);
        if (page == 0) writeLoan(f, settings, name);
        else writeSavings(f, settings, name);
        settings.writeString(name, scenariokeys::Page, QString::number(page));
        RememberedIndex[page] = index;
    }
    const QString failure = StoreList(settings);
    if (!failure.isEmpty()) {
        // The file does not hold it, so the list must not offer it as saved.
        if (added) Items.removeAt(index);
        if (RememberedIndex[page] == index && added) RememberedIndex[page] = -1;
        out.add(FinanceOutcome{failure, QString()});
    }
    return out;
}

FinanceReaction ScenarioStore::SpeedButton3Click(FinanceCalculator& f, SettingsSource& settings, Dialogs& dialogs) {
    const int index = indexOf(f.ComboBox1);
    if (index < 0 || !dialogs.askYesNo(kAskDelete)) return {};
    const QString name = Items.takeAt(index);
    if (storableName(name)) settings.eraseSection(name);
    for (int& remembered : RememberedIndex) {
        if (remembered == index) remembered = -1;
        else if (remembered > index) --remembered;
    }
    FinanceReaction out;
    const QString failure = StoreList(settings);
    if (!failure.isEmpty()) out.add(FinanceOutcome{failure, QString()});
    if (index >= 2) out.add(Load(index - 1, f, settings));
    else out.add(f.SpeedButton5Click());
    return out;
}

void ScenarioStore::PageChange(FinancePage leaving, FinanceCalculator& f) {
    RememberedIndex[leaving == FinancePage::Tilgung ? 0 : 1] = indexOf(f.ComboBox1);
    const int index = RememberedIndex[f.ActivePage == FinancePage::Tilgung ? 0 : 1];
    f.ComboBox1 = index >= 0 && index < Items.size() ? Items[index] : QString();
}
