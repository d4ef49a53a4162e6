// Financial scenarios and the report: the report onto a long Tape against an empty one, filling the list of
// 1 000 names, and saving into a settings file of 1 000 scenarios. Budget: each under one frame (16 ms),
// saving under 50 ms, the long Tape at most 1.5 × the empty one.
#include "core/inifile.h"
#include "finance/financecalculator.h"
#include "finance/settingssource.h"
#include "tape/tapedocument.h"

#include <benchmark/benchmark.h>

namespace {

// The settings file in memory as the settings layer keeps it; a commit serialises the whole file.
class IniSettings : public SettingsSource {
public:
    bool sectionExists(const QString& section) const override { return ini.sectionExists(section); }
    QStringList keys(const QString& section) const override { return ini.keys(section); }
    QString readString(const QString& section, const QString& key, const QString& defaultValue) const override {
        return ini.readString(section, key, defaultValue);
    }
    void writeString(const QString& section, const QString& key, const QString& value) override {
        ini.writeString(section, key, value);
    }
    void eraseSection(const QString& section) override { ini.eraseSection(section); }
    bool commit(QString&) override {
        ini = IniFile::parse(ini.serialize());
        return true;
    }
    IniFile ini;
};

FinanceCalculator exampleLoan() {
    FinanceCalculator f;
    f.Edit1 = QStringLiteral("100000");
    f.Edit2 = QStringLiteral("6");
    f.Edit13 = QStringLiteral("10");
    f.Edit14 = QStringLiteral("0");
    f.Edit12 = QStringLiteral("1120");
    f.Grid2.rows[0] = {QStringLiteral("15.01.2030"), QStringLiteral("5000")};
    return f;
}

// 1 000 saved loans and their list.
void fillScenarios(IniSettings& settings) {
    FinanceCalculator f = exampleLoan();
    for (int i = 0; i < 1000; ++i) {
        f.ComboBox1 = QStringLiteral("Szenario %1").arg(i);
        f.Scenarios.SpeedButton2Click(f, settings);
    }
}

void BM_Report(benchmark::State& state) {
    TapeDocument tape;
    for (int i = 0; i < state.range(0); ++i) tape.AppendLine(QStringLiteral("12 ^"));
    FinanceCalculator f = exampleLoan();
    for (auto _ : state) {
        f.SpeedButton4Click(&tape);
        state.PauseTiming();
        while (tape.LineCount() > state.range(0)) tape.DeleteLastLine();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Report)->Arg(0)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_FillListOf1000Names(benchmark::State& state) {
    IniSettings settings;
    fillScenarios(settings);
    for (auto _ : state) {
        FinanceCalculator f;
        f.Scenarios.FillList(settings);
        if (f.Scenarios.Items.size() != 1000) state.SkipWithError("the list is not complete");
    }
}
BENCHMARK(BM_FillListOf1000Names)->Unit(benchmark::kMillisecond);

void BM_SaveInto1000Scenarios(benchmark::State& state) {
    IniSettings settings;
    fillScenarios(settings);
    FinanceCalculator f = exampleLoan();
    f.Scenarios.FillList(settings);
    f.ComboBox1 = QStringLiteral("Szenario 500");
    for (auto _ : state) {
        const FinanceReaction out = f.Scenarios.SpeedButton2Click(f, settings);
        if (!out.messages.isEmpty()) state.SkipWithError("saving failed");
    }
}
BENCHMARK(BM_SaveInto1000Scenarios)->Unit(benchmark::kMillisecond);

}  // namespace
