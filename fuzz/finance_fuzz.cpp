// Typed texts into the financial window's fields: every computation must end, with results or a
// German message, and never show an infinite or NaN number.
#include "finance/financecalculator.h"

#include <QStringList>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QStringList parts =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)).split(u'\n');
    auto part = [&](int i) { return i < parts.size() ? parts[i] : QString(); };
    FinanceCalculator f;
    f.setToday(QDate(2026, 1, 15));
    const int flags = size > 0 ? data[0] : 0;
    f.Edit1 = part(0);
    f.Edit2 = part(1);
    f.Edit12 = part(2);
    f.Edit13 = part(3);
    f.Edit14 = part(4);
    f.Grid2.rows[0] = {part(5), part(6)};
    f.Grid3.rows[0] = {part(7), part(8)};
    f.Radio1 = (flags & 1) != 0;
    f.Radio2 = !f.Radio1 && (flags & 2) != 0;
    f.vproz = (flags & 4) != 0;
    f.BauFi = (flags & 8) != 0;
    f.SubsidyPerYear = 1000;
    f.SubsidyTotal = 8000;
    f.Datum3 = f.Datum1.addDays(flags * 40);
    f.Compute();

    f.ActivePage = FinancePage::Anlage;
    f.Edit16 = part(0);
    f.Edit17 = part(1);
    f.Edit18 = part(2);
    f.Edit19 = part(3);
    f.Edit23 = part(4);
    f.Grid1.rows[0] = {part(5), part(6)};
    f.Grid4.rows[0] = {part(7), part(8)};
    f.Zins2 = (flags & 16) != 0;
    f.vproz2 = f.vproz;
    f.Compute();

    const auto showsNonNumber = [](const QString& text) {
        return text.contains(QStringLiteral("INF")) || text.contains(QStringLiteral("NAN"));
    };
    for (const QString* text : {&f.Edit10, &f.Edit11, &f.Edit15, &f.Edit4, &f.Edit21, &f.Edit24})
        if (showsNonNumber(*text)) std::abort();
    // The amount and the payment are typed as well as computed: only a computed text counts.
    if (f.Edit1 != part(0) && showsNonNumber(f.Edit1)) std::abort();
    if (f.Edit12 != part(2) && showsNonNumber(f.Edit12)) std::abort();
    return 0;
}
