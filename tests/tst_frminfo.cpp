#include "runtime/Twips.h"
#include "runtime/WebBrowser.h"
#include "shell/frmInfo.h"
#include "shell/frmMain.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <unistd.h>

using namespace runtime;

namespace {

const QString ForumPage = QStringLiteral("https://example.org/sorvane");

// Whether a web-engine library is mapped into this process.
bool webEngineMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return true; // cannot tell: fail the "not loaded" checks
    return maps.readAll().contains("libQt6WebEngine");
}

// The browser controls of these tests show the note: no plugin is found.
class NoPlugin
{
public:
    NoPlugin() { WebBrowser::setPluginFolders({m_empty.path()}); }
    ~NoPlugin() { WebBrowser::setPluginFolders({}); }

private:
    QTemporaryDir m_empty;
};

} // namespace

class TestFrmInfo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void engineLoadsOnlyAtForum();
    void browserFollowsWindow_data();
    void browserFollowsWindow();
    void noteInPlaceOfPage_data();
    void noteInPlaceOfPage();
    void forumTwiceGivesOneWindow();
};

// Runs first: nothing before it may have loaded the engine.
void TestFrmInfo::engineLoadsOnlyAtForum()
{
    if (qEnvironmentVariableIsSet("SORVANE_SANITIZED"))
        QSKIP("the web engine's own process does not start under AddressSanitizer");
    Sandbox sandbox;
    frmMain::instance().show();
    QVERIFY(QTest::qWaitForWindowExposed(frmMain::instance().window()));
    QVERIFY(!webEngineMapped());

    QTest::mouseClick(frmMain::instance().Label9(), Qt::LeftButton);
    QVERIFY(webEngineMapped());
    frmInfo& form = frmInfo::instance();
    QVERIFY(form.isVisible());
    QWidget* view = form.wb()->view();
    QVERIFY(view);
    // The engine runs: the page (unreachable here) finishes loading.
    QSignalSpy finished(view, SIGNAL(loadFinished(bool)));
    QVERIFY(finished.wait(60000));
    QCOMPARE(view->property("url").toUrl(), QUrl(ForumPage));
    QCOMPARE(view->geometry(), form.wb()->rect());
    QVERIFY(sandbox.dialogs().messages.isEmpty());
}

void TestFrmInfo::browserFollowsWindow_data()
{
    QTest::addColumn<int>("widthChange");  // twips, on the window
    QTest::addColumn<int>("heightChange");
    QTest::addColumn<QRect>("browser");    // twips
    QTest::newRow("design size") << 0 << 0 << QRect(120, 720, 12015, 7815);
    QTest::newRow("1000 larger each way") << 1000 << 1000 << QRect(120, 720, 13015, 8815);
    QTest::newRow("narrower") << -2000 << 0 << QRect(120, 720, 10015, 7815);
    // Outer height below 1350 twips: the height is refused, the width set.
    QTest::newRow("too low") << 500 << -8000 << QRect(120, 720, 12515, 7815);
}

void TestFrmInfo::browserFollowsWindow()
{
    QFETCH(int, widthChange);
    QFETCH(int, heightChange);
    QFETCH(QRect, browser);
    Sandbox sandbox;
    NoPlugin noPlugin;
    frmInfo& form = frmInfo::instance();
    form.show();
    form.setWidth(form.width() + widthChange);
    form.setHeight(form.height() + heightChange);

    QCOMPARE(form.wb()->geometry(), twipsRect(browser.x(), browser.y(), browser.width(), browser.height()));
    QVERIFY(sandbox.dialogs().messages.isEmpty());
}

void TestFrmInfo::noteInPlaceOfPage_data()
{
    QTest::addColumn<bool>("pluginMissing");
    QTest::newRow("plugin missing") << true;
    QTest::newRow("root without the sandbox switch") << false;
}

void TestFrmInfo::noteInPlaceOfPage()
{
    QFETCH(bool, pluginMissing);
    Sandbox sandbox;
    std::unique_ptr<NoPlugin> noPlugin;
    const QByteArray sandboxSwitch = qgetenv("QTWEBENGINE_DISABLE_SANDBOX");
    if (pluginMissing) {
        noPlugin = std::make_unique<NoPlugin>();
    } else {
        if (geteuid() != 0)
            QSKIP("the engine refuses only a process running as root");
        qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");
    }
    const bool mappedBefore = webEngineMapped();

    frmMain::instance().Label9_Click();
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", sandboxSwitch);

    frmInfo& form = frmInfo::instance();
    QVERIFY(form.isVisible());
    QVERIFY(!form.wb()->view());
    QLabel* note = form.wb()->note();
    QVERIFY(note->isVisible());
    QCOMPARE(note->geometry(), form.wb()->rect());
    QVERIFY(note->text().contains(QStringLiteral("cannot be shown here")));
    QVERIFY(note->text().contains(ForumPage));
    QCOMPARE(webEngineMapped(), mappedBefore);
    QVERIFY(sandbox.dialogs().messages.isEmpty());
}

void TestFrmInfo::forumTwiceGivesOneWindow()
{
    Sandbox sandbox;
    NoPlugin noPlugin;
    frmMain& menu = frmMain::instance();
    menu.Label9_Click();
    frmInfo& form = frmInfo::instance();
    QPointer<WebBrowser> browser = form.wb();
    form.setWidth(form.width() + 1500);

    menu.Label9_Click();
    QCOMPARE(form.wb(), browser.data());
    QCOMPARE(form.window()->windowHandle()->transientParent(), menu.window()->windowHandle());
    QCOMPARE(form.window()->windowTitle(), QStringLiteral("Editor Info"));
    QCOMPARE(form.Label1()->text(), QStringLiteral("Forum Address: ") + ForumPage);

    form.window()->close();
    QVERIFY(!form.isLoaded());
    menu.Label9_Click();
    QVERIFY(form.isVisible());
    QCOMPARE(form.window()->client()->size(), QSize(toPixels(12255), toPixels(8655)));
    QCOMPARE(form.wb()->geometry(), twipsRect(120, 720, 12015, 7815));
    QVERIFY(form.wb()->note()->text().contains(ForumPage));
}

QTEST_MAIN(TestFrmInfo)
#include "tst_frminfo.moc"
