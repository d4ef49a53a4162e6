#pragma once
// The browser module, loaded the first time a page is wanted. It stays loaded until the program
// ends: a web engine cannot be unloaded.
#include <QString>

class QPluginLoader;
class WebBrowserFactory;

class WebBrowserModule {
public:
    static constexpr const char* FileName = "kalkulo_webbrowser.so";
    // The running program's module: beside it in the build folder, else in its installed folder
    // (see programfiles.h); where it would lie beside the program when it is in neither.
    static QString ofProgram();

    explicit WebBrowserModule(QString path);
    ~WebBrowserModule();
    WebBrowserModule(const WebBrowserModule&) = delete;
    WebBrowserModule& operator=(const WebBrowserModule&) = delete;

    // Loads on the first call; null when the module is missing or unusable, errorString() says why.
    WebBrowserFactory* factory();
    const QString& errorString() const { return error_; }

    // The browser engine refuses to start as root unless its sandbox is off; it reads the flags
    // from the environment when it loads.
    static void prepareEnvironment();

private:
    QString path_;
    QString error_;
    bool tried_ = false;
    QPluginLoader* loader_ = nullptr;
    WebBrowserFactory* factory_ = nullptr;
};
