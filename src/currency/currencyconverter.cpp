#include "currency/currencyconverter.h"

#include "core/calculator.h"
#include "core/normalize.h"
#include "core/numtext.h"

#include <cmath>

using numtext::valValue;

const QString CurrencyConverter::NoValidRateMessage =
    QStringLiteral("Für diese Währung ist kein gültiger Kurs eingetragen.");
const QString CurrencyConverter::BothFieldsMessage = QStringLiteral("Bitte beide Felder ausfüllen!");
const QString CurrencyConverter::AbbreviationMessage = QStringLiteral(
    "Bitte das Kürzel für die Währung vor der Komma setzen (z.B. \"DM, De. Mark\"). "
    "Sonst kann es nicht für die Währungsformatierung verwendet werden");
const QString CurrencyConverter::RateAboveZeroMessage =
    QStringLiteral("Bitte einen Kurs größer als 0 eingeben (z.B. 1.0856).");
const QString CurrencyConverter::AmountHint = QStringLiteral("Weiter rechnen mit Esc - Übernehmen mit Enter");

CurrencyConverter::CurrencyConverter(Calculator& calculator, Dialogs& dialogs)
    : TargetCurrencyCode(calculator.ConverterCurrencyCode), calc_(calculator), dialogs_(dialogs) {
    Names = {QStringLiteral("€,Euro"),       QStringLiteral("DM, De. Mark"),  QStringLiteral("FRF, Fr. Franc"),
             QStringLiteral("$, USDollar"),  QStringLiteral("CHF,Schw. Fr."), QStringLiteral("Kr, Isl. Kronen"),
             QStringLiteral("PLZ, Pol. Zl.")};
    Rates = {QStringLiteral("1.0"),   QStringLiteral("1.95583"), QStringLiteral("6.55957"), QStringLiteral("1.612"),
             QStringLiteral("1.646"), QStringLiteral("121.882"), QStringLiteral("3.598")};
}

void CurrencyConverter::StartFirstRun() {
    ConverterDirection = 1;
    SelectedIndex = 1;
    showSelection();
    calc_.CurrencyCode = QStringLiteral("€");
    calc_.SecondCurrencyCode = QStringLiteral("€");
    calc_.InsertSecondCurrency = 1;
    LeftRawText = QStringLiteral("1");
    Convert();
}

void CurrencyConverter::StartStored(int selectedIndex) {
    SelectedIndex = selectedIndex >= 0 && selectedIndex < Names.size() ? selectedIndex : 0;
    if (calc_.SecondCurrencyCode.isEmpty()) {
        SelectedIndex = 0;
        calc_.SecondCurrencyCode = Abbreviation(0);
    }
    showSelection();
    LeftRawText = QStringLiteral("1");
    Convert();
}

// ---- Converting ----

long double CurrencyConverter::rateAt(int index) const {
    if (index < 0 || index >= Rates.size()) return 0;
    return valValue(Rates[index]);
}

bool CurrencyConverter::RateValid() const {
    const long double rate = rateAt(SelectedIndex);
    return std::isfinite(rate) && rate > 0;
}

QString CurrencyConverter::Abbreviation(int index) const { return Names.value(index).section(u',', 0, 0); }

// The reading step. A field that shows a formatted number (it has a comma) is read from its raw
// text: the runtime's conversion would stop at the comma and read "0,51" as 0.
long double CurrencyConverter::readInput() {
    switch (ConverterDirection) {
    case 4: ConverterDirection = 2; return valValue(LeftRawText);
    case 3: ConverterDirection = 1; return valValue(RightRawText);
    case 1: return valValue(Edit3.contains(u',') ? RightRawText : Edit3);
    default: ConverterDirection = 2; return valValue(Edit2.contains(u',') ? LeftRawText : Edit2);
    }
}

// Without a usable rate, or for an amount beyond the arithmetic, the result field stays empty and
// nothing can be handed on.
void CurrencyConverter::showResult(long double amount) {
    const bool towardBase = ConverterDirection == 1;
    bool ok = std::isfinite(CurrentRate) && CurrentRate > 0;
    long double value = 0;
    if (ok) {
        value = towardBase ? amount / CurrentRate : amount * CurrentRate;
        ok = std::isfinite(value);
    }
    const QString display = ok ? numtext::formatN(value, 2, 2) : QString();
    ConverterResultText =
        ok ? NormalizeNumberText(numtext::formatG(value), calc_.FormatWhileTyping, calc_.NumberFormat) : QString();
    if (towardBase) {
        LeftRawText = ConverterResultText;
        Edit2 = display;
        Label4 = QStringLiteral("←");
    } else {
        RightRawText = ConverterResultText;
        Edit3 = display;
        Label4 = QStringLiteral("→");
    }
}

void CurrencyConverter::Convert() {
    CurrentRate = rateAt(SelectedIndex);
    showResult(readInput());
}

void CurrencyConverter::ToggleDirection() {
    if (calc_.ActiveField == 4) {
        returnInput();
        Focus = FocusTarget::Equals;
    }
    Edit2HintShown = Edit3HintShown = false;
    if (ConverterDirection == 1 || ConverterDirection == 3) {
        ConverterDirection = 4;
        calc_.CurrencyCode = Abbreviation(SelectedIndex);
    } else {
        ConverterDirection = 3;
        calc_.CurrencyCode = calc_.SecondCurrencyCode;
        TargetCurrencyCode = Abbreviation(SelectedIndex);
    }
    Convert();
}

void CurrencyConverter::ensureSelection() {
    if (SelectedIndex < 0 || SelectedIndex >= Names.size()) SelectedIndex = Names.isEmpty() ? -1 : 0;
}

void CurrencyConverter::showSelection() {
    Label6 = Names.value(0);
    Label3 = Names.value(SelectedIndex);
    Edit4 = Rates.value(SelectedIndex);
}

void CurrencyConverter::SelectCurrency(int index) {
    if (calc_.NumberFormat != 2) calc_.SetNumberFormat(2);
    SelectedIndex = index;
    ensureSelection();
    showSelection();
    if (ConverterDirection == 2) calc_.CurrencyCode = Abbreviation(SelectedIndex);
    Convert();
}

void CurrencyConverter::SelectByDigit(int digit) {
    const int index = digit == 0 ? 10 : digit;
    if (index < Names.size()) SelectCurrency(index);
    else Convert();
}

void CurrencyConverter::SetDirectionKey(int direction) {
    if (direction == 2) {
        ConverterDirection = 2;
        calc_.CurrencyCode = Abbreviation(SelectedIndex);
    } else {
        ConverterDirection = 1;
        calc_.CurrencyCode = calc_.SecondCurrencyCode;
        TargetCurrencyCode = Abbreviation(SelectedIndex);
    }
    Convert();
}

void CurrencyConverter::HandActiveNumber() {
    if (!RateValid()) {
        dialogs_.message(NoValidRateMessage);
        return;
    }
    calc_.SaveCalculatorState();
    calc_.WorkValue = valValue(calc_.ActiveField == 2 ? calc_.Operand2Text : calc_.Operand1Text);
    QString shared = numtext::formatG(calc_.WorkValue);
    const bool towardSelected = ConverterDirection == 2 || ConverterDirection == 4;
    (towardSelected ? Edit2 : Edit3) = numtext::formatN(calc_.WorkValue, 8, 2);
    shared.replace(u',', u'.');
    if (towardSelected) {
        LeftRawText = shared;
        ConverterDirection = 4;
        calc_.CurrencyCode = Abbreviation(SelectedIndex);
    } else {
        RightRawText = shared;
        ConverterDirection = 3;
        calc_.CurrencyCode = calc_.SecondCurrencyCode;
    }
    Convert();
    if (calc_.ActiveField != 3) HandResultToCalculator();
}

void CurrencyConverter::SetVisible(bool visible) {
    Visible = visible;
    if (!visible) stopConverterHints();
}

void CurrencyConverter::ShownByMenu() {
    SetVisible(true);
    calc_.SetNumberFormat(2);
}

// ---- What the calculator asks ----

// The amount lands in the field of the calculator's current currency, the other field shows its
// equivalent, and the direction is the one set before.
void CurrencyConverter::handToConverter(const QString& rawText) {
    const bool towardSelected = ConverterDirection == 2 || ConverterDirection == 4;
    ToggleDirection();
    (towardSelected ? Edit3 : Edit2) = rawText;
    Convert();
    ToggleDirection();
}

int CurrencyConverter::converterDirection() const {
    if (ConverterResultText.isEmpty()) return 0;  // nothing converted: no second-currency line
    return (ConverterDirection == 1 || ConverterDirection == 3) ? 1 : 2;
}

// Esc, "=" and "Löschen" while a panel owns the keys; they also end a running chain.
void CurrencyConverter::stopConverterHints() {
    Edit2HintShown = Edit3HintShown = false;
    endChain();
}

void CurrencyConverter::endChain() {
    if (ConverterChain == 0) return;
    ConverterChain = 0;
    if (SavedNumberFormat >= 1 && SavedNumberFormat <= 3) calc_.NumberFormat = SavedNumberFormat;
    calc_.Decimals = savedDecimals_;
}

void CurrencyConverter::takeInput() {
    if (calc_.ActiveField < 4) calc_.SavedActiveField = calc_.ActiveField;
    calc_.ActiveField = 4;
}

void CurrencyConverter::returnInput() {
    const int saved = calc_.SavedActiveField;
    calc_.ActiveField = (saved >= 1 && saved <= 3) ? saved : 1;
}
