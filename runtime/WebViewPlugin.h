#pragma once

#include <QtPlugin>

class QUrl;
class QWidget;

namespace runtime {

// What the web-engine plugin offers the program. The program never links
// the web engine: the browser control loads the plugin the first time a
// window with a browser opens, so a run that shows no page pays nothing.
class WebViewPlugin
{
public:
    virtual ~WebViewPlugin() = default;
    // A browser view as a child of `parent`, or nullptr when the engine
    // cannot start here.
    virtual QWidget* createView(QWidget* parent) = 0;
    virtual void navigate(QWidget* view, const QUrl& address) = 0;
};

} // namespace runtime

#define SorvaneWebViewPlugin_iid "org.sorvane.WebViewPlugin/1"
Q_DECLARE_INTERFACE(runtime::WebViewPlugin, SorvaneWebViewPlugin_iid)
