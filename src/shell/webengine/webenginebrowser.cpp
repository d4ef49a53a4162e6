// The browser module: QtWebEngine behind the WebBrowser interface. Built apart from the program
// and loaded on first use, so the program itself never maps the web engine.
#include "shell/webbrowserplugin.h"

#include <QFileInfo>
#include <QLibraryInfo>
#include <QGuiApplication>
#include <QObject>
#include <QOpenGLContext>
#include <QWebEngineLoadingInfo>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>

// Qt's own hook for the context that all OpenGL contexts of the process share.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
Q_GUI_EXPORT QOpenGLContext* qt_gl_global_share_context();

namespace {
using LoadError = WebBrowserListener::LoadError;

// The engine's network error numbers that the window explains in its own words.
LoadError loadErrorOf(int code) {
    switch (code) {
    case -106:
    case -21:
    case -109: return LoadError::NoNetwork;  // disconnected, changed, unreachable
    case -105:
    case -137: return LoadError::HostNotFound;  // name not resolved
    case -102: return LoadError::Refused;
    case -7:
    case -118: return LoadError::TimedOut;
    case -6: return LoadError::FileNotFound;
    default: return LoadError::Other;
    }
}

constexpr int kAborted = -3;  // a load the user stopped or replaced: no failure

// Links that ask for a new window open in this one.
class SameWindowPage : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;

protected:
    QWebEnginePage* createWindow(WebWindowType) override { return this; }
};

class WebEngineBrowser : public QWebEngineView, public WebBrowserView {
public:
    explicit WebEngineBrowser(QWidget* parent) : QWebEngineView(parent) {
        auto* page = new SameWindowPage(this);
        setPage(page);
        // Our own notice replaces the engine's error page.
        page->settings()->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
        connect(this, &QWebEngineView::loadProgress, this, [this](int percent) {
            if (listener_ && !showingNotice_) listener_->progressChanged(percent, 100);
        });
        connect(page, &QWebEnginePage::linkHovered, this, [this](const QString& url) {
            if (listener_) listener_->statusTextChanged(url);
        });
        connect(page, &QWebEnginePage::loadingChanged, this,
                [this](const QWebEngineLoadingInfo& info) { loadingChanged(info); });
    }

    QWidget* widget() override { return this; }
    void setListener(WebBrowserListener* listener) override { listener_ = listener; }
    void navigate(const QUrl& address) override {
        showingNotice_ = false;
        load(address);
    }
    void goBack() override { back(); }
    void goForward() override { forward(); }
    void stop() override { QWebEngineView::stop(); }
    void refresh() override {
        if (failed_.isValid()) navigate(failed_);
        else reload();
    }
    bool hasPage() const override { return hasPage_; }
    bool canGoBack() const override { return history()->canGoBack(); }
    bool canGoForward() const override { return history()->canGoForward(); }
    void showNotice(const QString& html) override {
        showingNotice_ = true;
        hasPage_ = true;
        setHtml(html);
    }

private:
    void loadingChanged(const QWebEngineLoadingInfo& info) {
        if (!listener_ || info.url().scheme() == QLatin1String("data")) return;
        const QString address = info.url().toString();
        switch (info.status()) {
        case QWebEngineLoadingInfo::LoadSucceededStatus:
            hasPage_ = true;
            failed_.clear();
            listener_->navigationCompleted(address);
            listener_->documentCompleted(address);
            break;
        case QWebEngineLoadingInfo::LoadFailedStatus:
            if (info.errorCode() == kAborted) break;
            failed_ = info.url();
            listener_->loadFailed(address, loadErrorOf(info.errorCode()), info.errorString());
            break;
        default: break;
        }
    }

    WebBrowserListener* listener_ = nullptr;
    QUrl failed_;
    bool hasPage_ = false;
    bool showingNotice_ = false;
};
}  // namespace

// The web engine composes its pages in a context shared with the application's. Programs that
// link it set that up before their application object exists; Kalkulo does not, because under X
// that would create an OpenGL context before its first paint. So the module sets it up itself,
// once, when the first browser is wanted and no other OpenGL context exists yet. As the
// application object would, it installs the context even when it cannot be created (no display
// with OpenGL): the engine then draws in software.
void shareOpenGLContexts() {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (qt_gl_global_share_context()) return;
    auto* context = new QOpenGLContext(qApp);
    context->create();
    qt_gl_set_global_share_context(context);
}

class WebEngineBrowserFactory : public QObject, public WebBrowserFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID KalkuloWebBrowserFactory_iid)
    Q_INTERFACES(WebBrowserFactory)
public:
    WebBrowserView* createBrowser(QWidget* parent) override {
        // Without its helper process the engine would show nothing at all.
        const QString helper =
            QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath) + QStringLiteral("/QtWebEngineProcess");
        if (!QFileInfo(helper).isExecutable() && qEnvironmentVariableIsEmpty("QTWEBENGINEPROCESS_PATH")) return nullptr;
        shareOpenGLContexts();
        return new WebEngineBrowser(parent);
    }
};

#include "webenginebrowser.moc"
