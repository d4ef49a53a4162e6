#include "core/calculator.h"
#include "core/numtext.h"

#include <cmath>

using numtext::str;
using numtext::valValue;

QString Calculator::Copy() {
    WorkValue = ActiveNumber();
    FormattedText = numtext::formatG(WorkValue);
    return FormattedText;
}

// Points are thousands separators when the text also has a comma; the comma where reading
// stops becomes the decimal point.
bool Calculator::readPastedNumber(QString text, bool dropPointsEveryTime, long double& value) {
    if (text.contains(u',')) text.remove(u'.');
    for (;;) {
        if (dropPointsEveryTime && text.contains(u',')) text.remove(u'.');
        const numtext::ValResult r = numtext::val(text);
        if (r.code == 0) {
            value = r.value;
            return true;
        }
        const qsizetype stop = r.code - 1;
        if (stop >= text.size() || text[stop] != u',') {
            dialogs_.message(QStringLiteral("In der Zwischenablage ist keine gültige Zahl"));
            return false;
        }
        text[stop] = u'.';
    }
}

void Calculator::Paste(const std::optional<QString>& clipboardText) {
    if (!clipboardText || clipboardText->isEmpty()) {
        dialogs_.message(QStringLiteral("Zwischenablage muß eine Zahl beinhalten"));
        return;
    }
    if (ActiveField == field::EditOwnsKeys) return;
    long double value = 0;
    if (!readPastedNumber(*clipboardText, false, value)) return;
    if (ActiveField == field::Result && !Operand1Text.isEmpty() &&
        !dialogs_.askYesNo(QStringLiteral("Ergebnis überschreiben?")))
        return;
    putIntoField(value, ActiveField == field::Second);
}

void Calculator::PasteIntoTarget(const QString& text) {
    if (PopupTarget != 1 && PopupTarget != 2) return;
    long double value = 0;
    if (!readPastedNumber(text, true, value)) return;
    putIntoField(value, PopupTarget == 2);
}

void Calculator::ClearTarget() {
    if (PopupTarget == 2) {
        Operand2Text.clear();
        Label3.clear();
        setActiveField(2);
    } else if (PopupTarget == 1) {
        Operand1Text.clear();
        Label1.clear();
        Label4.clear();
        setActiveField(1);
    }
}

void Calculator::AskStepSize() {
    const auto answer = dialogs_.input(QStringLiteral("Erhöhungsfaktor"),
                                       QStringLiteral("Den Erhöhungsfaktor eingeben(z.B. 0,001)"), StepText);
    // A cancelled box answers with empty text: the step goes back to 1.
    StepText = normalize(answer.value_or(QString()));
    StepSize = valValue(StepText);
}

void Calculator::StepFirstOperand(bool up) {
    if (StepSize == 0) StepSize = 1;
    const long double x = valValue(Operand1Text);
    const long double next = up ? x + StepSize : x - StepSize;
    if (!std::isfinite(next)) return;
    WorkValue = next;
    Operand1Text = str(next);
    FormatNumber();
    Label1 = FormattedText;
    if (PanelFunction >= 1 && PanelFunction <= 7) sidePanels_->rerunPanelFunction(PanelFunction);
}
