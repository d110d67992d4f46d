#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QLabel;

namespace runtime {

class WebViewPlugin;

// The web browser control: a page shown by the web engine, which lives in
// a plugin loaded the first time a browser is made. Where the engine cannot
// be used (no plugin, no engine library, or an engine that would end the
// program), the control shows a short note with the page's address instead.
class WebBrowser : public QWidget
{
    Q_OBJECT
public:
    explicit WebBrowser(QWidget* parent);

    void navigate(const QString& address);
    // Sizes in twips; a negative size fails.
    void setWidth(int twips);
    void setHeight(int twips);

    // The engine's view, or nullptr when the note stands in its place.
    QWidget* view() const { return m_view; }
    QLabel* note() const { return m_note; }

    // Folders searched for the plugin, in order: the program's own folder,
    // then the folder the plugin was built into. Tests point it elsewhere;
    // an empty list restores the default.
    static QStringList pluginFolders();
    static void setPluginFolders(const QStringList& folders);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    static WebViewPlugin* plugin();

    QWidget* m_view = nullptr;
    QLabel* m_note = nullptr;
};

} // namespace runtime
