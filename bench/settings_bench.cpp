// Reading the settings file at start, before the first paint: a realistic Kalkulo.ini of about
// 40 KB (Tape shown, tax panel open, "Blau", 40 currencies, 20 terms, three page groups and 30
// financial scenarios of other windows) read from the disk, parsed, and every [Config] key and
// list read as start-up does. Budget: well under 1 ms. Committing a shutdown transaction and
// parsing alone are measured beside it.
#include "core/calculator.h"
#include "core/calculatorsettings.h"
#include "core/settingsfile.h"
#include "tools/silentdialogs.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QByteArray realisticFile() {
    QByteArray f = "[Config]\r\nFarbe1=9667432\r\nFFarben=15135474\r\nDezimals=1\r\nBackground=3\r\nFelder=2\r\n"
                   "nk=3\r\nPosTop=120\r\nPosLeft=340\r\nerw=2\r\ntab=3\r\ncIndex1=4\r\ncIndex2=7\r\nErweitern=1\r\n"
                   "TextBox=0\r\nUmrandung=1\r\nTape=1\r\nKursIndex=5\r\nVST=0\r\n"
                   "SteuerListe=MwSt,\"erm. MwSt\",USt\r\nSteuerIndex=1\r\nFunktionsIndex=2\r\n"
                   "Steuern=19,\"7,5\",16\r\nd_form=1\r\naktiv=2\r\nSyntax=1\r\nw_einf=1\r\nwaehr=\x80\r\n"
                   "waehr1=USD\r\nForm3Width=800\r\nForm3Height=578\r\n";
    QByteArray waehrung = "[Waehrung]\r\n", kurse = "[Kurse]\r\n";
    for (int i = 0; i < 40; ++i) {
        const QByteArray n = QByteArray::number(i);
        waehrung += n + "=W\xE4hrung " + n + ",W" + n + "\r\n";
        kurse += n + "=" + QByteArray::number(1.0 + i * 0.0371, 'f', 4).replace('.', ',') + "\r\n";
    }
    QByteArray terms = "[Terms]\r\n", konstant = "[Konstant]\r\n";
    for (int i = 0; i < 20; ++i) {
        terms += QByteArray::number(i) + "=a*sin(b*x+" + QByteArray::number(i) + ")+c*x^2\r\n";
        konstant += QByteArray::number(i) + "=1,5;2;" + QByteArray::number(i) + "\r\n";
    }
    QByteArray pages;
    for (const char* group : {"Seiten", "Seiten2", "Seiten3"}) {
        pages += QByteArray("[") + group + "]\r\n";
        for (int i = 0; i < 8; ++i)
            pages += QByteArray::number(i) + "=https://www.example.org/rechnen/seite" + QByteArray::number(i) +
                     ".html\r\n";
    }
    QByteArray scenarios = "[Finanzrechner]\r\nSzenarien=30\r\n";
    for (int s = 0; s < 30; ++s) {
        scenarios += "[Baufinanzierung " + QByteArray::number(s) + "]\r\n";
        for (int k = 0; k < 45; ++k)
            scenarios += "Sondertilgung" + QByteArray::number(k) + "=" +
                         QByteArray::number(100000 + s * 1000 + k) + ",00\r\n";
    }
    return f + "\r\n" + waehrung + kurse + terms + konstant + pages + scenarios +
           "[FoerderAlt]\r\nKinder=2\r\n[FoerderNeu]\r\nKinder=2\r\n";
}

// Everything start-up reads from the file, in its order.
void readLikeStartUp(const SettingsFile& file, Calculator& calc) {
    const IniFile& ini = file.ini;
    const QString config = QStringLiteral("Config");
    int sum = ini.readInteger(config, u"Farbe1", 9667432) + ini.readInteger(config, u"FFarben", 15135474);
    for (const char16_t* key : {u"Background", u"Felder", u"posTop", u"posLeft", u"cIndex1", u"cIndex2",
                                u"SteuerIndex", u"FunktionsIndex"})
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
        if (f.open(QIODevice::WriteOnly)) f.write(realisticFile());
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
    state.counters["bytes"] = static_cast<double>(realisticFile().size());
}
BENCHMARK(BM_ReadAtStartUp)->Unit(benchmark::kMicrosecond);

void BM_ParseOnly(benchmark::State& state) {
    const QByteArray bytes = realisticFile();
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

}  // namespace

BENCHMARK_MAIN();
