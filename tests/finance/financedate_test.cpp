#include "core/numtext.h"
#include "finance/amounttext.h"
#include "finance/financedate.h"
#include "finance/financegrid.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

namespace {

// The runtime conversion message a call ends with, or "no error".
template <typename F>
QString conversionMessage(F call) {
    try {
        call();
    } catch (const numtext::ConversionError& e) {
        return e.message();
    }
    return QStringLiteral("no error");
}

TEST(FinanceDate, ReadsShortAndLongYearsAndRejectsWhatIsNoDate) {
    // The window for two-digit years starts 50 years before the current year: 1976 .. 2075 in 2026.
    for (auto [text, year, date] :
         std::initializer_list<std::tuple<const char*, int, const char*>>{{"01.03.2024", 2026, "01.03.2024"},
                                                                          {"1.3.2024", 2026, "01.03.2024"},
                                                                          {" 15.08.99 ", 2026, "15.08.1999"},
                                                                          {"01.01.76", 2026, "01.01.1976"},
                                                                          {"01.01.75", 2026, "01.01.2075"},
                                                                          {"01.01.00", 2026, "01.01.2000"},
                                                                          {"01.01.50", 2100, "01.01.2050"},
                                                                          {"01.01.49", 2100, "01.01.2149"}})
        EXPECT_EQ(financedate::format(financedate::parse(text, year)), date) << text;
    for (const QString text : {"", "abc", "31.02.2024", "1.13.2024", "01.01.202", "01.01", "1,3,2024", "01.01.2024.1"})
        EXPECT_EQ(conversionMessage([&] { financedate::parse(text, 2026); }),
                  QStringLiteral("'%1' ist kein gültiges Datum").arg(text));
}

TEST(FinanceDate, AddsCalendarMonthsWithEndOfMonthRule) {
    for (auto [from, months, to] :
         std::initializer_list<std::tuple<QDate, int, QDate>>{{{2024, 1, 31}, 1, {2024, 2, 29}},
                                                              {{2023, 1, 31}, 1, {2023, 2, 28}},
                                                              {{2024, 8, 31}, 1, {2024, 9, 30}},
                                                              {{2024, 3, 15}, 119, {2034, 2, 15}},
                                                              {{2024, 3, 15}, 0, {2024, 3, 15}}})
        EXPECT_EQ(financedate::addMonths(from, months), to) << months;
}

TEST(FinanceDate, MonthIndexRoundsDaysOverAverageMonth) {
    const QDate start(2024, 1, 10);
    // 45 days are 1.478 average months, 46 are 1.511; 624 are 20.49, but would be 20.53 months of 30.4 days.
    for (auto [days, month] : std::initializer_list<std::pair<int, int>>{
             {0, 0}, {15, 0}, {16, 1}, {-15, 0}, {-16, -1}, {365, 12}, {45, 1}, {46, 2}, {624, 20}})
        EXPECT_EQ(MonthIndex(start.addDays(days), start), month) << days;
}

TEST(CleanAmountText, DropsThousandsPointsAndBlanks) {
    for (auto [text, value] : std::initializer_list<std::pair<const char*, double>>{{"1.234,56", 1234.56},
                                                                                    {"1,234.56", 1.23456},
                                                                                    {"   132.797,22", 132797.22},
                                                                                    {"1 000 €", 1000},
                                                                                    {"-50", -50}})
        EXPECT_DOUBLE_EQ(static_cast<double>(CleanAmountText(QString::fromUtf8(text))), value) << text;
    for (const QString text : {"", "abc", "1,2,3", "1-2", "-"})
        EXPECT_EQ(conversionMessage([&] { CleanAmountText(text); }),
                  QStringLiteral("'%1' ist kein gültiger Gleitkommawert").arg(text));
}

TEST(FinanceGrid, ReadsCompleteRowsUpToTheirCount) {
    FinanceGrid grid(6);
    auto read = [&grid] {
        std::vector<std::pair<int, double>> entries;
        for (const ScheduleEntry& e : readGridEntries(grid, QDate(2024, 1, 1), 2026))
            entries.emplace_back(e.period, static_cast<double>(e.value));
        return entries;
    };
    grid.rows[0] = {"01.03.2024", "100"};
    grid.rows[1] = {"01.04.2024", ""};  // incomplete: not counted, so row 4 falls outside rows 1 .. 2
    grid.rows[3] = {"01.06.2024", "12,5"};
    EXPECT_EQ(read(), (std::vector<std::pair<int, double>>{{2, 100}}));
    grid.rows[1] = {"01.04.24", "-7,25"};  // r = 3: the empty row 3 still hides row 4
    EXPECT_EQ(read(), (std::vector<std::pair<int, double>>{{2, 100}, {3, -7.25}}));
    grid.rows[2] = {"01.05.2024", "1.000"};
    EXPECT_THROW(read(), numtext::ConversionError);
}

}  // namespace
