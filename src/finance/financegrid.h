#pragma once
// The list grids of the financial window (special payments and interest changes): a date and a
// value per row, read into period-numbered entries.
#include <QDate>
#include <QString>
#include <vector>

struct GridRow {
    QString date;   // column 1
    QString value;  // column 2
};

// The data rows 1 .. RowCount − 1 of a grid; row 0 is the heading row and column 0 the row number,
// both the view's business.
struct FinanceGrid {
    std::vector<GridRow> rows;

    explicit FinanceGrid(int rowCount = 2) : rows(static_cast<size_t>(rowCount > 1 ? rowCount - 1 : 1)) {}
    int RowCount() const { return static_cast<int>(rows.size()) + 1; }
};

struct ScheduleEntry {
    int period = 0;
    long double value = 0;
};

// Counts the rows with both cells filled (r) and reads rows 1 .. r, so entries are expected to
// stand in consecutive rows from row 1 and anything below a gap is cut off. Periods are
// MonthIndex of the date against `start`. Throws numtext::ConversionError for a bad date or number.
std::vector<ScheduleEntry> readGridEntries(const FinanceGrid& grid, const QDate& start, int currentYear);
