#include "runtime/Application.h"
#include "runtime/files/FileServices.h"
#include "scripts/frmIntro.h"
#include "shell/Form2.h"
#include "shell/frmMain.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QMap>
#include <QTest>
#include <QWindow>

using namespace runtime;

namespace {

QByteArray stock(const QString& name)
{
    QFile file(QStringLiteral(":/stock/Intro_%1.txt").arg(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing resource>");
}

// intro.ini for the options as "100", "010", ...
QByteArray ini(const QString& bits)
{
    QByteArray bytes;
    for (const QChar bit : bits)
        bytes += bit == QLatin1Char('1') ? "True\r\n" : "False\r\n";
    return bytes;
}

QString selection(frmIntro& form)
{
    return QStringLiteral("%1%2%3")
        .arg(form.optEscTrue()->value())
        .arg(form.optComplete()->value())
        .arg(form.optReset()->value());
}

// Starts as the program does with a passing game folder, then opens the
// window from the main menu. The mod BF2142's Init.con is the check file.
frmIntro& openFromMenu(const Sandbox& sandbox, const QByteArray& settings = {})
{
    if (!settings.isNull())
        writeBytes(sandbox.programFile(QStringLiteral("intro.ini")), settings);
    sandbox.makeGame();
    sandbox.storeLocation(sandbox.gameFolder());
    Form2::instance().load();
    frmMain::instance().Label7_Click();
    return frmIntro::instance();
}

} // namespace

class TestFrmIntro : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { setUpApplicationLook(); } // the program's font
    void stockTexts();
    void window();
    void loadRestoresSelection_data();
    void loadRestoresSelection();
    void removeReplacesWholeAndFollowsTheMod();
    void failedWriteIsReported_data();
    void failedWriteIsReported();
};

void TestFrmIntro::stockTexts()
{
    const QByteArray reset = stock(QStringLiteral("Reset"));
    const QByteArray movie = "bf2Engine.playMovie Movies\\";
    const QByteArray movies = movie + "health.bik 0\r\n" + movie + "warning.bik 0\r\n" + movie + "EA.bik 1\r\n" + movie
        + "dice.bik 1\r\n" + movie + "legal.bik 1\r\n" + movie + "intro.bik 0\r\n";
    QVERIFY(reset.startsWith("rem ** gameLogic hasn't been initialized yet **\r\n\r\n\r\n"
                             "rem *** These should be noops in server & editor\r\n"
        + movies + "\r\nrem "));
    QVERIFY(reset.endsWith("\r\nvars.set titan-exp-whiteout-at_health -38\r\nvars.set titan-exp-whiteout-delay 0\r\n"));

    QByteArray escTrue = reset;
    for (const char* name : { "EA", "dice", "legal" })
        escTrue.replace(movie + name + ".bik 1", movie + name + ".bik 0");
    QCOMPARE(stock(QStringLiteral("EscTrue")), escTrue);
    QCOMPARE(stock(QStringLiteral("Complete")), QByteArray(reset).replace(movies, "\r\n"));

    for (const auto& [name, size, lines] :
        { std::tuple { "Reset", 755, 22 }, { "EscTrue", 755, 22 }, { "Complete", 518, 17 } }) {
        const QByteArray text = stock(QLatin1String(name));
        QCOMPARE(text.size(), size);
        QCOMPARE(text.count("\r\n"), lines);
        QCOMPARE(text.count('\r') + text.count('\n'), 2 * lines);
        QVERIFY(text.endsWith("\r\n") && !text.contains(" \r\n"));
    }
}

void TestFrmIntro::window()
{
    Sandbox sandbox;
    frmIntro& form = openFromMenu(sandbox);
    frmMain& menu = frmMain::instance();
    QCOMPARE(menu.Label7()->foreColor(), Colour::Black);
    QCOMPARE(form.window()->windowHandle()->transientParent(), menu.window()->windowHandle());
    for (OptionButton* option : { form.optEscTrue(), form.optComplete(), form.optReset() })
        QVERIFY2(option->sizeHint().width() <= option->width() && option->geometry().right() < 153,
            qPrintable(option->text()));

    // "Remove!" has the focus; Tab visits only it and the options.
    QVERIFY(QTest::qWaitForWindowActive(form.window()));
    QList<QWidget*> visited { QApplication::focusWidget() };
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget();
    }
    QCOMPARE(visited,
        (QList<QWidget*> {
            form.cmdRemove(), form.optEscTrue(), form.optComplete(), form.optReset(), form.cmdRemove() }));

    // A second click brings the same window forward, selection and all.
    QTest::mouseClick(form.optReset(), Qt::LeftButton);
    menu.Label7_Click();
    QCOMPARE(selection(form), QStringLiteral("001"));
}

void TestFrmIntro::loadRestoresSelection_data()
{
    QTest::addColumn<QByteArray>("settings"); // null: no intro.ini
    QTest::addColumn<QString>("selected");
    QTest::newRow("first opening, no file") << QByteArray() << QStringLiteral("100");
    QTest::newRow("False True False") << QByteArray("False\r\nTrue\r\nFalse\r\n") << QStringLiteral("010");
    QTest::newRow("later True wins") << QByteArray("True\r\nTrue\r\nFalse\r\n") << QStringLiteral("010");
    QTest::newRow("any letter case") << QByteArray("false\r\nFALSE\r\ntrue\r\n") << QStringLiteral("001");
    QTest::newRow("numbers") << QByteArray("1\r\n0\r\n0\r\n") << QStringLiteral("100");
    QTest::newRow("numbers, second set") << QByteArray("0\r\n1\r\n0\r\n") << QStringLiteral("010");
    QTest::newRow("three False") << QByteArray("False\r\nFalse\r\nFalse\r\n") << QStringLiteral("000");
    QTest::newRow("single False") << QByteArray("False\r\n") << QStringLiteral("000");
    QTest::newRow("garbage first line") << QByteArray("Maybe\r\nFalse\r\nTrue\r\n") << QStringLiteral("100");
    QTest::newRow("empty second line") << QByteArray("False\r\n\r\nTrue\r\n") << QStringLiteral("000");
    QTest::newRow("five lines") << QByteArray("False\r\nFalse\r\nTrue\r\nTrue\r\nx\r\n") << QStringLiteral("001");
}

void TestFrmIntro::loadRestoresSelection()
{
    QFETCH(QByteArray, settings);
    QFETCH(QString, selected);
    Sandbox sandbox;
    frmIntro& form = openFromMenu(sandbox, settings);
    QCOMPARE(selection(form), selected);
    const QString iniPath = sandbox.programFile(QStringLiteral("intro.ini"));
    QCOMPARE(QFile::exists(iniPath), !settings.isNull());

    // "Remove!" writes the chosen text, nothing with no option selected, and
    // replaces whatever the reading left in intro.ini.
    form.cmdRemove()->click();
    const QMap<QString, QByteArray> written{{QStringLiteral("100"), stock(QStringLiteral("EscTrue")) + "\r\n"},
                                            {QStringLiteral("010"), stock(QStringLiteral("Complete")) + "\r\n"},
                                            {QStringLiteral("001"), stock(QStringLiteral("Reset")) + "\r\n"},
                                            {QStringLiteral("000"), "rem init\r\n"}};
    QCOMPARE(readBytes(sandbox.gameFile(QStringLiteral("mods/bf2142/init.con"))), written[selected]);
    QCOMPARE(readBytes(iniPath), ini(selected));
}

void TestFrmIntro::removeReplacesWholeAndFollowsTheMod()
{
    Sandbox sandbox;
    frmIntro& form = openFromMenu(sandbox, ini(QStringLiteral("000")));
    const QString initCon = sandbox.gameFile(QStringLiteral("mods/bf2142/init.con"));
    writeBytes(initCon, QByteArray(3000, 'x')); // a longer file in place
    QTest::mouseClick(form.optComplete(), Qt::LeftButton);
    for (int press = 0; press < 2; ++press) {
        QTest::mouseClick(form.cmdRemove(), Qt::LeftButton);
        QCOMPARE(readBytes(initCon), stock(QStringLiteral("Complete")) + "\r\n"); // 520 bytes
        QCOMPARE(readBytes(sandbox.programFile(QStringLiteral("intro.ini"))), ini(QStringLiteral("010")));
    }
    QCOMPARE(QDir(sandbox.gameFile(QStringLiteral("mods/bf2142"))).entryList(QDir::Files),
        QStringList { QStringLiteral("init.con") });

    // A mod changed in the game-folder window moves the next write.
    QVERIFY(QDir().mkpath(sandbox.gameFile(QStringLiteral("mods/Other"))));
    Form2::instance().Text1()->setText(QStringLiteral("Other"));
    form.cmdRemove()->click();
    QCOMPARE(readBytes(sandbox.gameFile(QStringLiteral("mods/Other/Init.con"))),
        stock(QStringLiteral("Complete")) + "\r\n");
    QVERIFY(sandbox.dialogs().messages.isEmpty());
}

void TestFrmIntro::failedWriteIsReported_data()
{
    QTest::addColumn<QString>("mod");
    QTest::addColumn<QString>("failing"); // the file whose write fails
    QTest::newRow("mod folder missing") << QStringLiteral("Missing") << QStringLiteral("Init.con");
    QTest::newRow("Init.con write fails") << QStringLiteral("BF2142") << QStringLiteral("init.con");
    QTest::newRow("intro.ini write fails") << QStringLiteral("BF2142") << QStringLiteral("intro.ini");
}

void TestFrmIntro::failedWriteIsReported()
{
    QFETCH(QString, mod);
    QFETCH(QString, failing);
    Sandbox sandbox;
    frmIntro& form = openFromMenu(sandbox, ini(QStringLiteral("010")));
    Form2::instance().Text1()->setText(mod);
    Files::setWriteFault(
        [failing](const QString& path) { return path.endsWith(failing) ? QStringLiteral("disk full") : QString(); });
    form.optReset()->click();
    form.cmdRemove()->click();

    QCOMPARE(sandbox.dialogs().messages.size(), 1);
    const ScriptedDialogs::Message message = sandbox.dialogs().messages.at(0);
    QCOMPARE(message.title, QStringLiteral("Sorvane"));
    QCOMPARE(message.style, MsgBoxStyle::Critical);
    QVERIFY2(message.prompt.contains(failing), qPrintable(message.prompt));
    QVERIFY(form.isVisible());
    QCOMPARE(selection(form), QStringLiteral("001"));
    QVERIFY(!QFileInfo::exists(sandbox.gameFile(QStringLiteral("mods/Missing"))));
    const bool gameFails = failing != QLatin1String("intro.ini");
    QCOMPARE(readBytes(sandbox.gameFile(QStringLiteral("mods/bf2142/init.con"))),
        gameFails ? QByteArray("rem init\r\n") : stock(QStringLiteral("Reset")) + "\r\n");
    QCOMPARE(readBytes(sandbox.programFile(QStringLiteral("intro.ini"))), ini(QStringLiteral("010")));
}

QTEST_MAIN(TestFrmIntro)
#include "tst_frmintro.moc"
