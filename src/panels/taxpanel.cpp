#include "taxpanel.h"

#include "core/calculator.h"
#include "core/converterhooks.h"
#include "core/numtext.h"

#include <algorithm>
#include <cmath>

namespace {
QString amountText(long double v) { return numtext::formatN(v, 2, 2); }
}  // namespace

TaxPanel::TaxPanel(Calculator& calc, Dialogs& dialogs) : calc_(calc), dialogs_(dialogs) {
    Edit3 = TaxRates.value(TaxIndex);
    recompute(0, false);
}

void TaxPanel::padRates(const QString& with) {
    while (TaxRates.size() < TaxNames.size()) TaxRates.append(with);
}

void TaxPanel::clearAmounts() {
    GrossAmount = NetAmount = TaxAdded = TaxContained = 0;
    Edit4.clear();
    Edit2.clear();
}

// Reads the rate of `Edit3` and computes the amounts of `amount`. A rate that is not a number
// leaves everything as it was; only a user's command hears about it.
bool TaxPanel::recompute(long double amount, bool reportErrors) {
    TaxAmount = amount;
    if (!hasSelection()) return false;
    if (Edit3.isEmpty()) Edit3 = QStringLiteral("0");
    long double p = 0;
    try {
        p = numtext::strToFloat(Edit3);
    } catch (const numtext::ConversionError& e) {
        if (reportErrors) dialogs_.message(e.message());
        return false;
    }
    TaxPercent = p;
    TaxFactor = p + 100;
    computeAmounts();
    return true;
}

void TaxPanel::computeAmounts() {
    const long double a = TaxAmount;
    GrossAmount = a * TaxFactor / 100;
    NetAmount = a * 100 / TaxFactor;
    TaxAdded = a * TaxPercent / 100;
    TaxContained = a - NetAmount;
    // A rate of -100 % has no amount before tax; nothing infinite is shown, taken or written.
    const bool finite = TaxFactor != 0 && std::isfinite(GrossAmount) && std::isfinite(NetAmount) &&
        std::isfinite(TaxAdded) && std::isfinite(TaxContained);
    if (!finite) {
        clearAmounts();
        return;
    }
    Edit4 = amountText(NetAmount);
    Edit2 = amountText(GrossAmount);
}

void TaxPanel::RecomputeTax() { recompute(calc_.WorkValue, false); }

void TaxPanel::RecomputeTaxFromOperand() {
    if (TaxPercent == 0 || !hasSelection()) return;
    // The panel's own amount: `WorkValue` may hold a trigonometric result that "=" still takes.
    TaxAmount = numtext::valValue(calc_.Operand1Text);
    computeAmounts();
}

void TaxPanel::Refresh() {
    if (!hasSelection() && !TaxNames.isEmpty()) TaxIndex = 0;
    selectionChanged(false);
}

void TaxPanel::SelectTax(int index) {
    if (index < 0 || index >= TaxNames.size()) return;
    TaxIndex = index;
    selectionChanged(true);
}

// A change of the selected tax shows the last amount at the new rate.
void TaxPanel::selectionChanged(bool reportErrors) {
    if (!hasSelection()) {
        Edit3.clear();
        clearAmounts();
        return;
    }
    padRates(QStringLiteral("0,0"));
    Edit3 = TaxRates[TaxIndex];
    recompute(TaxAmount, reportErrors);
}

void TaxPanel::SelectMode(bool vst) { VST = vst; }

void TaxPanel::Edit3Changed(const QString& text) {
    Edit3 = text;
    Edit3.replace(u'.', u',');
}

void TaxPanel::Edit3Entered() {
    if (editingRate_) return;
    editingRate_ = true;
    if (calc_.ActiveField < 4) calc_.SavedActiveField = calc_.ActiveField;
    calc_.ActiveField = 4;
}

void TaxPanel::Edit3Left() {
    if (!editingRate_) return;
    editingRate_ = false;
    if (hasSelection()) {
        padRates(QStringLiteral("10,0"));
        bool valid = true;
        if (!Edit3.isEmpty()) {
            try {
                numtext::strToFloat(Edit3);
            } catch (const numtext::ConversionError& e) {
                dialogs_.message(e.message());
                valid = false;
            }
        }
        if (valid) TaxRates[TaxIndex] = Edit3;
        else Edit3 = TaxRates[TaxIndex];
    }
    const int saved = calc_.SavedActiveField;
    calc_.ActiveField = (saved == 0 || saved == 4) ? 1 : saved;
}

void TaxPanel::TakeOver() {
    if (calc_.ActiveField != 3) return;
    const QString text = VST ? Edit4 : Edit2;
    if (text.isEmpty()) return;
    if (!calc_.Operand1Text.isEmpty() && !dialogs_.askYesNo(QString::fromUtf8("Ergebnis überschreiben?"))) return;
    const long double value = VST ? NetAmount : GrossAmount;
    calc_.SaveCalculatorState();
    calc_.WorkValue = value;
    calc_.Operand1Text = numtext::str(value);
    calc_.Label1 = text;
    calc_.EntryState = 1;
}

QString TaxPanel::currencyText() const {
    const int direction = converter_ ? converter_->converterDirection() : 0;
    if (direction == 1) return calc_.SecondCurrencyCode;
    if (direction == 2) return calc_.CurrencyCode;
    return {};
}

void TaxPanel::WriteToTape() {
    Tape* tape = calc_.tape();
    if (!tape || !hasSelection() || (VST ? Edit4 : Edit2).isEmpty()) return;
    const QString w = currencyText();
    const QString name = TaxNames[TaxIndex];
    // The record's own typing: right, bold, Arial 10, as every calculator line expects next.
    auto recordTyping = [tape] {
        tape->SetAlignment(Tape::Alignment::Right);
        tape->SetBold(true);
        tape->SetFontName(QStringLiteral("Arial"));
        tape->SetSize(10);
    };
    tape->SetBold(false);
    tape->SetSize(8);
    if (!VST) {
        tape->AppendLine(name + QStringLiteral(" (") + Edit3 + QStringLiteral("%) ") + w + u' ' + amountText(TaxAdded) +
                         QStringLiteral(" +"));
        recordTyping();
        tape->AppendLine(QString(calc_.Label1.size() / 2, QChar(0x2014)));
        tape->AppendLine(w + u' ' + amountText(GrossAmount) + QStringLiteral(" ST"));
    } else {
        tape->AppendLine(QStringLiteral("Enthalten ") + Edit3 + QStringLiteral("% ") + name + QStringLiteral(" = ") +
                         w + u' ' + amountText(TaxContained) + QStringLiteral("  -"));
        tape->AppendLine(QStringLiteral("Betr. o. Steuer = ") + w + u' ' + amountText(NetAmount) +
                         QStringLiteral(" ST"));
        recordTyping();
    }
}

void TaxPanel::EditEntry() {
    if (!hasSelection()) return;
    const auto name = dialogs_.input(QStringLiteral("Eintrag bearbeiten"),
                                     QStringLiteral("Bitte neue Benennung eingeben!"), TaxNames[TaxIndex]);
    if (name) TaxNames[TaxIndex] = *name;
}

void TaxPanel::DeleteEntry() {
    if (!hasSelection()) return;
    const int index = TaxIndex;
    if (!dialogs_.askYesNo(QString::fromUtf8("Eintrag löschen (") + TaxNames[index] + u')')) return;
    TaxNames.removeAt(index);
    if (index < TaxRates.size()) TaxRates.removeAt(index);
    while (TaxRates.size() > TaxNames.size()) TaxRates.removeLast();
    TaxIndex = TaxNames.isEmpty() ? -1 : std::min(index, static_cast<int>(TaxNames.size()) - 1);
    selectionChanged(true);
}

void TaxPanel::NewEntry() {
    const auto name = dialogs_.input(QStringLiteral("Neuer Eintrag"), QStringLiteral("Bitte neue Steuerart eingeben!"),
                                     QStringLiteral("NeuSt"));
    if (!name || name->isEmpty()) return;
    // The new rate belongs to the new name, whatever rates earlier names were missing.
    while (TaxRates.size() < TaxNames.size()) TaxRates.append(QStringLiteral("0,0"));
    TaxNames.append(*name);
    if (beeper_) beeper_->beep();
    const auto rate =
        dialogs_.input(QString::fromUtf8("Steuernprozente für ") + *name,
                       QString::fromUtf8("Bitte die Steuerprozente für ") + *name + QStringLiteral(" eingeben!"),
                       QStringLiteral("10,0"));
    if (rate) {
        if (rate->isEmpty()) {
            TaxRates.append(QStringLiteral("0,0"));
        } else {
            try {
                numtext::strToFloat(*rate);
                TaxRates.append(*rate);
            } catch (const numtext::ConversionError& e) {
                dialogs_.message(e.message());  // the selection below gives it "0,0"
            }
        }
    }
    TaxIndex = static_cast<int>(TaxNames.size()) - 1;
    selectionChanged(true);
}
