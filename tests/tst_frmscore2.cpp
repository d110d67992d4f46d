#include "runtime/files/FileServices.h"
#include "scripts/frmScore2.h"
#include "shell/frmMain.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QWindow>

using namespace runtime;

namespace {

QStringList vals(const char* joined) // seven values as "1|-3|-2|..."
{
    return QString::fromLatin1(joined).split(u'|');
}

const QStringList Design = vals("1|-3|-2|1|1|1|1");

QByteArray stock()
{
    QFile file(QStringLiteral(":/stock/scoringCommon.py"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray generated(const QStringList& v, const QByteArray& end) // the seven lines
{
    const char* names[] = {"KILL", "TEAMKILL", "SUICIDE", "REVIVE", "HEAL", "RESUPPLY", "REPAIR"};
    QByteArray lines;
    for (int i = 0; i < 7; ++i)
        lines += QByteArray("SCORE_") + names[i] + " = " + v[i].toLatin1() + end;
    return lines;
}

// The written script: the rich text box gives each lone CR back as CR LF.
QByteArray expectedScript(const QStringList& v)
{
    return stock().left(121) + "\r\n" + generated(v, "\r\n") + stock().mid(252) + "\r\n";
}

QList<TextBox*> boxes(frmScore2& f)
{
    return {f.txtKill(), f.txtTeamKill(), f.txtSuicide(), f.txtRevive(), f.txtHeal(), f.txtResupply(), f.txtRepair()};
}

QStringList values(frmScore2& f)
{
    QStringList texts;
    for (TextBox* box : boxes(f))
        texts << box->text();
    return texts;
}

struct Game : Sandbox {
    explicit Game(const QString& mod = QStringLiteral("BF2142"), bool pythonFolder = true)
    {
        makeGame();
        if (pythonFolder)
            QDir().mkpath(gameFile(QStringLiteral("mods/%1/python/game").arg(mod.toLower())));
        storeLocation(gameFolder(), mod);
    }
    QString script(const QString& mod = QStringLiteral("bf2142")) const
    {
        return gameFile(QStringLiteral("mods/%1/python/game/scoringCommon.py").arg(mod.toLower()));
    }
    QString ini() const { return programFile(QStringLiteral("Score.ini")); }
    static frmScore2& open()
    {
        frmMain::instance().Label6_Click();
        return frmScore2::instance();
    }
};

} // namespace

class TestFrmScore2 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void stockScript();
    void windowAndTyping();
    void save_data();
    void save();
    void failures_data();
    void failures();
    void resetLeavesNoSettingsFileOfAnyCase();
};

void TestFrmScore2::stockScript()
{
    const QByteArray s = stock(), end = s.mid(252, 28000), end2 = s.mid(28252);
    QCOMPARE(s.size(), 30179);
    QCOMPARE(s.count("\r\n") * 2, s.count('\r') + s.count('\n'));
    QCOMPARE(s.count("\r\n"), 820);
    QVERIFY(!s.contains("\n ") && QString::fromUtf8(s).toLatin1() == s); // TABs, ASCII
    QVERIFY(s.startsWith("# common scoring \r\n\r\nimport "));
    QCOMPARE(s.mid(96, 177), "from bf2 import g_debug\r\n\r\n" + generated(Design, "\r\n") + "SCORE_STRATEGIC = 1\r\n");
    QCOMPARE(end.count("\r\n"), 747);
    QVERIFY(end.endsWith("\r\n\t\t\t\t\tplayerVehicl") && end2.startsWith("e = player.getVehicle()\r\n"));
    QCOMPARE(end2.count("\r\n"), 57);
    QVERIFY(end2.endsWith("\r\ndef date():\r\n\treturn host.timer_getWallTime()\r\n"));

    // The window's pieces are those cuts: 30,171 characters with the design values.
    Sandbox sandbox;
    frmScore2& f = frmScore2::instance();
    QCOMPARE(f.txtVoorstuk()->text().toLatin1() + "|" + f.txtEinde()->text().toLatin1() + "|"
                 + f.txtEinde2()->text().toLatin1(),
             s.left(121) + "|" + end + "|" + end2);
    QCOMPARE(f.txtVoorstuk()->text().size() + 1 + generated(Design, "\r").size() + f.txtEinde()->text().size()
                 + f.txtEinde2()->text().size(),
             30171);
}

void TestFrmScore2::windowAndTyping()
{
    Game game;
    writeBytes(game.ini(), "1000\r\n");
    frmScore2& f = game.open();
    QCOMPARE(f.window()->windowTitle(), QStringLiteral("Score Editor"));
    QCOMPARE(f.window()->client()->size(), QSize(129, 257));
    QCOMPARE(f.window()->windowHandle()->transientParent(), frmMain::instance().window()->windowHandle());

    // "Save" holds the focus; Tab visits Kill to Repair, then "Reset and Save".
    QVERIFY(QTest::qWaitForWindowActive(f.window()));
    QList<QWidget*> order{f.Command1()};
    for (TextBox* box : boxes(f))
        order << box->focusProxy();
    for (QWidget* w : order << f.Command2()) {
        QCOMPARE(QApplication::focusWidget(), w);
        QTest::keyClick(w, Qt::Key_Tab);
    }

    // Typing stops at three characters; a longer stored value stays whole.
    QWidget* kill = f.txtKill()->focusProxy();
    QTest::keyClick(kill, Qt::Key_End);
    QTest::keyClicks(kill, QStringLiteral("5"));
    QCOMPARE(qobject_cast<QLineEdit*>(kill)->text(), QStringLiteral("1000"));
    QTest::keyClick(kill, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(kill, QStringLiteral("-12345"));
    QCOMPARE(f.txtKill()->text(), QStringLiteral("-12"));

    // The link brings the same window forward; closing drops what was not saved.
    QCOMPARE(game.open().txtKill()->text(), QStringLiteral("-12"));
    f.window()->close();
    QVERIFY(!f.isLoaded());
    QCOMPARE(game.open().txtKill()->text(), QStringLiteral("1000"));
}

void TestFrmScore2::save_data()
{
    QTest::addColumn<QByteArray>("ini"); // null: no Score.ini
    QTest::addColumn<QStringList>("set");
    QTest::addColumn<QStringList>("saved");
    QTest::addColumn<QString>("mod");
    QTest::addColumn<bool>("reset");
    const QByteArray none;
    const QString bf = QStringLiteral("BF2142");
    const QStringList longValue = QStringList{QString(40000, u'9')} + vals("1|1|1|1|1|1");
    QTest::newRow("design values") << none << QStringList() << Design << bf << false;
    QTest::newRow("empty Kill box") << none << vals("|-3|-2|1|1|1|1") << vals("|-3|-2|1|1|1|1") << bf << false;
    QTest::newRow("letters") << none << vals("abc|x| 2|1|1|1|1") << vals("abc|x| 2|1|1|1|1") << bf << false;
    QTest::newRow("three lines") << QByteArray("5\r\n-9\r\n0\r\n") << QStringList() << vals("5|-9|0|1|1|1|1") << bf << false;
    QTest::newRow("nine lines") << QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n") << QStringList()
                                << vals("1|2|3|4|5|6|7") << bf << false;
    QTest::newRow("stored 1000") << QByteArray("1000\r\n") << QStringList() << vals("1000|-3|-2|1|1|1|1") << bf << false;
    QTest::newRow("40,000 characters") << none << longValue << longValue << bf << false;
    QTest::newRow("another mod") << none << QStringList() << Design << QStringLiteral("MyMod") << false;
    QTest::newRow("reset, Score.ini") << QByteArray("7\r\n").repeated(7) << vals("abc") << Design << bf << true;
    QTest::newRow("reset, no Score.ini") << none << vals("abc|x") << Design << bf << true;
}

void TestFrmScore2::save()
{
    QFETCH(QByteArray, ini);
    QFETCH(QStringList, set);
    QFETCH(QStringList, saved);
    QFETCH(QString, mod);
    QFETCH(bool, reset);
    Game game(mod);
    writeBytes(game.script(mod), QByteArray(50000, 'x'));
    if (!ini.isNull())
        writeBytes(game.ini(), ini);
    frmScore2& f = game.open();
    for (int i = 0; i < set.size(); ++i)
        boxes(f)[i]->setText(set[i]);
    (reset ? f.Command2() : f.Command1())->click();

    QVERIFY(game.dialogs().messages.isEmpty());
    QCOMPARE(values(f), saved);
    QCOMPARE(qobject_cast<QLineEdit*>(f.txtKill()->focusProxy())->text(), saved[0]); // shown whole
    QCOMPARE(!f.window()->windowHandle()->transientParent(), reset); // a reset comes back without owner
    QCOMPARE(readBytes(game.script(mod)), expectedScript(saved));
    if (saved == Design)
        QCOMPARE(readBytes(game.script(mod)), stock() + "\r\n"); // 30,181 bytes
    QCOMPARE(readBytes(game.ini()), (saved.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
    QCOMPARE(QDir(game.programFolder()).entryList({QStringLiteral("?core.ini")}), vals("Score.ini"));
    // No folder added: only bf2142 (and the other mod's own).
    QCOMPARE(QDir(game.gameFile(QStringLiteral("mods"))).count(), mod == QLatin1String("BF2142") ? 3u : 4u);
}

void TestFrmScore2::failures_data()
{
    QTest::addColumn<QString>("cause");
    QTest::addColumn<QString>("named");
    QTest::newRow("no python\\game folder") << QStringLiteral("no folder") << QStringLiteral("scoringCommon.py");
    QTest::newRow("Score.ini write fails") << QStringLiteral("fault") << QStringLiteral("Score.ini");
    QTest::newRow("reset: Score.ini is a folder") << QStringLiteral("reset") << QStringLiteral("Score.ini");
    // A line separator passes the script as a line break, but not Score.ini.
    QTest::newRow("line separator in a box") << QStringLiteral("separator") << QStringLiteral("Score.ini");
}

void TestFrmScore2::failures()
{
    QFETCH(QString, cause);
    QFETCH(QString, named);
    const bool reset = cause == QLatin1String("reset");
    Game game(QStringLiteral("BF2142"), cause != QLatin1String("no folder"));
    if (reset)
        QVERIFY(QDir().mkpath(game.ini()));
    else
        writeBytes(game.ini(), "9\r\n");
    frmScore2& f = game.open();
    f.txtHeal()->setText(QStringLiteral("5"));
    if (cause == QLatin1String("separator"))
        f.txtKill()->setText(QStringLiteral("5\u20286"));
    if (cause == QLatin1String("fault"))
        Files::setWriteFault([](const QString& path) {
            return path.endsWith(QLatin1String("ini")) ? QStringLiteral("disk full") : QString();
        });
    (reset ? f.Command2() : f.Command1())->click();

    QCOMPARE(game.dialogs().messages.size(), 1);
    const ScriptedDialogs::Message message = game.dialogs().messages.at(0);
    QCOMPARE(message.title + QString::number(message.style), QStringLiteral("Sorvane16"));
    QVERIFY2(message.prompt.contains(named), qPrintable(message.prompt));
    QVERIFY(cause != QLatin1String("separator") || message.prompt.contains(QStringLiteral("(U+2028)")));
    QCOMPARE(readBytes(game.ini()), reset ? QByteArray("<missing>") : QByteArray("9\r\n"));
    QCOMPARE(QFile::exists(game.script()), cause == QLatin1String("fault"));
    QCOMPARE(QFile::exists(game.gameFile(QStringLiteral("mods/bf2142/python"))), cause != QLatin1String("no folder"));
    QCOMPARE(f.txtHeal()->text(), QStringLiteral("5")); // a failed reset stops before the reload

    // The window stays usable: once the cause is gone, Save works.
    Files::setWriteFault({});
    f.txtKill()->setText(QStringLiteral("1"));
    QDir().mkpath(game.gameFile(QStringLiteral("mods/bf2142/python/game")));
    QDir(game.ini()).removeRecursively();
    f.Command1()->click();
    QCOMPARE(game.dialogs().messages.size(), 1);
    QCOMPARE(readBytes(game.ini()).mid(1), QByteArray("\r\n-3\r\n-2\r\n1\r\n5\r\n1\r\n1\r\n"));
}

void TestFrmScore2::resetLeavesNoSettingsFileOfAnyCase()
{
    Game game; // on a case-sensitive disk
    writeBytes(game.ini(), QByteArray("7\r\n").repeated(7));
    writeBytes(game.programFile(QStringLiteral("score.ini")), QByteArray("8\r\n").repeated(7));
    game.open().Command2()->click();
    QCOMPARE(values(frmScore2::instance()), Design);
    QCOMPARE(QDir(game.programFolder()).entryList({QStringLiteral("?core.ini")}), vals("Score.ini"));
    QCOMPARE(readBytes(game.ini()), QByteArray("1\r\n-3\r\n-2\r\n1\r\n1\r\n1\r\n1\r\n"));
}

QTEST_MAIN(TestFrmScore2)
#include "tst_frmscore2.moc"
