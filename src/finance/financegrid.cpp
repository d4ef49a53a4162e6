#include "finance/financegrid.h"

#include "core/numtext.h"
#include "finance/financedate.h"

#include <algorithm>

namespace {
bool complete(const GridRow& row) { return !row.date.isEmpty() && !row.value.isEmpty(); }
}  // namespace

std::vector<ScheduleEntry> readGridEntries(const FinanceGrid& grid, const QDate& start, int currentYear) {
    const auto filled = static_cast<size_t>(std::count_if(grid.rows.begin(), grid.rows.end(), complete));
    std::vector<ScheduleEntry> entries;
    entries.reserve(filled);
    for (size_t i = 0; i < filled; ++i) {
        const GridRow& row = grid.rows[i];
        // A gap inside rows 1 .. r would otherwise be read as an empty date and stop the whole
        // computation with a conversion message; the gap simply holds no entry.
        if (!complete(row)) continue;
        ScheduleEntry entry;
        entry.period = MonthIndex(financedate::parse(row.date, currentYear), start);
        entry.value = numtext::strToFloat(row.value);
        entries.push_back(entry);
    }
    return entries;
}
