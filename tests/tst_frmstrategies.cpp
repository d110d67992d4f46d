#include "bots/frmStrategies.h"
#include "runtime/Resources.h"
#include "runtime/files/FileServices.h"
#include "shell/Form2.h"
#include "shell/frmMain.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QWindow>

#include <algorithm>

using namespace runtime;

namespace {

QByteArray stock(const char* name)
{
    QFile file(QStringLiteral(":/stock/Strategies_%1.txt").arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing resource>");
}

QList<QByteArray> lines(const QByteArray& crLfText) // without the final empty one
{
    QList<QByteArray> result = crLfText.split('\n');
    result.removeLast();
    for (QByteArray& line : result)
        line.chop(1);
    return result;
}

// Twelve values in the order of the tabs, each as Agression, Attacks, Defences.
using Values = QList<QByteArray>;
const Values DesignValues{"1", "3", "0", "1", "3", "0", "0", "0", "4", "0", "1", "3"};
const Values Reread{"1", "2", "3", "4", "5", "6", "10", "11", "12", "7", "8", "9"}; // from lines "1" to "12"
const QByteArray Keywords[] = {"aiStrategy.Aggression ", "aiStrategy.NumberOfAttacks ", "aiStrategy.NumberOfDefences "};
// Each strategy's value lines in the stock script, and its first value.
const std::pair<int, int> ValueLines[] = {{46, 6}, {53, 0}, {61, 3}, {70, 9}};

QByteArray numberedLines(int count)
{
    QByteArray text;
    for (int i = 1; i <= count; ++i)
        text += QByteArray::number(i) + "\r\n";
    return text;
}

QByteArray expectedSettings(const Values& v)
{
    return Values{v[0], v[1], v[2], v[3], v[4], v[5], v[9], v[10], v[11], v[6], v[7], v[8]}.join("\r\n") + "\r\n";
}

// The stock script with each strategy's value lines generated and followed by
// one more line break, attack neutral out of its comment, and the credit line
// in place of the last five lines.
QByteArray expectedGameFile(const Values& v)
{
    const QList<QByteArray> script = lines(stock("reset"));
    QByteArray out;
    for (int number = 1; number <= 78; ++number) {
        QByteArray line = number >= 60 && number <= 66 ? script[number - 1].mid(4) : script[number - 1];
        for (const auto& [first, value] : ValueLines) {
            if (number >= first && number < first + 3)
                line = Keywords[number - first] + v[value + number - first];
        }
        out += line + (number == 48 || number == 55 || number == 63 || number == 72 ? "\r\n\r\n" : "\r\n");
    }
    return out + "rem Made with Sorvane by " + contactAddress().toLatin1() + "\r\n\r\n";
}

struct Game : Sandbox {
    QString script(const QString& mod = QStringLiteral("bf2142")) const
    {
        return gameFile(QStringLiteral("mods/%1/AI/AIDefaultStrategies.ai").arg(mod));
    }
    QString ini() const { return programFile(QStringLiteral("strategies.ini")); }
    // A game folder that passes the check, and the editor opened from the menu.
    frmStrategies& open(bool aiFolder = true) const
    {
        makeGame();
        if (aiFolder)
            QDir().mkpath(gameFile(QStringLiteral("mods/bf2142/AI")));
        storeLocation(gameFolder());
        frmMain::instance().Label10_Click();
        return frmStrategies::instance();
    }
};

QList<TextBox*> boxes(frmStrategies& f)
{
    return {f.txtAttackEnemyAgression(),   f.txtAttackEnemyAttacks(),   f.txtAttackEnemyDefences(),
            f.txtAttackNeutralAgression(), f.txtAttackNeutralAttacks(), f.txtAttackNeutralDefences(),
            f.txtGuardAgression(),         f.txtGuardAttacks(),         f.txtGuardDefences(),
            f.txtDefendAgression(),        f.txtDefendAttacks(),        f.txtDefendDefences()};
}

Values shownValues(frmStrategies& f)
{
    Values values;
    for (TextBox* box : boxes(f))
        values << box->text().toLatin1();
    return values;
}

} // namespace

class TestFrmStrategies : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void stockTexts();
    void keyboardAndPaste();
    void saveWritesBothFiles_data();
    void saveWritesBothFiles();
    void reopeningRereadsAndSaveFollowsTheMod();
    void resetAndSave_data();
    void resetAndSave();
    void failedWriteIsReported_data();
    void failedWriteIsReported();
};

void TestFrmStrategies::stockTexts()
{
    const std::pair<const char*, qsizetype> sizes[] = {{"reset", 2608},  {"front", 1268},   {"middle1", 157},
                                                       {"middle2", 237}, {"middle3", 234},
                                                       {"end", 190 + 27 + contactAddress().size()}};
    for (const auto& [name, size] : sizes) {
        const QByteArray text = stock(name);
        QCOMPARE(text.size(), size);
        QVERIFY(text.startsWith("\r\n") && text.endsWith("\r\n"));
        QCOMPARE(text.count('\r') + text.count('\n'), 2 * text.count("\r\n"));
        QVERIFY(std::all_of(text.begin(), text.end(), [](char c) { return c > 0; }));
    }
    const QList<QByteArray> script = lines(stock("reset"));
    QCOMPARE(script.size(), 83);
    const std::pair<int, QByteArray> quoted[] = {
        {3, "rem ** Default stuff **"},
        {45, "aiStrategy.createStrategy basicGuard"},
        {49, "aiStrategy.setStrategicObjectsModifier ControlPoint      10.0 Owned"},
        {60, "rem aiStrategy.createStrategy basicAttackNeutral"},
        {66, "rem aiStrategy.setPrerequisite basicNeutralPrereq"},
        {74, "aiStrategy.setStrategicObjectsModifier ControlPoint      20.0 Neutral"},
        {75, "aiStrategy.setPrerequisite basicPrereq"},
        {79, "rem *** Add Strategies ***"},
    };
    for (const auto& [number, text] : quoted)
        QCOMPARE(script[number - 1], text);
    for (const auto& [first, value] : ValueLines) { // the stock values are the design values
        for (int i = 0; i < 3; ++i)
            QCOMPARE(script[first - 1 + i], (first == 61 ? "rem " : "") + Keywords[i] + DesignValues[value + i]);
    }
}

void TestFrmStrategies::keyboardAndPaste()
{
    Sandbox sandbox;
    frmStrategies& form = frmStrategies::instance();
    form.show();
    QCOMPARE(form.window()->windowTitle(), QStringLiteral("Bot Strategie editor"));
    QCOMPARE(form.txtGuardDefences()->parentWidget(), form.SSTab1()->page(2));
    // On the first tab the keyboard goes Agression, Defences, Attacks, Save.
    QVERIFY(QTest::qWaitForWindowActive(form.window()));
    form.txtAttackEnemyAgression()->setFocus();
    for (QWidget* next : std::initializer_list<QWidget*>{form.txtAttackEnemyDefences()->focusProxy(),
                                                         form.txtAttackEnemyAttacks()->focusProxy(), form.Command1()}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    // A pasted line break would shift strategies.ini: a paste keeps its first line.
    auto* edit = form.txtAttackEnemyAttacks()->findChild<QLineEdit*>();
    edit->setCursorPosition(0);
    QApplication::clipboard()->setText(QStringLiteral("1 2\r\n4\n5"));
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClicks(edit, QStringLiteral("x"));
    QCOMPARE(form.txtAttackEnemyAttacks()->text(), QStringLiteral("1 2x3"));
}

void TestFrmStrategies::saveWritesBothFiles_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<bool>("typed");
    QTest::addColumn<Values>("values");
    QTest::addColumn<int>("size");
    QTest::newRow("no settings file: design values") << QByteArray() << false << DesignValues << 2478;
    QTest::newRow("five lines") << QByteArray("a\r\nb\r\nc\r\nd\r\ne\r\n") << false
                                << Values{"a", "b", "c", "d", "e", "0", "0", "0", "4", "0", "1", "3"} << 2478;
    QTest::newRow("fifteen lines") << numberedLines(15) << false << Reread << 2481;
    QTest::newRow("twelve distinct typed")
        << QByteArray() << true << Values{"11", "12", "13", "21", "22", "23", "31", "32", "33", "41", "42", "43"}
        << 2490;
    QTest::newRow("blanks kept, text passes")
        << QByteArray() << true << Values{" 2 ", "3", "0", "1", "-3", "0", "x", "0", "4", "0", "1", "3"} << 2481;
    QTest::newRow("empty Attacks") << QByteArray() << true
                                   << Values{"1", "", "0", "1", "3", "0", "0", "0", "4", "0", "1", "3"} << 2477;
}

void TestFrmStrategies::saveWritesBothFiles()
{
    QFETCH(QByteArray, settings);
    QFETCH(bool, typed);
    QFETCH(Values, values);
    QFETCH(int, size);
    Game game;
    if (!settings.isEmpty())
        writeBytes(game.ini(), settings);
    frmStrategies& form = game.open();
    writeBytes(game.script(), QByteArray(5000, 'x'));
    for (int i = 0; typed && i < 12; ++i) { // as a user types them, tab by tab
        form.SSTab1()->setTab(i / 3);
        auto* edit = boxes(form)[i]->findChild<QLineEdit*>();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, QString::fromLatin1(values[i]));
    }
    QCOMPARE(shownValues(form), values);
    form.Command1()->click();

    QVERIFY(game.dialogs().messages.isEmpty());
    const QByteArray written = readBytes(game.script());
    QCOMPARE(written, expectedGameFile(values));
    QCOMPARE(written.size(), size);
    QCOMPARE(readBytes(game.ini()), expectedSettings(values));
    QVERIFY(written.contains("aiStrategy.createStrategy basicGuard\r\naiStrategy.Aggression " + values[6] + "\r\n"));
}

void TestFrmStrategies::reopeningRereadsAndSaveFollowsTheMod()
{
    Game game;
    frmMain& menu = frmMain::instance();
    menu.Label10_MouseMove();
    frmStrategies& form = game.open();
    QCOMPARE(form.window()->windowHandle()->transientParent(), menu.window()->windowHandle());
    QCOMPARE(menu.Label10()->foreColor(), Colour::Red); // the link keeps its colour
    form.txtGuardAgression()->setText(QStringLiteral("9")); // never saved
    form.SSTab1()->setTab(2);

    form.window()->close();
    QVERIFY(!form.isLoaded());
    writeBytes(game.ini(), numberedLines(12));
    menu.Label10_Click();
    QCOMPARE(shownValues(form), Reread);
    QCOMPARE(form.SSTab1()->tab(), 0);

    QDir().mkpath(game.gameFile(QStringLiteral("mods/Other Mod/AI")));
    Form2::instance().Text1()->setText(QStringLiteral("Other Mod"));
    form.Command1()->click();
    QCOMPARE(readBytes(game.script(QStringLiteral("Other Mod"))), expectedGameFile(Reread));
    QVERIFY(!QFile::exists(game.script()));
}

void TestFrmStrategies::resetAndSave_data()
{
    QTest::addColumn<bool>("remembered");
    QTest::newRow("strategies.ini beforehand") << true;
    QTest::newRow("first use: none") << false;
}

void TestFrmStrategies::resetAndSave()
{
    QFETCH(bool, remembered);
    Game game;
    if (remembered) {
        writeBytes(game.ini(), numberedLines(12));
        writeBytes(game.programFile(QStringLiteral("Strategies.ini")), numberedLines(12)); // a case-sensitive disk
    }
    frmStrategies& form = game.open();
    const QPointer<FormWindow> before = form.window();
    form.SSTab1()->setTab(3);

    form.Command2()->click(); // unloads and shows the window inside its own click
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(before.isNull());
    QVERIFY(game.dialogs().messages.isEmpty());
    QCOMPARE(readBytes(game.script()), stock("reset") + "\r\n"); // 2,610 bytes
    QVERIFY(!QFile::exists(game.ini()) && !QFile::exists(game.programFile(QStringLiteral("Strategies.ini"))));
    QVERIFY(form.isVisible());
    QCOMPARE(form.window()->windowHandle()->transientParent(), nullptr);
    QCOMPARE(form.SSTab1()->tab(), 0);
    QCOMPARE(shownValues(form), DesignValues);

    form.Command1()->click();
    QCOMPARE(readBytes(game.script()), expectedGameFile(DesignValues));
    QCOMPARE(readBytes(game.ini()), expectedSettings(DesignValues)); // 36 bytes
}

void TestFrmStrategies::failedWriteIsReported_data()
{
    QTest::addColumn<bool>("reset");
    QTest::addColumn<QString>("cause");
    QTest::addColumn<QString>("failingFile");
    const QString game = QStringLiteral("AIDefaultStrategies.ai");
    const QString ini = QStringLiteral("strategies.ini");
    QTest::newRow("save: no AI folder") << false << QStringLiteral("no AI folder") << game;
    QTest::newRow("save: game file fails") << false << QStringLiteral("fault") << game;
    QTest::newRow("save: character beyond 8 bits") << false << QStringLiteral("wide") << game;
    QTest::newRow("save: settings fail") << false << QStringLiteral("fault") << ini;
    QTest::newRow("reset: game file fails") << true << QStringLiteral("fault") << game;
    QTest::newRow("reset: folder in place of strategies.ini") << true << QStringLiteral("folder") << ini;
    // A line separator passes the game file as a line break, but not strategies.ini.
    QTest::newRow("save: line separator in a box") << false << QStringLiteral("separator") << ini;
    QTest::newRow("reset: character beyond 8 bits") << true << QStringLiteral("wide") << ini;
}

void TestFrmStrategies::failedWriteIsReported()
{
    QFETCH(bool, reset);
    QFETCH(QString, cause);
    QFETCH(QString, failingFile);
    Game game;
    const QByteArray settingsBefore = expectedSettings(DesignValues);
    if (cause == QLatin1String("folder"))
        QDir().mkpath(game.ini());
    else
        writeBytes(game.ini(), settingsBefore);
    if (cause == QLatin1String("fault")) {
        Files::setWriteFault([failingFile](const QString& hostPath) {
            return hostPath.endsWith(failingFile) ? QStringLiteral("disk full") : QString();
        });
    }
    frmStrategies& form = game.open(cause != QLatin1String("no AI folder"));
    const QPointer<FormWindow> window = form.window();
    const QString typed = cause == QLatin1String("wide")        ? QStringLiteral("\u20ac5")
        : cause == QLatin1String("separator") ? QStringLiteral("5\u20286")
                                              : QStringLiteral("7");
    form.txtAttackEnemyAgression()->setText(typed);
    (reset ? form.Command2() : form.Command1())->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QCOMPARE(game.dialogs().messages.size(), 1);
    QCOMPARE(game.dialogs().messages[0].title, QStringLiteral("Sorvane"));
    QVERIFY(game.dialogs().messages[0].prompt.contains(failingFile));
    if (cause != QLatin1String("folder"))
        QCOMPARE(readBytes(game.ini()), settingsBefore);
    // Only a failure of the file system itself comes after the game file.
    const bool gameFileWritten = cause == QLatin1String("folder")
        || (cause == QLatin1String("fault") && failingFile.endsWith(QLatin1String("ini")));
    QCOMPARE(QFile::exists(game.script()), gameFileWritten);
    // A character that cannot be written is named by its code (U+20AC, U+2028).
    QVERIFY(typed == QLatin1String("7") || game.dialogs().messages[0].prompt.contains(QStringLiteral("U+20")));
    // The window stays with the user's values; once the cause is gone a Save works.
    QVERIFY(!window.isNull() && form.isVisible());
    QCOMPARE(form.txtAttackEnemyAgression()->text(), typed);
    Files::setWriteFault({});
    QDir(game.ini()).removeRecursively();
    QDir().mkpath(game.gameFile(QStringLiteral("mods/bf2142/AI")));
    form.txtAttackEnemyAgression()->setText(QStringLiteral("7"));
    form.Command1()->click();
    QCOMPARE(game.dialogs().messages.size(), 1);
    Values values = DesignValues;
    values[0] = "7";
    QCOMPARE(readBytes(game.script()), expectedGameFile(values));
    QCOMPARE(readBytes(game.ini()), expectedSettings(values));
}

QTEST_MAIN(TestFrmStrategies)
#include "tst_frmstrategies.moc"
