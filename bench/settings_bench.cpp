// Reading the settings file at start, before the first paint: a realistic Kalkulo.ini of about
// 40 KB (Tape shown, tax panel open, "Blau", 40 currencies, 20 terms, three page groups and 30
// financial scenarios of other windows) read from the disk, parsed, and every [Config] key and
// list read as start-up does. Budget: well under 1 ms. Committing a shutdown transaction and
// parsing alone are measured beside it.
#include "core/calculator.h"
#include "core/calculatorsettings.h"
#include "core/settingsfile.h"
#include "realisticini.h"
#include "tools/silentdialogs.h"

#ifdef KALKULO_SETTINGS_BENCH_WINDOW
#include "shell/settingssession.h"
#include "shell/tform1.h"

#include <QApplication>
#include <QDir>
#include <memory>
#endif
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Everything start-up reads from the file, in its order.
void readLikeStartUp(const SettingsFile& file, Calculator& calc) {
    const IniFile& ini = file.ini;
    const QString config = QStringLiteral("Config");
    int sum = ini.readInteger(config, u"Farbe1", 9667432) + ini.readInteger(config, u"FFarben", 15135474);
    for (const char16_t* key :
         {u"Background", u"Felder", u"posTop", u"posLeft", u"cIndex1", u"cIndex2", u"SteuerIndex", u"FunktionsIndex"})
        sum += ini.readInteger(config, key, 0);
    for (const char16_t* key : {u"erw", u"tab", u"Tape", u"KursIndex", u"aktiv"}) sum += ini.readByte(config, key, 0);
    for (const char16_t* key : {u"Erweitern", u"TextBox", u"Umrandung", u"VST"})
        sum += ini.readBool(config, key, false);
    CalculatorSettings(calc).load(ini, file.firstRun());
    const QStringList rates = ini.readCommaText(config, u"Steuern", u"19,19");
    const QStringList names = ini.readCommaText(config, u"SteuerListe", u"MwSt,USt");
    const QStringList currencies = ini.readList(u"Waehrung"), terms = ini.readList(u"Terms");
    for (int i = 0; i < currencies.size(); ++i) sum += ini.readString(u"Kurse", QString::number(i), {}).size();
    for (int i = 0; i < terms.size(); ++i) sum += ini.readString(u"Konstant", QString::number(i), {}).size();
    benchmark::DoNotOptimize(sum + rates.size() + names.size());
}

struct FileOnDisk {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Kalkulo.ini"));
    FileOnDisk() {
        QFile f(path);
        if (f.open(QIODevice::WriteOnly)) f.write(realisticKalkuloIni());
    }
};

void BM_ReadAtStartUp(benchmark::State& state) {
    FileOnDisk file;
    SilentDialogs dialogs;
    Calculator calc(dialogs);
    for (auto _ : state) {
        const SettingsFile settings(file.path);
        readLikeStartUp(settings, calc);
    }
    state.counters["bytes"] = static_cast<double>(realisticKalkuloIni().size());
}
BENCHMARK(BM_ReadAtStartUp)->Unit(benchmark::kMicrosecond);

void BM_ParseOnly(benchmark::State& state) {
    const QByteArray bytes = realisticKalkuloIni();
    for (auto _ : state) benchmark::DoNotOptimize(IniFile::parse(bytes));
}
BENCHMARK(BM_ParseOnly)->Unit(benchmark::kMicrosecond);

// The shutdown: read again, write the calculator's keys and the four lists, commit atomically.
void BM_ShutdownCommit(benchmark::State& state) {
    FileOnDisk file;
    SilentDialogs dialogs;
    Calculator calc(dialogs);
    for (auto _ : state) {
        SettingsFile settings(file.path);
        CalculatorSettings(calc).save(settings.ini);
        for (const char16_t* list : {u"Waehrung", u"Kurse", u"Terms", u"Konstant"})
            settings.ini.writeList(list, settings.ini.readList(list));
        benchmark::DoNotOptimize(settings.commit());
    }
}
BENCHMARK(BM_ShutdownCommit)->Unit(benchmark::kMicrosecond);

#ifdef KALKULO_SETTINGS_BENCH_WINDOW
// Start-up as the main window runs it: the file read once, every owner loads, and the window takes
// the stored layout, formats, colours, the tax area and the Tape. Building the window is outside
// the clock; it is what a start without a file pays too.
void BM_ReadAndApplyAtStartUp(benchmark::State& state) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "settings_bench";
    static char* argv[] = {name, nullptr};
    static QApplication* application = new QApplication(argc, argv);
    benchmark::DoNotOptimize(application);
    FileOnDisk file;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(file.dir.path());
    SilentDialogs dialogs;
    for (auto _ : state) {
        state.PauseTiming();
        auto engines = std::make_unique<Engines>(dialogs);
        auto window = std::make_unique<TForm1>(*engines);
        auto session = std::make_unique<SettingsSession>(*engines, *window, dialogs, IniPath());
        state.ResumeTiming();
        session->start();
        state.PauseTiming();
        session.reset();
        window.reset();
        engines.reset();
        state.ResumeTiming();
    }
    QDir::setCurrent(previous);
}
BENCHMARK(BM_ReadAndApplyAtStartUp)->Unit(benchmark::kMicrosecond)->Iterations(40);
#endif

}  // namespace

BENCHMARK_MAIN();
