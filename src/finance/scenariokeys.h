#pragma once
// The keys of a scenario section and of the name list, shared by saving and loading.
#include <QString>

class SettingsSource;

namespace scenariokeys {

inline const QString List = QStringLiteral("Finanzrechner");

inline const QString Page = QStringLiteral("findex");  // 0 loan, 1 savings
inline const QString Amount = QStringLiteral("dl");
inline const QString Rate = QStringLiteral("zins");
inline const QString Start = QStringLiteral("datum");
inline const QString Years = QStringLiteral("MaxLaufzeit");
inline const QString Months = QStringLiteral("LaufzeitM");
inline const QString Variable = QStringLiteral("vproz");
inline const QString SpecialRows = QStringLiteral("rws");  // row count with the heading row
inline const QString ChangeRows = QStringLiteral("rws2");
inline const QString ChangeSuffix = QStringLiteral("a");  // "1a", "2a", ...: interest changes
inline const QString SubsidyText = QStringLiteral("Foerder");
inline const QString PerYear = QStringLiteral("Jahressumme");
inline const QString Income = QStringLiteral("Monatsein");
inline const QString Building = QStringLiteral("Haus");
inline const QString Single = QStringLiteral("Nehmer");
inline const QString Eco1 = QStringLiteral("Oekozu");
inline const QString Eco2 = QStringLiteral("Oekozu2");
inline const QString Children = QStringLiteral("Kinderzahl");
inline const QString OldRules = QStringLiteral("FW");
inline const QString Interval = QStringLiteral("zindex");  // savings: 1 yearly interest
inline const QString Payment = QStringLiteral("rate");
inline const QString Term = QStringLiteral("lzt");

// A whole number in decimal; the default for a missing key or any other text.
int readInteger(const SettingsSource& settings, const QString& section, const QString& key, int defaultValue);

}  // namespace scenariokeys
