#include "bots/frmBotNames.h"
#include "runtime/Twips.h"
#include "runtime/files/FileServices.h"
#include "shell/Form2.h"
#include "shell/frmMain.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QWindow>

using namespace runtime;

namespace {

QByteArray stockList()
{
    QFile file(QStringLiteral(":/stock/BotNames.txt"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

const QByteArray names = "aiSettings.addBotName A. Ubel\r\n\r\nrem caf\xe9\r\n";

QString baseFile(const Sandbox& sandbox)
{
    return sandbox.gameFile(QStringLiteral("mods/bf2142/AI/BotNames.ai"));
}

// A game folder whose base-game list holds `bytes` at `relative`.
void prepareGame(const Sandbox& sandbox, const QString& mod = QStringLiteral("BF2142"),
                 const QString& relative = QStringLiteral("mods/bf2142/AI/BotNames.ai"))
{
    sandbox.makeGame();
    writeBytes(sandbox.gameFile(relative), names);
    sandbox.storeLocation(sandbox.gameFolder(), mod);
}

} // namespace

class TestFrmBotNames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void stockListHasItsForm();
    void window();
    void loadThenSaveKeepsTheFile_data();
    void loadThenSaveKeepsTheFile();
    void otherModGetsItsOwnFile();
    void resetAndSaveWritesTheStockList();
    void failuresAreReported_data();
    void failuresAreReported();
    void closingAsksNothing();
    void boxFollowsTheWindow();
};

void TestFrmBotNames::stockListHasItsForm()
{
    const QByteArray stock = stockList();
    QCOMPARE(stock.size(), 3398);
    QCOMPARE(stock.count("\r\n"), 100);
    QCOMPARE(stock.count('\r') + stock.count('\n'), 200);
    QVERIFY(stock.endsWith("\r\n"));
    const QStringList lines = QString::fromLatin1(stock.chopped(2)).split(QStringLiteral("\r\n"));
    static const QRegularExpression form(QStringLiteral("^aiSettings\\.addBotName [A-Z]\\. [A-Za-z]{3,12}$"));
    for (const QString& line : lines)
        QVERIFY2(form.match(line).hasMatch(), qPrintable(line));
    QCOMPARE(QSet<QString>(lines.begin(), lines.end()).size(), 100);
    QStringList sorted = lines;
    sorted.sort();
    QVERIFY(lines != sorted);
    std::reverse(sorted.begin(), sorted.end());
    QVERIFY(lines != sorted);
}

void TestFrmBotNames::window()
{
    Sandbox sandbox;
    prepareGame(sandbox);
    frmMain& menu = frmMain::instance();
    menu.Label5()->setForeColor(Colour::Red);
    menu.Label5_Click();
    frmBotNames& form = frmBotNames::instance();
    QCOMPARE(menu.Label5()->foreColor(), Colour::Black);
    QCOMPARE(form.window()->windowHandle()->transientParent(), menu.window()->windowHandle());
    QCOMPARE(form.window()->windowTitle(), QStringLiteral("Change Bot Names"));
    QVERIFY(form.window()->windowFlags() & Qt::WindowMinMaxButtonsHint);
    QCOMPARE(form.window()->client()->size(), QSize(519, 382));
    QCOMPARE(form.window()->focusWidget(), form.rtb());
    QStringList items;
    for (QAction* item : form.mnuFile()->actions() + form.mnuEdit()->actions())
        items << item->text() + QLatin1Char('|') + item->shortcut().toString();
    QCOMPARE(items.join(QLatin1Char(',')), QStringLiteral("Save|Ctrl+S,Reset and Save|Ctrl+R,|,Close|,Search|Ctrl+F"));

    // A second click brings the same editor forward, edits and all.
    form.rtb()->setText(QStringLiteral("unsaved"));
    menu.Label5_Click();
    QCOMPARE(form.rtb()->text(), QStringLiteral("unsaved"));
}

void TestFrmBotNames::loadThenSaveKeepsTheFile_data()
{
    QTest::addColumn<QString>("onDisk");
    QTest::newRow("as named") << QStringLiteral("mods/bf2142/AI/BotNames.ai");
    QTest::newRow("other letter case on disk") << QStringLiteral("mods/bf2142/ai/botnames.AI");
}

void TestFrmBotNames::loadThenSaveKeepsTheFile()
{
    QFETCH(QString, onDisk);
    Sandbox sandbox;
    prepareGame(sandbox, QStringLiteral("BF2142"), onDisk);
    frmBotNames& form = frmBotNames::instance();
    QCOMPARE(form.rtb()->text(), QString::fromLatin1(names.chopped(2)));
    form.mnuFileSave()->trigger();
    QCOMPARE(readBytes(sandbox.gameFile(onDisk)), names);
    QCOMPARE(QDir(QFileInfo(sandbox.gameFile(onDisk)).path()).entryList(QDir::Files).size(), 1);
    QVERIFY(sandbox.dialogs().messages.isEmpty());

    form.rtb()->setText(QString());
    form.mnuFileSave()->trigger();
    QCOMPARE(readBytes(sandbox.gameFile(onDisk)), QByteArray("\r\n"));
}

void TestFrmBotNames::otherModGetsItsOwnFile()
{
    Sandbox sandbox;
    prepareGame(sandbox, QStringLiteral("My Mod"));
    QDir().mkpath(sandbox.gameFile(QStringLiteral("mods/My Mod/AI")));
    frmBotNames& form = frmBotNames::instance();
    QTest::keyClicks(form.rtb()->editor(), QStringLiteral("x"));
    form.mnuFileSave()->trigger();
    QCOMPARE(readBytes(sandbox.gameFile(QStringLiteral("mods/My Mod/AI/BotNames.ai"))), "x" + names);
    QCOMPARE(readBytes(baseFile(sandbox)), names);
}

void TestFrmBotNames::resetAndSaveWritesTheStockList()
{
    Sandbox sandbox;
    prepareGame(sandbox);
    frmBotNames& form = frmBotNames::instance();
    form.mnuFileReset()->trigger();
    QCOMPARE(readBytes(baseFile(sandbox)), stockList() + "\r\n"); // 3,400 bytes
    form.mnuFileSave()->trigger();
    QCOMPARE(readBytes(baseFile(sandbox)), stockList() + "\r\n");
    QVERIFY(sandbox.dialogs().messages.isEmpty());
}

void TestFrmBotNames::failuresAreReported_data()
{
    QTest::addColumn<bool>("loadFails");
    QTest::newRow("no base-game list") << true;
    QTest::newRow("mod has no AI folder") << false;
}

void TestFrmBotNames::failuresAreReported()
{
    QFETCH(bool, loadFails);
    Sandbox sandbox;
    prepareGame(sandbox, loadFails ? QStringLiteral("BF2142") : QStringLiteral("Other"));
    if (loadFails)
        QVERIFY(QFile::remove(baseFile(sandbox)));
    frmBotNames& form = frmBotNames::instance();
    form.show();
    QCOMPARE(form.rtb()->text(), loadFails ? QString() : QString::fromLatin1(names.chopped(2)));
    form.mnuFileSave()->trigger();

    QCOMPARE(sandbox.dialogs().messages.size(), 1);
    const ScriptedDialogs::Message message = sandbox.dialogs().messages.at(0);
    QCOMPARE(message.title, QStringLiteral("Sorvane"));
    QCOMPARE(message.style, MsgBoxStyle::Critical);
    QVERIFY2(message.prompt.contains(QStringLiteral("BotNames.ai")), qPrintable(message.prompt));
    // The empty box of a failed load saves as CR LF; a failed save keeps the
    // text and makes no folder.
    if (loadFails) {
        QCOMPARE(readBytes(baseFile(sandbox)), QByteArray("\r\n"));
    } else {
        QCOMPARE(form.rtb()->text(), QString::fromLatin1(names.chopped(2)));
        QVERIFY(!QDir(sandbox.gameFile(QStringLiteral("mods/Other"))).exists());
    }
    QVERIFY(form.isVisible());
}

void TestFrmBotNames::closingAsksNothing()
{
    Sandbox sandbox;
    prepareGame(sandbox);
    frmBotNames& form = frmBotNames::instance();
    for (const bool byCloseBox : {true, false}) {
        form.show();
        form.rtb()->setText(QStringLiteral("unsaved"));
        if (byCloseBox)
            form.window()->close();
        else
            form.mnuFileClose()->trigger();
        QVERIFY(!form.isLoaded());
        QCOMPARE(form.rtb()->text(), QString::fromLatin1(names.chopped(2)));
    }
    QVERIFY(sandbox.dialogs().messages.isEmpty());
    QCOMPARE(readBytes(baseFile(sandbox)), names);
}

void TestFrmBotNames::boxFollowsTheWindow()
{
    Sandbox sandbox;
    prepareGame(sandbox);
    frmBotNames& form = frmBotNames::instance();
    form.show();
    form.setWidth(9000);
    form.setHeight(6000);
    QCOMPARE(form.rtb()->size(), QSize(toPixels(form.width() - 100), toPixels(form.height() - 800)));
    // Too low for the box: its height stays, its width still follows.
    const int height = form.rtb()->height();
    form.setHeight(600);
    form.setWidth(7000);
    QCOMPARE(form.rtb()->size(), QSize(toPixels(form.width() - 100), height));
}

QTEST_MAIN(TestFrmBotNames)
#include "tst_frmbotnames.moc"
