#include "shell/applicationsetup.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QNetworkProxyFactory>
#include <QTranslator>

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/" KALKULO_ID ".png").arg(size), QSize(size, size));
    return icon;
}

void setUpApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Kalkulo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kalkulo"));
    // The desktop entry's name: Wayland compositors match the window to its menu entry and icon by it.
    QGuiApplication::setDesktopFileName(QStringLiteral(KALKULO_ID));
    QApplication::setWindowIcon(programIcon());
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    // Offices often reach the internet only through a proxy; the reference-rate download takes
    // the one the desktop or the environment names, as the browser does.
    QNetworkProxyFactory::setUseSystemConfiguration(true);
}
