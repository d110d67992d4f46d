#include "WebBrowser.h"

#include "Twips.h"
#include "WebViewPlugin.h"
#include "files/RuntimeError.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPluginLoader>
#include <QUrl>

#include <unistd.h>

namespace runtime {

namespace {

QStringList s_pluginFolders;
bool s_searched = false;
WebViewPlugin* s_plugin = nullptr;

// Chromium refuses to run as root with its sandbox on and then ends the
// whole process, taking unsaved work in other windows with it. The program
// never turns the sandbox off itself; only the user's own switch does.
bool engineWouldEndProgram()
{
    return geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX");
}

} // namespace

WebBrowser::WebBrowser(QWidget* parent)
    : QWidget(parent)
{
    WebViewPlugin* engine = engineWouldEndProgram() ? nullptr : plugin();
    if (engine)
        m_view = engine->createView(this);
    if (!m_view) {
        m_note = new QLabel(this);
        m_note->setFrameShape(QFrame::StyledPanel);
        m_note->setWordWrap(true);
        m_note->setAlignment(Qt::AlignCenter);
        m_note->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
}

void WebBrowser::navigate(const QString& address)
{
    if (m_view) {
        plugin()->navigate(m_view, QUrl(address));
        return;
    }
    m_note->setText(tr("This page cannot be shown here.\nIts address is %1").arg(address));
}

void WebBrowser::setWidth(int twips)
{
    if (twips < 0)
        throw RuntimeError(QStringLiteral("Invalid property value"));
    resize(toPixels(twips), height());
}

void WebBrowser::setHeight(int twips)
{
    if (twips < 0)
        throw RuntimeError(QStringLiteral("Invalid property value"));
    resize(width(), toPixels(twips));
}

void WebBrowser::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_view)
        m_view->setGeometry(rect());
    else
        m_note->setGeometry(rect());
}

QStringList WebBrowser::pluginFolders()
{
    if (!s_pluginFolders.isEmpty())
        return s_pluginFolders;
    return {QCoreApplication::applicationDirPath(), QStringLiteral(SORVANE_PLUGIN_FOLDER)};
}

void WebBrowser::setPluginFolders(const QStringList& folders)
{
    s_pluginFolders = folders;
    // Searched again at the next browser. A plugin already loaded stays in
    // the process: the web engine cannot be unloaded.
    s_searched = false;
    s_plugin = nullptr;
}

WebViewPlugin* WebBrowser::plugin()
{
    if (s_searched)
        return s_plugin;
    s_searched = true;
    for (const QString& folder : pluginFolders()) {
        const QString file = QDir(folder).filePath(QStringLiteral(SORVANE_WEBENGINE_PLUGIN));
        if (!QFileInfo::exists(file))
            continue;
        // Never unloaded: the loader is let go, the library stays.
        auto* loader = new QPluginLoader(file, QCoreApplication::instance());
        s_plugin = qobject_cast<WebViewPlugin*>(loader->instance());
        if (s_plugin)
            break;
        qWarning("web engine plugin %s: %s", qPrintable(file), qPrintable(loader->errorString()));
    }
    return s_plugin;
}

} // namespace runtime
