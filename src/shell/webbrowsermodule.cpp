#include "shell/webbrowsermodule.h"

#include "shell/programfiles.h"
#include "shell/webbrowserplugin.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>
#include <unistd.h>

QString WebBrowserModule::ofProgram() {
    const QString name = QString::fromLatin1(FileName);
    const QString found = programfiles::find(name, programfiles::Kind::Module);
    return found.isEmpty() ? QDir(QCoreApplication::applicationDirPath()).filePath(name) : found;
}

WebBrowserModule::WebBrowserModule(QString path) : path_(std::move(path)) {}

// The loader is left alive and loaded on purpose (see the class comment).
WebBrowserModule::~WebBrowserModule() = default;

void WebBrowserModule::prepareEnvironment() {
    if (geteuid() != 0) return;
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (flags.contains("--no-sandbox")) return;
    if (!flags.isEmpty()) flags += ' ';
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags + "--no-sandbox");
}

WebBrowserFactory* WebBrowserModule::factory() {
    if (tried_) return factory_;
    tried_ = true;
    if (!QFileInfo(path_).isFile()) {
        error_ = QStringLiteral("Das Modul %1 fehlt.").arg(path_);
        return nullptr;
    }
    prepareEnvironment();
    loader_ = new QPluginLoader(path_);
    QObject* root = loader_->instance();
    factory_ = root ? qobject_cast<WebBrowserFactory*>(root) : nullptr;
    if (!factory_) error_ = loader_->errorString();
    return factory_;
}
