#pragma once
// What the calculator asks of the currency converter. Defaults stand for a converter that is
// not there.
#include <QString>

class ConverterHooks {
public:
    virtual ~ConverterHooks() = default;

    virtual bool converterVisible() const { return false; }
    // Hands an amount (raw point text) over in the converter's current direction.
    virtual void handToConverter(const QString& rawText) {}
    // 0 none, 1 first to second currency, 2 second to first; with the amounts for the Tape line.
    virtual int converterDirection() const { return 0; }
    virtual QString converterFirstAmountText() const { return {}; }
    virtual QString converterSecondAmountText() const { return {}; }
    virtual void stopConverterHints() {}
};
