#pragma once
// What the web pages window needs from an embedded browser: the five operations and the events
// it reports. The browser itself lives in a module loaded on first use, so that start-up never
// maps a web engine; tests drive the window through a fake.
#include <QString>
#include <QUrl>

class WebBrowserListener {
public:
    // Why a page could not be shown; the window turns it into plain German words.
    enum class LoadError { NoNetwork, HostNotFound, Refused, TimedOut, FileNotFound, Other };

    virtual ~WebBrowserListener() = default;
    virtual void statusTextChanged(const QString& text) = 0;
    virtual void progressChanged(int current, int maximum) = 0;
    // A page was reached; `address` is where the browser ended up (after redirects).
    virtual void navigationCompleted(const QString& address) = 0;
    virtual void documentCompleted(const QString& address) = 0;
    // `detail` is the browser's own error text, kept for the curious.
    virtual void loadFailed(const QString& address, LoadError error, const QString& detail) = 0;
};

class WebBrowser {
public:
    virtual ~WebBrowser() = default;
    virtual void setListener(WebBrowserListener* listener) = 0;
    virtual void navigate(const QUrl& address) = 0;
    virtual void goBack() = 0;
    virtual void goForward() = 0;
    virtual void stop() = 0;
    virtual void refresh() = 0;
    // True once a page (or a notice) is shown.
    virtual bool hasPage() const = 0;
    // The browser's own history; the window's buttons never offer a step it cannot take.
    virtual bool canGoBack() const = 0;
    virtual bool canGoForward() const = 0;
    // Shows a page of our own (the notice for a page that could not load); it is no navigation.
    virtual void showNotice(const QString& html) = 0;
};
