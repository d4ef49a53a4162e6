// Renders the main window as it comes back from a stored Kalkulo.ini: snapshot_restart OUTPUT_FOLDER
// A long-time user's 40 KB file (Tape, tax area, "Blau", format 1 with 3 decimals), then a file
// with own background and field colours and the function area.
#include "bench/realisticini.h"
#include "shell/appcontext.h"
#include "shell/tform1.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {
void save(TForm1& window, const QString& folder, const QString& name) {
    window.render();
    window.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

// Starts Kalkulo in `workingFolder` holding `ini`, shows it, and saves its first picture and one
// after 12 + 5 =.
void restart(const QString& workingFolder, const QByteArray& ini, const QString& folder, const QString& name) {
    QFile file(QDir(workingFolder).filePath(QStringLiteral("Kalkulo.ini")));
    if (file.open(QIODevice::WriteOnly)) file.write(ini);
    file.close();
    QDir::setCurrent(workingFolder);
    AppContext context;
    TForm1& window = context.mainWindow();
    window.show();
    save(window, folder, name);
    for (QPushButton* k : {window.Button1, window.Button2, window.Button14, window.Button5, window.Button16})
        QTest::mouseClick(k, Qt::LeftButton);
    save(window, folder, name + QStringLiteral("-12plus5"));
}
}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString folder =
        QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("snapshots")).absolutePath();
    QDir().mkpath(folder);
    QTemporaryDir first, second;
    restart(first.path(), realisticKalkuloIni(), folder, QStringLiteral("restart-40k"));
    restart(second.path(),
            "[Config]\r\nBackground=4\r\nFarbe1=11193702\r\nFelder=4\r\nFFarben=13434879\r\nErweitern=1\r\nerw=3\r\n"
            "Dezimals=3\r\nwaehr=DM\r\n",
            folder, QStringLiteral("restart-own-colours"));
    return 0;
}
