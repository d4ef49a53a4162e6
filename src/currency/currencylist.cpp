// Adding, editing and deleting entries of the currency list.
#include "currency/currencyconverter.h"

#include "core/calculator.h"
#include "core/dialogs.h"
#include "core/normalize.h"
#include "core/numtext.h"

#include <cmath>

void CurrencyConverter::PressNewEntry() {
    if (ListEditMode == 0) startListEdit(1);
    else if (ListEditMode == 1) saveEntry();
}

void CurrencyConverter::PressEditEntry() {
    if (ListEditMode == 0 && !Names.isEmpty()) startListEdit(2);
    else if (ListEditMode == 2) saveEntry();
}

void CurrencyConverter::PressDeleteEntry() {
    if (ListEditMode != 0) {  // "Abbrechen"
        endListEdit();
        returnInput();
        showSelection();
        Focus = FocusTarget::Equals;
        return;
    }
    // The base currency cannot go.
    if (SelectedIndex < 1 || SelectedIndex >= Names.size()) return;
    if (!dialogs_.askYesNo(QStringLiteral("Eintrag löschen?"))) return;
    Names.removeAt(SelectedIndex);
    if (SelectedIndex < Rates.size()) Rates.removeAt(SelectedIndex);
    --SelectedIndex;
    showSelection();
    Convert();
}

void CurrencyConverter::EntryFieldEnter() {
    if (ListEditMode == 0) return;
    if (SpeedButton2Enabled) PressNewEntry();
    else PressEditEntry();
}

void CurrencyConverter::EntryFieldEscape() {
    if (ListEditMode != 0) PressDeleteEntry();
}

// A rate is always written with a point: a lone point is its decimal point, whatever the
// calculator's display format says about points.
void CurrencyConverter::RateTextEdited(const QString& text) {
    if (Edit4ReadOnly) return;
    Edit4 = NormalizeNumberText(text, 0, 0);
}

void CurrencyConverter::RateFieldClicked() {
    if (ListEditMode == 0) Focus = FocusTarget::Equals;
}

void CurrencyConverter::startListEdit(int mode) {
    takeInput();
    ListEditMode = mode;
    EntryEditorShown = true;
    SpeedButton3Hint = QStringLiteral("Abbrechen");
    Focus = FocusTarget::Edit1;
    if (mode == 1) {
        Edit1.clear();
        Edit4.clear();
        Edit4ReadOnly = false;
        Label1 = QStringLiteral("Neue W.");
        Label2 = QStringLiteral("Neuer Kurs");
        SpeedButton4Enabled = false;
        SpeedButton2Hint = QStringLiteral("Neuen Eintrag speichern");
        SpeedButton2Down = true;
    } else {
        editedIndex_ = (SelectedIndex >= 0 && SelectedIndex < Names.size()) ? SelectedIndex : 0;
        Edit1 = Names.value(editedIndex_);
        Edit4 = Rates.value(editedIndex_);
        Edit4ReadOnly = editedIndex_ == 0;  // the base currency's rate is 1 by definition
        Label1 = QStringLiteral("W.ng bearb.");
        Label2 = QStringLiteral("Kurs bearb");
        SpeedButton2Enabled = false;
        SpeedButton4Hint = QStringLiteral("Veränderungen speichern");
        SpeedButton4Down = true;
    }
}

void CurrencyConverter::endListEdit() {
    Edit1.clear();
    Edit4.clear();
    Edit4ReadOnly = true;
    EntryEditorShown = false;
    Label1 = QStringLiteral("Währung");
    Label2 = QStringLiteral("Kurs");
    SpeedButton2Hint = QStringLiteral("Neuer Eintrag");
    SpeedButton3Hint = QStringLiteral("Eintrag löschen");
    SpeedButton4Hint = QStringLiteral("Eintrag bearbeiten");
    SpeedButton2Enabled = SpeedButton4Enabled = true;
    SpeedButton2Down = SpeedButton4Down = false;
    ListEditMode = 0;
}

bool CurrencyConverter::entryAcceptable() {
    auto refuse = [this](const QString& message, FocusTarget focus) {
        dialogs_.message(message);
        Focus = focus;
        return false;
    };
    if (Edit1.isEmpty()) return refuse(BothFieldsMessage, FocusTarget::Edit1);
    if (Edit4.isEmpty()) return refuse(BothFieldsMessage, FocusTarget::Edit4);
    // The abbreviation is the currency format's suffix: it must be there.
    const qsizetype comma = Edit1.indexOf(u',');
    if (comma < 0 || Edit1.left(comma).trimmed().isEmpty()) return refuse(AbbreviationMessage, FocusTarget::Edit1);
    const numtext::ValResult rate = numtext::val(Edit4);
    if (rate.code != 0 || !std::isfinite(rate.value) || !(rate.value > 0))
        return refuse(RateAboveZeroMessage, FocusTarget::Edit4);
    return true;
}

void CurrencyConverter::saveEntry() {
    if (!entryAcceptable()) return;
    const int index = ListEditMode == 1 ? static_cast<int>(Names.size()) : editedIndex_;
    if (ListEditMode == 1) {
        Names.append(Edit1);
        while (Rates.size() < Names.size() - 1) Rates.append(QStringLiteral("0"));
        Rates.append(Edit4);
    } else {
        Names[index] = Edit1;
        if (index != 0 && index < Rates.size()) Rates[index] = Edit4;
    }
    endListEdit();
    SelectedIndex = index;
    showSelection();
    if (index == 0) calc_.SecondCurrencyCode = Abbreviation(0);
    returnInput();
    Convert();
    Focus = FocusTarget::Equals;
}
