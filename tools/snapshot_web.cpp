// Renders the web pages window (each group, the help page, the notice of a page that cannot load,
// no browser at all), the about box and the metric prefixes to PNG files in the given folder.
// Pages are shown by a plain text browser: the snapshot needs no web engine and no network.
#include "shell/aboutbox.h"
#include "shell/referencetexts.h"
#include "shell/tform3.h"
#include "shell/webbrowserplugin.h"
#include "silentdialogs.h"

#include <QApplication>
#include <QDir>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>

namespace {
class TextBrowser : public QTextBrowser, public WebBrowserView {
public:
    using QTextBrowser::QTextBrowser;
    QWidget* widget() override { return this; }
    void setListener(WebBrowserListener* listener) override { listener_ = listener; }
    void navigate(const QUrl& address) override {
        if (!address.isLocalFile()) {
            listener_->loadFailed(address.toString(), WebBrowserListener::LoadError::HostNotFound,
                                  QStringLiteral("net::ERR_NAME_NOT_RESOLVED"));
            return;
        }
        setSource(address);
        listener_->progressChanged(100, 100);
        listener_->navigationCompleted(address.toString());
        listener_->documentCompleted(address.toString());
    }
    void goBack() override { backward(); }
    void goForward() override { forward(); }
    void stop() override {}
    void refresh() override { reload(); }
    bool hasPage() const override { return true; }
    bool canGoBack() const override { return isBackwardAvailable(); }
    bool canGoForward() const override { return isForwardAvailable(); }
    void showNotice(const QString& html) override { setHtml(html); }

private:
    WebBrowserListener* listener_ = nullptr;
};

class TextBrowserFactory : public WebBrowserFactory {
public:
    WebBrowserView* createBrowser(QWidget* parent) override { return new TextBrowser(parent); }
};

void save(QWidget& widget, const QString& folder, const char* name) {
    widget.grab().save(QDir(folder).filePath(QString::fromLatin1(name)));
}
}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);
    SilentDialogs dialogs;
    TextBrowserFactory factory;
    WebWindowSetup setup;
    setup.startDirectory = QDir::tempPath();
    setup.programDirectory = QStringLiteral(KALKULO_HELP_FOLDER);
    setup.iniPath = QDir::temp().filePath(QStringLiteral("kalkulo-snapshot-web.ini"));
    QFile::remove(setup.iniPath);
    setup.windowColour = QColor(0x68, 0x83, 0x93);
    setup.fieldColour = QColor(0xff, 0xff, 0xe1);
    setup.groupTextColour = Qt::white;

    {
        TForm3 form(dialogs, &factory, setup, 1);
        form.setAttribute(Qt::WA_DeleteOnClose, false);
        form.show();
        for (int group = 1; group <= 3; ++group) {
            form.OpenGroup(group);
            save(form, out, group == 1 ? "web_group1.png" : group == 2 ? "web_group2.png" : "web_group3.png");
        }
        form.ShowHelp(QStringLiteral("#Funktionen"));
        save(form, out, "web_help.png");
        form.OpenGroup(3);
        form.Button1->click();
        save(form, out, "web_notice.png");
    }
    {
        TForm3 form(dialogs, nullptr, setup, 2);
        form.setAttribute(Qt::WA_DeleteOnClose, false);
        form.resize(640, 300);
        form.OpenGroup(2);
        form.show();
        save(form, out, "web_nobrowser.png");
    }
    TAboutBox about;
    about.show();
    save(about, out, "about.png");
    QMessageBox prefixes(QMessageBox::NoIcon, QStringLiteral("Kalkulo"),
                         metricPrefixesText(QFontMetricsF(QApplication::font("QMessageBox"))));
    prefixes.addButton(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    prefixes.show();
    save(prefixes, out, "prefixes.png");
    QFile::remove(setup.iniPath);
    return 0;
}
