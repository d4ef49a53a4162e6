// "Tape": the report of the active page's computation, line by line in bold or normal weight.
#include "finance/financecalculator.h"

#include "core/tape.h"
#include "finance/financedate.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

struct ReportLine {
    QString text;
    bool bold;
};

class Report {
public:
    void bold(const QString& text) { lines.push_back({text, true}); }
    void normal(const QString& text) { lines.push_back({text, false}); }
    void blank() { bold(QString()); }
    // A heading and, in normal weight, the complete rows among the first m, m counting the complete rows of the
    // whole list; nothing when no row is complete.
    bool list(const QString& heading, const FinanceGrid& grid) {
        auto complete = [](const GridRow& row) { return !row.date.isEmpty() && !row.value.isEmpty(); };
        const auto m = std::count_if(grid.rows.begin(), grid.rows.end(), complete);
        if (m == 0) return false;
        blank();
        bold(heading);
        for (auto row = grid.rows.begin(); row != grid.rows.begin() + m; ++row)
            if (complete(*row)) normal(row->date + QStringLiteral(":  ") + row->value);
        return true;
    }

    std::vector<ReportLine> lines;
};

QString rateLine(bool variable, const QString& rate) {
    return (variable ? QStringLiteral("Anf. Zinsen:  ") : QStringLiteral("Zinsen:  ")) + rate + QStringLiteral(" %");
}

void loanReport(const FinanceCalculator& f, Report& r) {
    r.bold(QStringLiteral("Datum:  ") + financedate::format(f.Datum1));
    r.bold(QStringLiteral("Darl.summe: ") + f.Edit1);
    r.bold(rateLine(f.vproz, f.Edit2));
    r.bold(QStringLiteral("Rate:  ") + f.Edit12);
    if (f.vproz) r.list(QStringLiteral("Zinsänderungen:"), f.Grid3);
    r.list(QStringLiteral("Sondertilgungen:"), f.Grid2);
    r.blank();
    r.bold(QStringLiteral("Status jetzt: ") + financedate::format(f.Datum3));
    r.normal(QStringLiteral("Jetzt Bezahlt: ") + f.Edit6);
    r.normal(QStringLiteral("Jetzt bezahlte Zinsen: ") + f.Edit9);
    r.blank();
    r.bold(QStringLiteral("Laufzeitende:"));
    r.normal(QStringLiteral("Laufzeit:  ") + f.Edit3 + QStringLiteral(" Jahre  ") + f.Edit8 +
             QStringLiteral(" Monate"));
    r.normal(QStringLiteral("Letzte Rate:  ") + f.Edit15);
    r.normal(QStringLiteral("Datum l. Rate:  ") + financedate::format(f.Datum2));
    r.blank();
    r.bold(QStringLiteral("Am Ende der Laufz. gezahlt:"));
    r.normal(f.Edit10);
    r.bold(QStringLiteral("Anteil der Zinsen:"));
    r.normal(f.Edit11);
}

void savingsReport(const FinanceCalculator& f, Report& r) {
    r.bold(QStringLiteral("Datum:  ") + financedate::format(f.Datum4));
    r.bold(QStringLiteral("Anfangskapital:  ") + f.Edit16);
    r.bold(rateLine(f.vproz2, f.Edit17));
    r.bold(QStringLiteral("Monatl. Zuzahlung:  ") + f.Edit18);
    if (f.vproz2) r.list(QStringLiteral("Zinsänderungen:"), f.Grid4);
    if (r.list(QStringLiteral("Sonderzahlungen:"), f.Grid1)) r.blank();
    r.bold(QStringLiteral("Status jetzt: ") + financedate::format(f.Datum6));
    r.normal(f.Edit24);
    r.blank();
    r.bold(QStringLiteral("Laufzeit:  ") + f.Edit19 + QStringLiteral(" Jahre"));
    r.normal(QStringLiteral("Datum Laufzeitende:  ") + financedate::format(f.Datum5));
    r.blank();
    r.bold(QStringLiteral("Endbetrag:  ") + f.Edit21);
}

}  // namespace

FinanceReaction FinanceCalculator::SpeedButton4Click(Tape* tape) {
    FinanceReaction out(CheckFinanceInputs());
    if (InputsValid == 0) return out;
    const FinanceOutcome computed = Compute();
    out.add(computed);
    // A message means the outputs are not this computation's: they are not reported.
    if (!computed.message.isEmpty() || !tape) return out;

    Report r;
    const QString name = ComboBox1.trimmed();
    r.bold(name.isEmpty() ? QStringLiteral("Unbenannt") : name);
    r.blank();
    if (ActivePage == FinancePage::Tilgung) loanReport(*this, r);
    else savingsReport(*this, r);

    tape->ClearUndo();
    tape->SetColour(Tape::Black);
    if (tape->LineCount() >= 2) {
        tape->SetBold(true);
        tape->AppendLine(QString());
    } else {
        tape->ClearIfBlank();
    }
    for (const ReportLine& line : r.lines) {
        tape->SetBold(line.bold);
        tape->AppendLine(line.text);
    }
    // The calculator's record lines are bold.
    tape->SetBold(true);
    return out;
}
