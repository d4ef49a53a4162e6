#include "finance/subsidy.h"

#include "core/numtext.h"
#include "finance/amounttext.h"
#include "finance/financecalculator.h"
#include "finance/settingssource.h"

#include <cmath>

namespace {

const QString kIncomeTooHigh = QStringLiteral("Einkommen zu hoch!");
const QString kOldSection = QStringLiteral("FoerderAlt");
const QString kNewSection = QStringLiteral("FoerderNeu");
// Below this loan amount a contract up to 31.12.2005 earns 1 % of the amount instead of the building amount.
constexpr long double kFullAmountFrom = 125000;

struct Parameter {
    QString SubsidyCalculator::*field;
    const char* key;
    const char* oldDefault;
};

// The nine legal amounts, their keys and the defaults of contracts up to 31.12.2005; the newer regime's are all 0.
const Parameter kParameters[] = {
    {&SubsidyCalculator::Edit3, "Neubauzl", "1250"},   {&SubsidyCalculator::Edit4, "Altbauzl", "1250"},
    {&SubsidyCalculator::Edit5, "Oekozl", "0"},        {&SubsidyCalculator::Edit11, "Oekozl2", "0"},
    {&SubsidyCalculator::Edit6, "Kinderzl", "800"},    {&SubsidyCalculator::Edit7, "Grenze_L", "70000"},
    {&SubsidyCalculator::Edit8, "Grenze_V", "140000"}, {&SubsidyCalculator::Edit10, "Dauer", "8"},
    {&SubsidyCalculator::Edit9, "Erhoeung", "30000"},
};

QString section(bool oldRules) { return oldRules ? kOldSection : kNewSection; }
QString defaultValue(const Parameter& p, bool oldRules) { return QString::fromLatin1(oldRules ? p.oldDefault : "0"); }

QString amountText(long double v) { return numtext::formatN(v, 6, 2); }

}  // namespace

FinanceReaction SubsidyCalculator::compute(FinanceCalculator& finance, bool loanMayCompute, bool* incomeTooHigh,
                                           bool* failed) {
    FinanceReaction out;
    if (Edit1.isEmpty()) Edit1 = QStringLiteral("0");
    try {
        // Everything is read before anything changes, so a conversion message leaves all as it was.
        const long double income = numtext::strToFloat(Edit1);
        const long double limit = numtext::strToFloat(Ledig ? Edit7 : Edit8) + Kinder * numtext::strToFloat(Edit9);
        if (income > limit) {
            SubsidyCapped = 0;
            Edit2 = Edit12 = QStringLiteral("0,00");
            finance.SubsidyPerYear = finance.SubsidyTotal = 0;
            out.messages << kIncomeTooHigh;
            if (finance.BauFi) {
                if (loanMayCompute) out.add(finance.BauFiUnticked());
                else finance.dropSubsidy();
            }
            if (incomeTooHigh) *incomeTooHigh = true;
            return out;
        }
        const int years = numtext::strToInt(Edit10);
        const long double eco1 = Oeko ? numtext::strToFloat(Edit5) : 0;
        const long double eco2 = Oeko2 ? numtext::strToFloat(Edit11) : 0;
        const long double perChild = numtext::strToFloat(Edit6);
        long double building = numtext::strToFloat(Neubau ? Edit3 : Edit4);
        const long double amount = finance.FinanceAmount;
        if (SubsidyOldRules == 1 && amount < kFullAmountFrom) building = std::nearbyint(amount / 100);
        long double perYear = Kinder * perChild + eco1 + eco2 + building;
        long double total = years * perYear;
        int capped = 0;
        if (amount < total) {
            capped = 1;
            total = amount;
            perYear = amount / (years == 0 ? 1 : years);
        }
        // A subsidy never adds to a debt: anything negative among its makings gives none.
        if (amount < 0 || years < 0 || building < 0 || eco1 < 0 || eco2 < 0 || (Kinder > 0 && perChild < 0)) {
            perYear = total = 0;
            capped = 0;
        }
        SubsidyCapped = capped;
        SubsidyBuildingPart = building;
        Ges = Edit10;
        finance.SubsidyPerYear = perYear;
        finance.SubsidyTotal = total;
        Edit2 = amountText(total);
        Edit12 = amountText(perYear);
    } catch (const numtext::ConversionError& e) {
        out.messages << e.message();
        if (failed) *failed = true;
    }
    return out;
}

FinanceReaction SubsidyCalculator::ComputeSubsidy(FinanceCalculator& finance) { return compute(finance, true); }

FinanceReaction SubsidyCalculator::FieldEdited(const QString& text, FinanceCalculator& finance) {
    return holdsNumber(text) ? ComputeSubsidy(finance) : FinanceReaction{};
}

FinanceReaction SubsidyCalculator::KinderChange(FinanceCalculator& finance) {
    if (Kinder < 0) Kinder = 0;
    return ComputeSubsidy(finance);
}

FinanceReaction SubsidyCalculator::NeubauClick(FinanceCalculator& finance) {
    Neubau = true;
    Altbau = false;
    OekoEnabled = true;
    SubsidyBuildingType = 0;
    return ComputeSubsidy(finance);
}

FinanceReaction SubsidyCalculator::AltbauClick(FinanceCalculator& finance) {
    Neubau = false;
    Altbau = true;
    Oeko = false;
    OekoEnabled = false;
    SubsidyBuildingType = 1;
    return ComputeSubsidy(finance);
}

FinanceReaction SubsidyCalculator::OekoClick(FinanceCalculator& finance) {
    SubsidyEco1 = Oeko ? 1 : 0;
    SubsidyEco2 = Oeko2 ? 1 : 0;
    return ComputeSubsidy(finance);
}

FinanceReaction SubsidyCalculator::MaritalClick(FinanceCalculator& finance) {
    Verheiratet = !Ledig;
    SubsidySingle = Ledig ? 1 : 0;
    return ComputeSubsidy(finance);
}

FinanceReaction SubsidyCalculator::RegimeClick(FinanceCalculator& finance, SettingsSource& settings) {
    switchRegime(Alt, settings);
    return ComputeSubsidy(finance);
}

void SubsidyCalculator::switchRegime(bool oldRules, SettingsSource& settings) {
    // The fields of the regime left are kept before the other regime's fill them.
    if (fieldsOldRules_) storeParameters(settings);
    Alt = oldRules;
    Neu = !oldRules;
    for (const Parameter& p : kParameters)
        this->*p.field = settings.readString(section(oldRules), QString::fromLatin1(p.key), defaultValue(p, oldRules));
    TotalCaption = QStringLiteral("Gesamt- Förderbetrag in ") + Edit10 + QStringLiteral(" Jahren:");
    SubsidyOldRules = oldRules ? 1 : 0;
    fieldsOldRules_ = oldRules;
}

void SubsidyCalculator::storeParameters(SettingsSource& settings) const {
    if (!fieldsOldRules_) return;
    for (const Parameter& p : kParameters)
        settings.writeString(section(*fieldsOldRules_), QString::fromLatin1(p.key), this->*p.field);
}

FinanceReaction SubsidyCalculator::Show(FinanceCalculator& finance, SettingsSource& settings) {
    for (bool oldRules : {false, true}) {
        if (settings.sectionExists(section(oldRules))) continue;
        for (const Parameter& p : kParameters)
            settings.writeString(section(oldRules), QString::fromLatin1(p.key), defaultValue(p, oldRules));
    }
    Neubau = SubsidyBuildingType == 0;
    Altbau = !Neubau;
    const bool oldRules = SubsidyOldRules == 1;
    if (!fieldsOldRules_ || *fieldsOldRules_ != oldRules) switchRegime(oldRules, settings);
    Kinder = SubsidyChildren < 0 ? 0 : SubsidyChildren;
    Edit1 = SubsidyIncomeText;
    OekoEnabled = Neubau;
    Oeko = Neubau && SubsidyEco1 == 1;
    Oeko2 = SubsidyEco2 == 1;
    Ledig = SubsidySingle == 1;
    Verheiratet = !Ledig;
    Shown = true;
    return ComputeSubsidy(finance);
}

FinanceReaction SubsidyCalculator::OKBtnClick(FinanceCalculator& finance, SettingsSource& settings) {
    bool tooHigh = false;
    bool failed = false;
    FinanceReaction out = compute(finance, false, &tooHigh, &failed);
    if (failed) return out;
    const long double amount = finance.FinanceAmount;
    if (!tooHigh && SubsidyOldRules == 1 && amount >= 0 && amount < kFullAmountFrom) {
        QStringList lines{
            QStringLiteral("Bei einer Darlehenssumme von ") + numtext::formatG(amount) + QStringLiteral(" Euro"),
            (Neubau ? QStringLiteral("wurde die jährliche Neubauzulage als: ")
                    : QStringLiteral("wurde die jährliche Altbauzulage als: ")) +
                numtext::formatG(SubsidyBuildingPart) + QStringLiteral(" Euro berechnet (1%)"),
            QStringLiteral("Um die volle Zulage zu bekommen muss die Darlehenssumme 125.000,- Euro überschreiten")};
        if (SubsidyCapped == 1) {
            lines << QStringLiteral("Die Höhe der Förderung darf nicht die Höhe des Darlehens überschreiten")
                  << QStringLiteral("Sie wurde deshalb auf ") + Edit12 + QStringLiteral(" beschränkt");
        }
        out.messages << lines.join(u'\n');
    }
    SubsidyBuildingType = Altbau ? 1 : 0;
    SubsidyEco1 = Oeko ? 1 : 0;
    SubsidyEco2 = Oeko2 ? 1 : 0;
    SubsidySingle = Ledig ? 1 : 0;
    finance.resetAdjustedField();
    SubsidyChildren = Kinder;
    SubsidyIncomeText = Edit1;
    if (finance.SubsidyTotal == 0) {
        finance.dropSubsidy();
    } else {
        // The subsidy holds again, also after an income that was too high had dropped it.
        finance.Edit7 = Edit2;
        finance.BauFi = true;
        finance.Edit7Enabled = true;
    }
    out.add(finance.Compute());
    close(settings);
    out.closeSubsidy = true;
    return out;
}

FinanceReaction SubsidyCalculator::CancelBtnClick(FinanceCalculator& finance, SettingsSource& settings) {
    FinanceReaction out;
    if (finance.BauFi) out = finance.BauFiUnticked();
    finance.Edit7.clear();
    close(settings);
    out.closeSubsidy = true;
    return out;
}

void SubsidyCalculator::close(SettingsSource& settings) {
    storeParameters(settings);
    Shown = false;
}

void SubsidyCalculator::Shutdown(SettingsSource& settings) {
    if (Shown) storeParameters(settings);
}

void SubsidyCalculator::ForgetChoices() {
    SubsidyBuildingType = 0;
    SubsidySingle = 0;
    SubsidyEco1 = 0;
    SubsidyEco2 = 0;
    SubsidyChildren = 0;
    SubsidyIncomeText.clear();
}
