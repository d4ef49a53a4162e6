#include "core/settingsfile.h"
#include "support/qtprinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

mode_t modeOf(const QString& path) {
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 07777;
}

class FailingRename : public SettingsFile {
public:
    using SettingsFile::SettingsFile;

protected:
    bool replaceFile(const QString&, const QString&, QString& reason) override {
        reason = QStringLiteral("der Datenträger ist voll");
        return false;
    }
};

const QByteArray Old = "[Config]\r\nnk=4\r\n[Szenario 1]\r\nBetrag=100000\r\n";

}  // namespace

TEST(SettingsFile, IniPathIsTheWorkingDirectoryAndKalkuloIni) {
    const std::pair<const char*, const char*> rows[] = {
        {"/home/anna/Rechnen/2024", "/home/anna/Rechnen/2024/Kalkulo.ini"},
        {"/", "/Kalkulo.ini"},
        {"/daten/", "/daten/Kalkulo.ini"},
    };
    for (const auto& [dir, path] : rows) EXPECT_EQ(iniPathIn(dir), path) << dir;

    QTemporaryDir tmp;
    const QString nested = tmp.path() + QStringLiteral("/a/b");
    ASSERT_TRUE(QDir().mkpath(nested));
    const QString before = QDir::currentPath();
    QDir::setCurrent(nested);
    EXPECT_EQ(IniPath(), QDir(nested).canonicalPath() + QStringLiteral("/Kalkulo.ini"));
    QDir::setCurrent(QStringLiteral("/"));
    EXPECT_EQ(IniPath(), QStringLiteral("/Kalkulo.ini"));
    QDir::setCurrent(before);
}

TEST(SettingsFile, AnUnreadableFileIsReportedAndNeverReplaced) {
    const struct {
        const char* name;
        void (*make)(const QString& path);
        const char* reason;
    } rows[] = {
        {"a folder", [](const QString& p) { QDir().mkdir(p); }, "es ist ein Ordner"},
        {"NUL bytes", [](const QString& p) { put(p, QByteArray("[Config]\r\nnk=2\r\n\0\0", 18)); },
         "sie enthält Null-Bytes"},
        {"over 4 MiB", [](const QString& p) { put(p, "[Config]\r\n" + QByteArray(SettingsFile::MaxSize, ';')); },
         "sie ist größer als 4 MiB"},
        {"no access",
         [](const QString& p) {
             put(p, Old);
             QFile::setPermissions(p, QFileDevice::WriteOwner);
         },
         "keine Leseberechtigung"},
    };
    for (const auto& row : rows) {
        if (row.reason == std::string_view("keine Leseberechtigung") && ::geteuid() == 0) continue;  // root reads all
        QTemporaryDir tmp;
        const QString path = tmp.filePath(QStringLiteral("Kalkulo.ini"));
        row.make(path);
        const QByteArray before = contents(path);
        SettingsFile file(path);
        EXPECT_EQ(file.state(), SettingsFile::State::Unreadable) << row.name;
        EXPECT_TRUE(file.firstRun()) << row.name;
        EXPECT_EQ(file.reason(), QString::fromUtf8(row.reason)) << row.name;
        file.ini.writeInteger(u"Config", u"nk", 2);
        EXPECT_FALSE(file.commit()) << row.name;
        const QString refused = QStringLiteral("die Datei kann nicht gelesen werden: ") + QString::fromUtf8(row.reason);
        EXPECT_EQ(file.reason(), refused) << row.name;
        EXPECT_EQ(contents(path), before) << row.name;
        EXPECT_EQ(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 1);
    }
    EXPECT_EQ(settingsUnreadableMessage(QStringLiteral("/a/Kalkulo.ini"), QStringLiteral("es ist ein Ordner")),
              QStringLiteral("Die Einstellungsdatei /a/Kalkulo.ini kann nicht gelesen werden (es ist ein Ordner). "
                             "Kalkulo startet mit den Grundeinstellungen; die Datei bleibt unverändert."));
}

TEST(SettingsFile, AFailingRenameKeepsTheOldFileAndLeavesNoTemporaryFile) {
    QTemporaryDir tmp;
    const QString path = tmp.filePath(QStringLiteral("Kalkulo.ini"));
    put(path, Old);
    FailingRename file(path);
    file.ini.writeInteger(u"Config", u"nk", 2);
    EXPECT_FALSE(file.commit());
    EXPECT_EQ(contents(path), Old);
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Kalkulo.ini")});
    EXPECT_EQ(settingsNotSavedMessage(path, file.reason()),
              QStringLiteral("Die Einstellungen konnten nicht in %1 gespeichert werden (der Datenträger ist voll). "
                             "Die bisherige Datei bleibt unverändert.")
                  .arg(path));
}

TEST(SettingsFile, CommitsKeepOtherWritersKeysPermissionsAndLinks) {
    QTemporaryDir tmp;
    const QString real = tmp.filePath(QStringLiteral("echt/Kalkulo.ini"));
    const QString link = tmp.filePath(QStringLiteral("Kalkulo.ini"));
    QDir().mkdir(tmp.filePath(QStringLiteral("echt")));
    put(real, Old);
    ::chmod(QFile::encodeName(real).constData(), 0640);
    ASSERT_TRUE(QFile::link(QStringLiteral("echt/Kalkulo.ini"), link));

    SettingsFile shutdown(link);
    ASSERT_EQ(shutdown.state(), SettingsFile::State::Read);
    EXPECT_FALSE(shutdown.firstRun());
    shutdown.ini.writeString(u"Config", u"waehr", QStringLiteral("€"));
    shutdown.ini.writeInteger(u"Config", u"Dezimals", 2);
    // Another window commits its own section between this transaction's read and its commit
    // would lose it; transactions are therefore short: read, change, commit.
    ASSERT_TRUE(shutdown.commit());
    SettingsFile finance(link);
    finance.ini.writeInteger(u"Finanzrechner", u"Laufzeit", 10);
    ASSERT_TRUE(finance.commit());

    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(modeOf(real), 0640u);
    EXPECT_EQ(contents(real),
              "[Config]\r\nnk=4\r\nDezimals=2\r\nwaehr=\x80\r\n[Szenario 1]\r\nBetrag=100000\r\n"
              "[Finanzrechner]\r\nLaufzeit=10\r\n");

    const QString fresh = tmp.filePath(QStringLiteral("neu/Kalkulo.ini"));
    QDir().mkdir(tmp.filePath(QStringLiteral("neu")));
    SettingsFile first(fresh);
    EXPECT_EQ(first.state(), SettingsFile::State::Missing);
    EXPECT_TRUE(first.firstRun());
    EXPECT_TRUE(first.commit());
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(modeOf(fresh), 0666u & ~mask);
}
