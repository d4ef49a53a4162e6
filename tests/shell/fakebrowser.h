#pragma once
// A browser without a network: it keeps a history of the addresses it was sent to and reports
// each step as completed at once, unless told that an address fails.
#include "shell/webbrowserplugin.h"

#include <QSet>
#include <QStringList>
#include <QWidget>

class FakeBrowser : public QWidget, public WebBrowserView {
public:
    explicit FakeBrowser(QWidget* parent) : QWidget(parent) {}

    QStringList history;
    int current = -1;
    QStringList calls;      // "stop", "refresh", what else was asked
    QString notice;         // the last page of our own
    QSet<QString> failing;  // addresses that cannot load
    WebBrowserListener* listener = nullptr;

    QWidget* widget() override { return this; }
    void setListener(WebBrowserListener* l) override { listener = l; }
    void navigate(const QUrl& address) override {
        const QString text = address.toString();
        calls << QStringLiteral("navigate ") + text;
        if (failing.contains(text)) {
            if (listener) listener->loadFailed(text, WebBrowserListener::LoadError::HostNotFound, QStringLiteral("x"));
            return;
        }
        history = history.mid(0, current + 1);
        history << text;
        current = int(history.size()) - 1;
        complete();
    }
    void goBack() override {
        calls << QStringLiteral("back");
        if (current > 0) --current, complete();
    }
    void goForward() override {
        calls << QStringLiteral("forward");
        if (current + 1 < history.size()) ++current, complete();
    }
    void stop() override { calls << QStringLiteral("stop"); }
    void refresh() override { calls << QStringLiteral("refresh"); }
    bool hasPage() const override { return current >= 0 || !notice.isEmpty(); }
    bool canGoBack() const override { return current > 0; }
    bool canGoForward() const override { return current + 1 < history.size(); }
    void showNotice(const QString& html) override { notice = html; }

private:
    void complete() {
        if (!listener) return;
        listener->progressChanged(50, 100);
        listener->navigationCompleted(history[current]);
        listener->documentCompleted(history[current]);
    }
};

class FakeBrowserFactory : public WebBrowserFactory {
public:
    FakeBrowser* browser = nullptr;
    WebBrowserView* createBrowser(QWidget* parent) override { return browser = new FakeBrowser(parent); }
};
