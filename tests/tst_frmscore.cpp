#include "runtime/Twips.h"
#include "runtime/files/FileServices.h"
#include "scripts/frmScore.h"
#include "scripts/frmSearch.h"
#include "scripts/frmTweak.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QTest>
#include <QWindow>

using namespace runtime;

namespace {

QByteArray stockScript()
{
    QFile file(QStringLiteral(":/stock/scoringCommon.py"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

const QString script = QStringLiteral("python/game/scoringCommon.py");

QString baseScript(const Sandbox& sandbox)
{
    return sandbox.gameFile(QStringLiteral("mods/bf2142/") + script);
}

// A game folder whose base game holds `bytes` as its script, with `mod`
// selected.
void prepareGame(const Sandbox& sandbox, const QByteArray& bytes, const QString& mod = QStringLiteral("BF2142"))
{
    sandbox.makeGame();
    writeBytes(baseScript(sandbox), bytes);
    sandbox.storeLocation(sandbox.gameFolder(), mod);
}

} // namespace

class TestFrmScore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void window();
    void loadThenSave_data();
    void loadThenSave();
    void resetAndSaveWritesTheStockScript();
    void failuresAreReported_data();
    void failuresAreReported();
    void boxFollowsTheWindow();
    void searchKeepsItsTextAndSwitchesTarget();
};

void TestFrmScore::window()
{
    Sandbox sandbox;
    prepareGame(sandbox, "# common scoring \r\n");
    frmScore& form = frmScore::instance();
    form.show();
    QCOMPARE(form.window()->windowTitle(), QStringLiteral("Score Editor"));
    QVERIFY(form.window()->windowFlags() & Qt::WindowMinMaxButtonsHint);
    QCOMPARE(form.window()->client()->size(), QSize(731, 450));
    QCOMPARE(form.rtb()->pos(), QPoint(0, 0));
    QCOMPARE(form.window()->focusWidget(), form.rtb());
    QCOMPARE(form.rtb()->text(), QStringLiteral("# common scoring "));
    QVERIFY(form.txtReset()->isHidden());
    QCOMPARE(form.txtReset()->text(), QString::fromLatin1(stockScript()));
    QStringList menu;
    for (QAction* item : form.mnuFile()->actions() + form.mnuEdit()->actions())
        menu << item->text() + QLatin1Char('|') + item->shortcut().toString();
    QCOMPARE(menu.join(QLatin1Char(',')), QStringLiteral("Save|Ctrl+S,Reset and Save|Ctrl+R,|,Close|,Search|Ctrl+F"));
    QVERIFY(form.streep()->isSeparator());
}

void TestFrmScore::loadThenSave_data()
{
    QTest::addColumn<QString>("mod");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("design mod keeps the file") << QStringLiteral("BF2142") << stockScript();
    QTest::newRow("ends with an empty line") << QStringLiteral("bf2142") << QByteArray("a\r\n\r\n");
    QTest::newRow("another mod gets the base script") << QStringLiteral("My Mod") << stockScript();
}

void TestFrmScore::loadThenSave()
{
    QFETCH(QString, mod);
    QFETCH(QByteArray, bytes);
    Sandbox sandbox;
    prepareGame(sandbox, bytes, mod);
    const QString modScript = sandbox.gameFile(QStringLiteral("mods/%1/").arg(mod) + script);
    QDir().mkpath(QFileInfo(modScript).path());
    writeBytes(modScript, readBytes(modScript) == "<missing>" ? QByteArray("the mod's own\r\n") : bytes);
    frmScore& form = frmScore::instance();
    form.mnuFileSave()->trigger();
    QCOMPARE(readBytes(modScript), bytes);
    QCOMPARE(readBytes(baseScript(sandbox)), bytes);
    QCOMPARE(QDir(QFileInfo(modScript).path()).entryList(QDir::Files).size(), 1);
    QVERIFY(sandbox.dialogs().messages.isEmpty());
}

void TestFrmScore::resetAndSaveWritesTheStockScript()
{
    Sandbox sandbox;
    prepareGame(sandbox, "score score\r\n");
    frmScore& form = frmScore::instance();
    form.mnuEditSearch()->trigger();
    frmSearch& search = frmSearch::instance();
    search.Text1()->setText(QStringLiteral("score"));
    search.Command1()->click();
    search.Command1()->click();
    QCOMPARE(search.lastMatch(SearchTarget::Score), 7);

    form.mnuReset()->trigger();
    QCOMPARE(search.lastMatch(SearchTarget::Score), 0);
    QCOMPARE(readBytes(baseScript(sandbox)), stockScript() + "\r\n");
    QCOMPARE(readBytes(baseScript(sandbox)).size(), 30181);
    QCOMPARE(form.rtb()->text(), QString::fromLatin1(stockScript()));
    form.mnuFileSave()->trigger();
    QCOMPARE(readBytes(baseScript(sandbox)), stockScript() + "\r\n");
    QVERIFY(sandbox.dialogs().messages.isEmpty());
}

void TestFrmScore::failuresAreReported_data()
{
    QTest::addColumn<bool>("loadFails");
    QTest::newRow("no base-game script") << true;
    QTest::newRow("mod has no python\\game folder") << false;
}

void TestFrmScore::failuresAreReported()
{
    QFETCH(bool, loadFails);
    Sandbox sandbox;
    prepareGame(sandbox, "base\r\n", loadFails ? QStringLiteral("BF2142") : QStringLiteral("Other"));
    if (loadFails)
        QVERIFY(QFile::remove(baseScript(sandbox)));
    frmScore& form = frmScore::instance();
    form.show();
    QCOMPARE(form.rtb()->text(), loadFails ? QString() : QStringLiteral("base"));
    if (!loadFails)
        form.mnuFileSave()->trigger();

    QCOMPARE(sandbox.dialogs().messages.size(), 1);
    const ScriptedDialogs::Message message = sandbox.dialogs().messages.at(0);
    QCOMPARE(message.title + QString::number(message.style), QStringLiteral("Sorvane16"));
    QVERIFY2(message.prompt.contains(QStringLiteral("scoringCommon.py")), qPrintable(message.prompt));
    QCOMPARE(form.rtb()->text(), loadFails ? QString() : QStringLiteral("base"));
    QVERIFY(!QDir(sandbox.gameFile(QStringLiteral("mods/Other"))).exists());

    // The window stays usable: Reset and Save puts the stock script back.
    QDir().mkpath(sandbox.gameFile(QStringLiteral("mods/Other/python/game")));
    form.mnuReset()->trigger();
    QCOMPARE(sandbox.dialogs().messages.size(), 1);
    const QString written = loadFails ? baseScript(sandbox) : sandbox.gameFile(QStringLiteral("mods/Other/") + script);
    QCOMPARE(readBytes(written), stockScript() + "\r\n");
}

void TestFrmScore::boxFollowsTheWindow()
{
    Sandbox sandbox;
    prepareGame(sandbox, "x\r\n");
    frmScore& form = frmScore::instance();
    form.show();
    QCOMPARE(form.rtb()->size(), QSize(toPixels(form.width() - 100), toPixels(form.height() - 800)));
    // Too low or too narrow for the box: that dimension stays.
    const QSize size = form.rtb()->size();
    form.setHeight(600);
    QCOMPARE(form.rtb()->height(), size.height());
    form.setWidth(90);
    QCOMPARE(form.rtb()->width(), size.width());
    form.setWidth(5000);
    QCOMPARE(form.rtb()->size(), QSize(toPixels(form.width() - 100), size.height()));
}

void TestFrmScore::searchKeepsItsTextAndSwitchesTarget()
{
    Sandbox sandbox;
    prepareGame(sandbox, "a bot\r\nA BOT\r\n");
    frmTweak::instance().mnuEditSearch()->trigger();
    frmSearch& search = frmSearch::instance();
    search.Text1()->setText(QStringLiteral("bot"));
    frmScore& form = frmScore::instance();
    form.mnuEditSearch()->trigger();
    QCOMPARE(search.Text1()->text(), QStringLiteral("bot"));
    QVERIFY(search.optScore()->value() && !search.optTweak()->value());
    QCOMPARE(search.window()->windowHandle()->transientParent(), form.window()->windowHandle());
    search.Command1()->click();
    QCOMPARE(form.rtb()->selStart(), 2);

    // Closed, the editor comes back only through Find Next: loaded afresh,
    // shown, and searched from the start.
    form.window()->close();
    QVERIFY(!form.isLoaded());
    search.Command1()->click();
    QVERIFY(form.isVisible());
    QCOMPARE(form.rtb()->selStart(), 2);
    search.Command1()->click();
    QCOMPARE(form.rtb()->selStart(), 9);
}

QTEST_MAIN(TestFrmScore)
#include "tst_frmscore.moc"
