// Start-up time and resident memory of Kalkulo against a minimal Qt Widgets window,
// measured alternately in the same run: startup_bench MINIMAL KALKULO [RUNS]
// Twice: a first run (an empty working directory) and a restart with a 40 KB Kalkulo.ini of a
// long-time user (Tape, tax area, "Blau", 30 financial scenarios of other windows).
#include "realisticini.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
struct Sample {
    double milliseconds;
    double cpuMilliseconds;  // user + system: steadier than the wall clock on a busy machine
    long maxRssKb;
};

double milliseconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
}

Sample runOnce(const char* program) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        freopen("/dev/null", "w", stderr);  // platform chatter is not part of the measurement
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", program);
        std::exit(1);
    }
    return {std::chrono::duration<double, std::milli>(end - start).count(),
            milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime), usage.ru_maxrss};
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
// Both programs alternately, `runs` times each, in the current working directory.
void compare(const char* scene, const char* minimal, const char* kalkulo, int runs) {
    runOnce(minimal);  // warm the file cache for both
    runOnce(kalkulo);
    std::vector<double> minimalMs, kalkuloMs, minimalCpu, kalkuloCpu, minimalRss, kalkuloRss;
    for (int i = 0; i < runs; ++i) {
        const Sample a = runOnce(minimal);
        const Sample b = runOnce(kalkulo);
        minimalMs.push_back(a.milliseconds);
        kalkuloMs.push_back(b.milliseconds);
        minimalCpu.push_back(a.cpuMilliseconds);
        kalkuloCpu.push_back(b.cpuMilliseconds);
        minimalRss.push_back(static_cast<double>(a.maxRssKb));
        kalkuloRss.push_back(static_cast<double>(b.maxRssKb));
    }
    const double tMin = median(minimalMs), tKal = median(kalkuloMs);
    const double rMin = median(minimalRss), rKal = median(kalkuloRss);
    const double cMin = median(minimalCpu), cKal = median(kalkuloCpu);
    std::printf("%s\n", scene);
    std::printf("  start-up to first paint (median of %d): minimal %.1f ms, Kalkulo %.1f ms, ratio %.2f\n", runs, tMin,
                tKal, tKal / tMin);
    std::printf("  processor time (user + system):       minimal %.1f ms, Kalkulo %.1f ms, ratio %.2f\n", cMin, cKal,
                cKal / cMin);
    std::printf("  resident memory (max RSS):            minimal %.0f KiB, Kalkulo %.0f KiB, ratio %.2f\n", rMin, rKal,
                rKal / rMin);
}
}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s MINIMAL KALKULO [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 15;
    const QByteArray minimal = QFile::encodeName(QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath());
    const QByteArray kalkulo = QFile::encodeName(QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath());
    const QString previous = QDir::currentPath();
    QTemporaryDir firstRun, restart;
    QDir::setCurrent(firstRun.path());
    compare("first run (no Kalkulo.ini)", minimal.constData(), kalkulo.constData(), runs);
    QFile ini(restart.filePath(QStringLiteral("Kalkulo.ini")));
    if (!ini.open(QIODevice::WriteOnly) || ini.write(realisticKalkuloIni()) < 0) return 1;
    ini.close();
    QDir::setCurrent(restart.path());
    char scene[80];
    std::snprintf(scene, sizeof scene, "restart with a %lld-byte Kalkulo.ini", static_cast<long long>(ini.size()));
    compare(scene, minimal.constData(), kalkulo.constData(), runs);
    QDir::setCurrent(previous);
    return 0;
}
