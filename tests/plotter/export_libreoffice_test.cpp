// LibreOffice reads the exported graph document: the picture paragraph, then the typed text.
#include "core/calculator.h"
#include "plotter/plotter.h"
#include "support/scripteddialogs.h"
#include "tape/documentlauncher.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

struct Panel : PlotterFunctionSource {
    QString currentFormula() const override { return QStringLiteral("x^2"); }
};

struct NoLauncher : DocumentLauncher {
    bool open(const QString&) override { return true; }
};

// Converts with a profile of its own; the first start after installation may only set up
// LibreOffice and exit without converting, so a missing output is tried once more.
QByteArray convertToText(const QString& soffice, const QString& profile, const QString& folder, const QString& input) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(soffice,
                {QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(profile).toString(),
                 QStringLiteral("--headless"), QStringLiteral("--norestore"), QStringLiteral("--convert-to"),
                 QStringLiteral("txt:Text (encoded):UTF8"), QStringLiteral("--outdir"), folder, input});
        if (!p.waitForFinished(180000)) {
            p.kill();
            p.waitForFinished();
            return {};
        }
        QFile out(QDir(folder).filePath(QStringLiteral("Temp.txt")));
        if (out.open(QIODevice::ReadOnly)) return out.readAll();
    }
    return {};
}

TEST(ExportToLibreOffice, ReadsPictureAndText) {
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty()) GTEST_SKIP() << "soffice is not installed";
    QTemporaryDir work, profile;
    ScriptedDialogs dialogs;
    Calculator calc(dialogs);
    Panel panel;
    NoLauncher launcher;
    Plotter plot(calc, dialogs);
    plot.setFunctionSource(&panel);
    plot.setLauncher(&launcher);
    plot.StartDirectory = work.path();
    plot.ShowFunctionLabels();
    calc.PanelFunction = 7;
    calc.Operand1Text = calc.Label1 = QStringLiteral("3");
    calc.Label3 = QStringLiteral("9");
    plot.DrawGraph();
    plot.ExportClick();
    ASSERT_TRUE(dialogs.shown.isEmpty()) << dialogs.last().toStdString();

    QByteArray bytes = convertToText(soffice, profile.path(), work.path(), QDir(work.path()).filePath("Temp.fodt"));
    ASSERT_FALSE(bytes.isEmpty()) << "LibreOffice converted nothing";
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
    QStringList lines = QString::fromUtf8(bytes).split(QRegularExpression(QStringLiteral("\r\n|\n")));
    while (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(lines.first().trimmed().isEmpty()) << "the picture paragraph has no text";
    lines.removeFirst();
    EXPECT_EQ(lines, QStringList({"x = 3Term: x^2", "", "f(x) = 9"}));
}

}  // namespace
