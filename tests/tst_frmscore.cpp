#include "runtime/Twips.h"
#include "scripts/frmScore.h"
#include "scripts/frmTweak.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QTest>
#include <QWindow>

using namespace runtime;

namespace {

QByteArray stockScript()
{
    QFile file(QStringLiteral(":/stock/scoringCommon.py"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The script of the mod named `mod`; "BF2142" names the base game's, in
// any letter case.
QString script(const Sandbox& sandbox, const QString& mod)
{
    const bool base = mod.compare(QLatin1String("bf2142"), Qt::CaseInsensitive) == 0;
    return sandbox.gameFile(QStringLiteral("mods/%1/python/game/scoringCommon.py").arg(base ? QStringLiteral("bf2142") : mod));
}

// A game whose base game holds `bytes` as its script, with `mod` selected.
frmScore& prepareGame(const Sandbox& sandbox, const QByteArray& bytes, const QString& mod = QStringLiteral("BF2142"))
{
    sandbox.makeGame();
    writeBytes(script(sandbox, QStringLiteral("bf2142")), bytes);
    sandbox.storeLocation(sandbox.gameFolder(), mod);
    return frmScore::instance();
}

} // namespace

class TestFrmScore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void saveThenResetAndSave_data();
    void saveThenResetAndSave();
    void boxFollowsTheWindow();
    void searchKeepsItsTextAndSwitchesTarget();
};

void TestFrmScore::saveThenResetAndSave_data()
{
    QTest::addColumn<QString>("mod");
    QTest::addColumn<QByteArray>("base"); // the base game's script; empty: none
    QTest::addColumn<QByteArray>("saved"); // the mod's script after Save
    const QByteArray stock = stockScript();
    QTest::newRow("design mod keeps the file") << QStringLiteral("BF2142") << stock << stock;
    QTest::newRow("another mod gets the base script") << QStringLiteral("My Mod") << stock << stock;
    QTest::newRow("no base-game script") << QStringLiteral("BF2142") << QByteArray() << QByteArray("\r\n");
    QTest::newRow("mod without python\\game") << QStringLiteral("Other") << stock << QByteArray("<missing>");
}

void TestFrmScore::saveThenResetAndSave()
{
    QFETCH(QString, mod);
    QFETCH(QByteArray, base);
    QFETCH(QByteArray, saved);
    Sandbox sandbox;
    frmScore& form = prepareGame(sandbox, base, mod);
    if (base.isEmpty())
        QVERIFY(QFile::remove(script(sandbox, QStringLiteral("bf2142"))));
    if (mod == QLatin1String("My Mod"))
        writeBytes(script(sandbox, mod), "the mod's own\r\n");
    form.mnuEditSearch()->trigger();
    frmSearch::instance().Text1()->setText(QStringLiteral("score"));
    frmSearch::instance().Command1()->click();
    form.mnuFileSave()->trigger();
    QCOMPARE(readBytes(script(sandbox, mod)), saved);
    QCOMPARE(QDir(QFileInfo(script(sandbox, mod)).path()).entryList(QDir::Files).size(), saved == "<missing>" ? 0 : 1);
    QCOMPARE(form.rtb()->text(), QString::fromLatin1(base.left(base.size() - 2))); // never the design text
    const auto failures = std::count_if(sandbox.dialogs().messages.cbegin(), sandbox.dialogs().messages.cend(),
                                        [](const ScriptedDialogs::Message& m) {
                                            return m.style == MsgBoxStyle::Critical && m.title == QLatin1String("Sorvane")
                                                && m.prompt.contains(QLatin1String("scoringCommon.py"));
                                        });
    QCOMPARE(failures, base.isEmpty() || saved == "<missing>" ? 1 : 0);

    // The window stays usable: Reset and Save writes the stock script and
    // starts its search again.
    QDir().mkpath(QFileInfo(script(sandbox, mod)).path());
    const qsizetype messages = sandbox.dialogs().messages.size();
    form.mnuReset()->trigger();
    QCOMPARE(readBytes(script(sandbox, mod)), stockScript() + "\r\n");
    QCOMPARE(readBytes(script(sandbox, mod)).size(), 30181);
    QCOMPARE(form.rtb()->text(), QString::fromLatin1(stockScript()));
    QCOMPARE(frmSearch::instance().lastMatch(SearchTarget::Score), 0);
    QCOMPARE(sandbox.dialogs().messages.size(), messages);
}

void TestFrmScore::boxFollowsTheWindow()
{
    Sandbox sandbox;
    frmScore& form = prepareGame(sandbox, "x\r\n");
    form.show();
    QCOMPARE(form.window()->client()->size(), QSize(731, 450));
    QCOMPARE(form.rtb()->size(), QSize(toPixels(form.width() - 100), toPixels(form.height() - 800)));
    // Too low or too narrow for the box: that dimension stays.
    const QSize size = form.rtb()->size();
    form.setHeight(600);
    form.setWidth(90);
    QCOMPARE(form.rtb()->size(), size);
}

void TestFrmScore::searchKeepsItsTextAndSwitchesTarget()
{
    Sandbox sandbox;
    frmScore& form = prepareGame(sandbox, "a bot\r\nA BOT\r\n");
    frmTweak::instance().mnuEditSearch()->trigger();
    frmSearch& search = frmSearch::instance();
    search.Text1()->setText(QStringLiteral("bot"));
    form.mnuEditSearch()->trigger();
    QVERIFY(search.optScore()->value() && !search.optTweak()->value());
    QCOMPARE(search.window()->windowHandle()->transientParent(), form.window()->windowHandle());
    search.Command1()->click();
    QCOMPARE(form.rtb()->selStart(), 2);

    // Closed, the editor comes back through Find Next alone, loaded afresh.
    form.window()->close();
    search.Command1()->click();
    search.Command1()->click();
    QVERIFY(form.isVisible());
    QCOMPARE(form.rtb()->selStart(), 9);
}

QTEST_MAIN(TestFrmScore)
#include "tst_frmscore.moc"
