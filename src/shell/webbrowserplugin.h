#pragma once
// The contract between Kalkulo and its web browser module. The module's root object implements
// WebBrowserFactory; everything crosses the boundary through these pure interfaces, so the module
// needs no symbol of the program.
#include "shell/webbrowser.h"

#include <QtPlugin>
#include <memory>

class QWidget;

// A browser that is also the widget showing its pages.
class WebBrowserView : public WebBrowser {
public:
    virtual QWidget* widget() = 0;
};

class WebBrowserFactory {
public:
    virtual ~WebBrowserFactory() = default;
    // The widget is a child of `parent`; null when the web engine cannot start.
    virtual WebBrowserView* createBrowser(QWidget* parent) = 0;
};

#define KalkuloWebBrowserFactory_iid "de.kalkulo.WebBrowserFactory/1"
Q_DECLARE_INTERFACE(WebBrowserFactory, KalkuloWebBrowserFactory_iid)
