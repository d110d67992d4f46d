#include "runtime/WebViewPlugin.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QObject>
#include <QOpenGLContext>
#include <QQuickWindow>
#include <QUrl>
#include <QWebEngineView>

// Qt-private, from Qt GUI: the context that every OpenGL context of the
// process shares its resources with. The web engine reads it when it starts
// and crashes when there is none. Qt makes it at start-up only when
// Qt::AA_ShareOpenGLContexts is set before the application, which would cost
// every start of the program; it is made here instead, before the first
// view. Nothing outside this plugin uses these.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
Q_GUI_EXPORT QOpenGLContext* qt_gl_global_share_context();

namespace {

QOpenGLContext* s_shareContext = nullptr;
bool s_engineStarted = false;

void deleteShareContext()
{
    qt_gl_set_global_share_context(nullptr);
    delete s_shareContext;
    s_shareContext = nullptr;
}

// Registers the shared context once. Without OpenGL (a headless display)
// the context cannot be created: it is registered all the same, the engine
// then finds OpenGL disabled and draws in software, and so must Qt Quick,
// in which the engine's view is drawn.
void ensureShareContext()
{
    if (qt_gl_global_share_context())
        return;
    s_shareContext = new QOpenGLContext;
    if (!s_shareContext->create())
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    qt_gl_set_global_share_context(s_shareContext);
    qAddPostRoutine(deleteShareContext);
}

// The engine starts its pages in a helper program, which it looks for once,
// when its first view is made, and ends the whole process when it finds none
// (a broken install, or QTWEBENGINEPROCESS_PATH pointing nowhere). It is
// looked for here first, where the engine will look: the path that variable
// names when it is set, otherwise Qt's folders for programs and then the
// program's own folder; the first file found there is the one it starts.
bool helperProcessFound()
{
    const QString helper = QStringLiteral("QtWebEngineProcess");
    const QString fromEnvironment = qEnvironmentVariable("QTWEBENGINEPROCESS_PATH");
    const QStringList candidates = !fromEnvironment.isEmpty()
        ? QStringList{fromEnvironment}
        : QStringList{QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath) + QLatin1Char('/') + helper,
                      QLibraryInfo::path(QLibraryInfo::BinariesPath) + QLatin1Char('/') + helper,
                      QCoreApplication::applicationDirPath() + QLatin1Char('/') + helper};
    for (const QString& candidate : candidates) {
        const QFileInfo file(candidate);
        if (file.exists())
            return file.isFile() && file.isExecutable();
    }
    return false;
}

} // namespace

class WebEnginePlugin : public QObject, public runtime::WebViewPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID SorvaneWebViewPlugin_iid)
    Q_INTERFACES(runtime::WebViewPlugin)

public:
    QWidget* createView(QWidget* parent) override
    {
        if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
            return nullptr;
        if (!s_engineStarted && !helperProcessFound())
            return nullptr;
        s_engineStarted = true;
        ensureShareContext();
        // The engine's default page and settings: a link that would open a
        // new window gets none, so it is ignored.
        return new QWebEngineView(parent);
    }

    void navigate(QWidget* view, const QUrl& address) override
    {
        static_cast<QWebEngineView*>(view)->setUrl(address);
    }
};

#include "WebEnginePlugin.moc"
