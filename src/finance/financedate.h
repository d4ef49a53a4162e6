#pragma once
// Dates of the financial window: the short date format, the calendar arithmetic of the
// schedules and the month numbering of list entries.
#include <QDate>
#include <QString>

namespace financedate {

// "dd.mm.yyyy".
QString format(const QDate& date);

// Reads "tt.mm.jj" or "tt.mm.jjjj" (one- or two-digit day and month). A year of one or two
// digits falls in the hundred years that start 50 years before `currentYear`.
// Throws numtext::ConversionError with the runtime's date message.
QDate parse(const QString& text, int currentYear);

// `months` calendar months later; a day beyond the end of the target month becomes its last day.
QDate addMonths(const QDate& date, int months);

}  // namespace financedate

// Period number of `date` in a schedule that starts at `start`: the distance in days divided by
// the average month length 30.45, rounded half to even.
int MonthIndex(const QDate& date, const QDate& start);
