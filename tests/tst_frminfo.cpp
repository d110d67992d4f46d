#include "runtime/Twips.h"
#include "runtime/WebBrowser.h"
#include "shell/frmInfo.h"
#include "shell/frmMain.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>

#include <unistd.h>

using namespace runtime;

namespace {

const QString ForumPage = QStringLiteral("https://example.org/sorvane");

bool webEngineMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return !maps.open(QIODevice::ReadOnly) || maps.readAll().contains("libQt6WebEngine");
}

// Browsers made until the guard ends find no plugin and show the note.
auto withoutPlugin(const QTemporaryDir& emptyFolder)
{
    WebBrowser::setPluginFolders({emptyFolder.path()});
    return qScopeGuard([] { WebBrowser::setPluginFolders({}); });
}

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
    Sandbox sandbox;
    frmMain::instance().show();
    QVERIFY(!webEngineMapped());

    QTest::mouseClick(frmMain::instance().Label9(), Qt::LeftButton);
    QVERIFY(webEngineMapped());
    QWidget* view = frmInfo::instance().wb()->view();
    QVERIFY(view && view->isVisible());
    // The engine runs: the page (unreachable here) finishes loading.
    QSignalSpy finished(view, SIGNAL(loadFinished(bool)));
    QVERIFY(finished.wait(60000));
    QCOMPARE(view->property("url").toUrl(), QUrl(ForumPage));
}

void TestFrmInfo::browserFollowsWindow_data()
{
    QTest::addColumn<int>("widthChange"); // twips, on the window
    QTest::addColumn<int>("heightChange");
    QTest::addColumn<QRect>("browser"); // twips
    QTest::newRow("design size") << 0 << 0 << QRect(120, 720, 12015, 7815);
    QTest::newRow("1000 larger each way") << 1000 << 1000 << QRect(120, 720, 13015, 8815);
    // Outer height below 1350 twips: the height is refused, the width set.
    QTest::newRow("too low") << 500 << -8000 << QRect(120, 720, 12515, 7815);
}

void TestFrmInfo::browserFollowsWindow()
{
    QFETCH(int, widthChange);
    QFETCH(int, heightChange);
    QFETCH(QRect, browser);
    Sandbox sandbox;
    QTemporaryDir empty;
    auto guard = withoutPlugin(empty);
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
    QTest::addColumn<bool>("helperMissing");
    QTest::newRow("plugin missing") << true << false;
    QTest::newRow("root without the sandbox switch") << false << false;
    QTest::newRow("engine's helper process missing") << false << true;
}

void TestFrmInfo::noteInPlaceOfPage()
{
    QFETCH(bool, pluginMissing);
    QFETCH(bool, helperMissing);
    const QString helper = qEnvironmentVariable("QTWEBENGINEPROCESS_PATH");
    if (helperMissing && (helper.isEmpty() || QFileInfo::exists(helper))) {
        // The engine looks for its helper once per process and ends the
        // process when it finds none: this row runs in a process of its own.
        QTemporaryDir empty;
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QTWEBENGINEPROCESS_PATH"), empty.filePath(QStringLiteral("nothing")));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("noteInPlaceOfPage:") + QLatin1String(QTest::currentDataTag())});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        return;
    }
    Sandbox sandbox;
    QTemporaryDir empty;
    WebBrowser::setPluginFolders(pluginMissing ? QStringList{empty.path()} : QStringList());
    const QByteArray sandboxSwitch = qgetenv("QTWEBENGINE_DISABLE_SANDBOX");
    auto restore = qScopeGuard([&] {
        WebBrowser::setPluginFolders({});
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", sandboxSwitch);
    });
    if (!pluginMissing && !helperMissing) {
        if (geteuid() != 0)
            QSKIP("the engine refuses only a process running as root");
        qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");
    }

    frmMain::instance().Label9_Click();
    QVERIFY(!frmInfo::instance().wb()->view());
    const QLabel* note = frmInfo::instance().wb()->note();
    QVERIFY(note->isVisible());
    QCOMPARE(note->text(), QStringLiteral("This page cannot be shown here.\nIts address is ") + ForumPage);
    QVERIFY(sandbox.dialogs().messages.isEmpty());
}

void TestFrmInfo::forumTwiceGivesOneWindow()
{
    Sandbox sandbox;
    QTemporaryDir empty;
    auto guard = withoutPlugin(empty);
    frmMain& menu = frmMain::instance();
    menu.Label9_Click();
    frmInfo& form = frmInfo::instance();
    const QPointer<WebBrowser> browser = form.wb();
    form.setWidth(form.width() + 1500);
    menu.Label9_Click();
    QCOMPARE(form.wb(), browser.data());

    form.window()->close();
    QVERIFY(!form.isLoaded());
    menu.Label9_Click();
    QVERIFY(form.isVisible());
    QCOMPARE(form.window()->client()->size(), QSize(toPixels(12255), toPixels(8655)));
    QCOMPARE(form.wb()->geometry(), twipsRect(120, 720, 12015, 7815));
}

QTEST_MAIN(TestFrmInfo)
#include "tst_frminfo.moc"
