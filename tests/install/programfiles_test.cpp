// Where the program finds its help page and browser module: beside it in the build folder, or in
// the installed folders relative to bin/, whatever the prefix. The installed tree's own start is
// checked end to end by the install tests.
#include "shell/programfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using programfiles::Kind;

// "$bin", "$data" and "$modules" stand for the install folders under a prefix, as CMake names them.
QString placed(const char* path) {
    return QString::fromUtf8(path)
        .replace(QStringLiteral("$bin"), QStringLiteral(KALKULO_TEST_BINDIR))
        .replace(QStringLiteral("$data"), QStringLiteral(KALKULO_TEST_DATADIR))
        .replace(QStringLiteral("$modules"), QStringLiteral(KALKULO_TEST_MODULEDIR));
}

void touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

struct Layout {
    const char* name;
    const char* program;             // the program's folder, relative to the tree
    std::vector<const char*> files;  // files that exist, relative to the tree
    const char* wanted;
    Kind kind;
    const char* found;  // relative to the tree; empty: none
};

class ProgramFilesTest : public ::testing::TestWithParam<Layout> {};

TEST_P(ProgramFilesTest, FindsTheFirstCopyInOrder) {
    const Layout& row = GetParam();
    QTemporaryDir tree;
    const QDir root(tree.path());
    for (const char* file : row.files) touch(root.filePath(placed(file)));
    const QString found =
        programfiles::find(root.filePath(placed(row.program)), QString::fromUtf8(row.wanted), row.kind);
    const QString expected = *row.found ? QFileInfo(root.filePath(placed(row.found))).absoluteFilePath() : QString();
    EXPECT_EQ(found.toStdString(), expected.toStdString()) << row.name;
}

const char* const Help = "hilfe.htm";
const char* const Module = "kalkulo_webbrowser.so";

INSTANTIATE_TEST_SUITE_P(
    Layouts, ProgramFilesTest,
    ::testing::Values(
        Layout{"InstalledModuleInTheModuleFolder",
               "usr/$bin",
               {"usr/$modules/kalkulo_webbrowser.so"},
               Module,
               Kind::Module,
               "usr/$modules/kalkulo_webbrowser.so"},
        Layout{"BesideTheProgramComesFirst",
               "usr/$bin",
               {"usr/$bin/hilfe.htm", "usr/$data/hilfe.htm"},
               Help,
               Kind::Data,
               "usr/$bin/hilfe.htm"},
        Layout{"HelpIsNotLookedForInTheModuleFolder", "usr/$bin", {"usr/$modules/hilfe.htm"}, Help, Kind::Data, ""},
        Layout{"AFolderOfThatNameIsNoFile", "usr/$bin", {"usr/$data/hilfe.htm/x"}, Help, Kind::Data, ""},
        Layout{"AnotherPrefixFindsOnlyItsOwnCopy",
               "opt/b/$bin",
               {"opt/a/$data/hilfe.htm", "opt/b/$data/hilfe.htm"},
               Help,
               Kind::Data,
               "opt/b/$data/hilfe.htm"}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
