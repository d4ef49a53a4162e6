#include "finance/financecalculator.h"

#include "core/numtext.h"
#include "finance/amounttext.h"
#include "finance/financedate.h"
#include "finance/loanschedule.h"
#include "finance/savingsschedule.h"

namespace {

const QString kLoanAmountMissing = QStringLiteral("Darlehenssumme eingeben");
const QString kRateMissing = QStringLiteral("Zinssatz eingeben");
const QString kTermMissing = QStringLiteral("Laufzeit eingeben");
const QString kPaymentMissing = QStringLiteral("Monatsrate eingeben");
const QString kSavingsMissing = QStringLiteral("Angaben fehlen!");
const QString kPaymentTooLow = QStringLiteral("Rate zu niederig. Eine höhere Zahl eingeben");
const QString kNoProgress = QStringLiteral(
    "Die Anpassung findet keine Lösung innerhalb der maximalen Laufzeit. Bitte Rate, Zins oder Laufzeit ändern.");
const QString kTooLarge = QStringLiteral("Die Zahlen sind zu groß für die Berechnung. Bitte kleinere Werte eingeben.");
const QString kRateTooLow = QStringLiteral("Der Zinssatz muss größer als -100 % sein.");
const QString kCutOff = QStringLiteral(
    "Die Anpassung wurde abgebrochen, weil sie zu lange dauern würde. Bitte eine kürzere maximale Laufzeit eingeben.");

// The date fields end with 31.12.9999; a term must keep the date it leads to within them.
const QDate kLastDate(9999, 12, 31);

qint64 monthsUntilLastDate(const QDate& start) {
    return 12 * static_cast<qint64>(kLastDate.year() - start.year()) + (kLastDate.month() - start.month());
}

// `what` names the date that would leave the range.
QString termTooLong(const QString& what, qint64 months) {
    return QStringLiteral(
               "Die Laufzeit ist zu lang. %1 darf nicht nach dem 31.12.9999 liegen: bitte höchstens %2 Jahre "
               "und %3 Monate eingeben.")
        .arg(what, numtext::formatN(static_cast<long double>(months / 12), 0, 0), QString::number(months % 12));
}

QString amountText(long double v) { return numtext::formatN(v, 6, 2); }
QString totalText(long double v) { return numtext::formatN(v, 2, 2); }

}  // namespace

FinanceCalculator::FinanceCalculator() { setToday(QDate::currentDate()); }

void FinanceCalculator::setToday(const QDate& today) {
    Today = today;
    Datum1 = Datum2 = Datum3 = Datum4 = Datum5 = Datum6 = today;
}

FinanceOutcome FinanceCalculator::CheckFinanceInputs() {
    InputsValid = 1;
    auto fail = [this](const QString& message, const QString& focus) {
        InputsValid = 0;
        return FinanceOutcome{message, focus};
    };
    try {
        if (ActivePage == FinancePage::Tilgung) {
            if (Edit1.isEmpty()) {
                if (Radio1) return fail(kLoanAmountMissing, QStringLiteral("Edit1"));
                Edit1 = QStringLiteral("0");
            }
            if (Edit2.isEmpty()) return fail(kRateMissing, QStringLiteral("Edit2"));
            if (Edit13.isEmpty()) Edit13 = QStringLiteral("0");
            if (Edit14.isEmpty()) Edit14 = QStringLiteral("0");
            const qint64 years = numtext::strToInt(Edit13);
            const qint64 months = numtext::strToInt(Edit14);
            // A negative year count with positive months passes the sum but leaves no term at all.
            if (years + months < 1 || 12 * years + months < 1) return fail(kTermMissing, QStringLiteral("Edit13"));
            const qint64 limit = monthsUntilLastDate(Datum1);
            if (12 * years + months > limit)
                return fail(termTooLong(QStringLiteral("Die letzte Rate"), limit), QStringLiteral("Edit13"));
            if (Edit12.isEmpty()) {
                if (!Radio1) return fail(kPaymentMissing, QStringLiteral("Edit12"));
                Edit12 = QStringLiteral("0");
            }
        } else {
            if (Edit16.isEmpty()) Edit16 = QStringLiteral("0");
            if (Edit17.isEmpty()) return fail(kSavingsMissing, QStringLiteral("Edit17"));
            if (Edit18.isEmpty()) Edit18 = QStringLiteral("0");
            const long double years = numtext::strToFloat(Edit19);
            const long double months = numtext::strToFloat(Edit23);
            if (years + months == 0 || 12 * years + months <= 0) return fail(kSavingsMissing, QStringLiteral("Edit19"));
            const qint64 limit = monthsUntilLastDate(Datum4);
            if (12 * years + months > limit)
                return fail(termTooLong(QStringLiteral("Das Auszahlungsdatum"), limit), QStringLiteral("Edit19"));
        }
    } catch (const numtext::ConversionError& e) {
        InputsValid = 0;
        return {e.message(), QString()};
    }
    return {};
}

FinanceOutcome FinanceCalculator::Compute() {
    FinanceOutcome check = CheckFinanceInputs();
    if (InputsValid == 0) return check;
    try {
        return ActivePage == FinancePage::Tilgung ? computeLoan() : computeSavings();
    } catch (const numtext::ConversionError& e) {
        return {e.message(), QString()};
    }
}

FinanceOutcome FinanceCalculator::computeLoan() {
    // Every text is converted before anything is written, so a conversion message leaves all as it was.
    LoanInputs in;
    const int year = Today.year();
    in.startMonth = Datum1.month();
    in.specialRepayments = readGridEntries(Grid2, Datum1, year);
    if (vproz) in.interestChanges = readGridEntries(Grid3, Datum1, year);
    in.amount = CleanAmountText(Edit1);
    in.payment = CleanAmountText(Edit12);
    in.statusPeriod = MonthIndex(Datum3, Datum1);
    in.rate = numtext::strToFloat(Edit2);
    in.maxPeriods = 12 * static_cast<qint64>(numtext::strToInt(Edit13)) + numtext::strToInt(Edit14);
    // The subsidy counts only while its box is ticked, in the estimates as in the deductions.
    in.subsidy = BauFi;
    in.subsidyPerYear = BauFi ? SubsidyPerYear : 0;
    in.subsidyTotal = BauFi ? SubsidyTotal : 0;
    in.adjustment = Radio1 ? LoanAdjustment::Payment : (Radio2 ? LoanAdjustment::Amount : LoanAdjustment::None);
    // At -100 % a year or less a debt would grow by being repaid; no schedule means anything then.
    if (in.rate <= -100) return {kRateTooLow, QStringLiteral("Edit2")};
    for (const auto& change : in.interestChanges)
        if (change.value <= -100) return {kRateTooLow, QString()};
    FinanceAmount = in.amount;

    const LoanResult r = ::computeLoan(in);
    LastPasses = r.passes;
    switch (r.outcome) {
    case LoanOutcome::PaymentTooLow:
        Edit12 = numtext::formatG(r.payment);
        return {kPaymentTooLow, QStringLiteral("Edit12")};
    case LoanOutcome::NoProgress: return {kNoProgress, QString()};
    case LoanOutcome::TooLarge: return {kTooLarge, QString()};
    case LoanOutcome::CutOff: return {kCutOff, QStringLiteral("Edit13")};
    case LoanOutcome::Done: break;
    }
    Edit12 = amountText(r.payment);
    Edit1 = amountText(r.amount);
    Edit3 = QString::number(r.periods / 12);
    Edit8 = QString::number(r.periods % 12);
    Datum2 = financedate::addMonths(Datum1, r.periods);
    Edit4 = amountText(r.status.principalPart);
    Edit5 = amountText(r.status.interestPart);
    Edit6 = amountText(r.status.principalSum);
    Edit9 = amountText(r.status.interestSum);
    Edit10 = amountText(r.principalSum + r.interestSum);
    Edit11 = amountText(r.interestSum);
    Edit15 = amountText(r.lastPayment);
    const int s = in.statusPeriod;
    StatusCaption = QStringLiteral("Status nach %1 Jahr(en) und %2 Monat(en)").arg(s / 12).arg(s % 12);
    return {};
}

FinanceOutcome FinanceCalculator::computeSavings() {
    SavingsInputs in;
    const int year = Today.year();
    in.specialPayments = readGridEntries(Grid1, Datum4, year);
    if (vproz2) in.interestChanges = readGridEntries(Grid4, Datum4, year);
    in.capital = CleanAmountText(Edit16);
    in.payment = CleanAmountText(Edit18);
    in.rate = numtext::strToFloat(Edit17);
    const qint64 term = 12 * static_cast<qint64>(numtext::strToInt(Edit19)) + numtext::strToInt(Edit23);
    if (term <= 0) return {kSavingsMissing, QStringLiteral("Edit19")};
    const qint64 limit = monthsUntilLastDate(Datum4);
    if (term > limit) return {termTooLong(QStringLiteral("Das Auszahlungsdatum"), limit), QStringLiteral("Edit19")};
    in.term = static_cast<int>(term);
    in.statusPeriod = MonthIndex(Datum6, Datum4);
    in.yearly = Zins2;

    const SavingsResult r = ::computeSavings(in);
    if (!r.finite) return {kTooLarge, QString()};
    if (r.statusCapital) Edit24 = amountText(*r.statusCapital);
    Datum5 = financedate::addMonths(Datum4, in.term);
    Edit21 = totalText(r.capital);
    Edit22 = totalText(r.interestSum);
    Edit20 = totalText(r.paidIn);
    return {};
}
