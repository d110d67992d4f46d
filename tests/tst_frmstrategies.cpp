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
#include <QGuiApplication>
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

QByteArray joined(const QList<QByteArray>& lines)
{
    QByteArray text;
    for (const QByteArray& line : lines)
        text += line + "\r\n";
    return text;
}

// Twelve values, strategy by strategy in the order of the tabs, each as
// Agression, Attacks, Defences.
using Values = QList<QByteArray>;
const Values DesignValues{"1", "3", "0", "1", "3", "0", "0", "0", "4", "0", "1", "3"};

QByteArray expectedSettings(const Values& v)
{
    return joined({v[0], v[1], v[2], v[3], v[4], v[5], v[9], v[10], v[11], v[6], v[7], v[8]});
}

// The game file Save must write: the stock script with every strategy's
// value lines replaced by the generated ones and a line break after them,
// attack neutral taken out of its comment, and the credit line in place of
// the last five lines.
QByteArray expectedGameFile(const Values& v)
{
    const QList<QByteArray> script = lines(stock("reset"));
    const std::pair<int, int> blocks[] = {{46, 6}, {53, 0}, {61, 3}, {70, 9}}; // first line, first value
    const QByteArray keywords[] = {"aiStrategy.Aggression ", "aiStrategy.NumberOfAttacks ",
                                   "aiStrategy.NumberOfDefences "};
    QList<QByteArray> out;
    for (int number = 1; number <= 78; ++number) {
        QByteArray line = script[number - 1];
        if (number >= 60 && number <= 66)
            line = line.mid(4);
        for (const auto& [first, value] : blocks) {
            if (number >= first && number < first + 3)
                line = keywords[number - first] + v[value + number - first];
        }
        out << line;
        if (number == 48 || number == 55 || number == 63 || number == 72)
            out << QByteArray();
    }
    out << "rem Made with Sorvane by " + contactAddress().toLatin1();
    return joined(out) + "\r\n";
}

void prepareGame(const Sandbox& sandbox, bool withAiFolder = true)
{
    sandbox.makeGame();
    if (withAiFolder)
        QDir().mkpath(sandbox.gameFile(QStringLiteral("mods/bf2142/AI")));
    sandbox.storeLocation(sandbox.gameFolder());
}

QString gamePath(const Sandbox& sandbox, const QString& mod = QStringLiteral("bf2142"))
{
    return sandbox.gameFile(QStringLiteral("mods/%1/AI/AIDefaultStrategies.ai").arg(mod));
}

QString settingsPath(const Sandbox& sandbox)
{
    return sandbox.programFile(QStringLiteral("strategies.ini"));
}

QList<TextBox*> tabOrderBoxes(frmStrategies& form)
{
    return {form.txtAttackEnemyAgression(),   form.txtAttackEnemyAttacks(),   form.txtAttackEnemyDefences(),
            form.txtAttackNeutralAgression(), form.txtAttackNeutralAttacks(), form.txtAttackNeutralDefences(),
            form.txtGuardAgression(),         form.txtGuardAttacks(),         form.txtGuardDefences(),
            form.txtDefendAgression(),        form.txtDefendAttacks(),        form.txtDefendDefences()};
}

Values shownValues(frmStrategies& form)
{
    Values values;
    for (TextBox* box : tabOrderBoxes(form))
        values << box->text().toLatin1();
    return values;
}

// Types the values into the boxes as a user would, tab by tab.
void typeValues(frmStrategies& form, const Values& values)
{
    const QList<TextBox*> boxes = tabOrderBoxes(form);
    for (int i = 0; i < 12; ++i) {
        form.SSTab1()->setTab(i / 3);
        auto* edit = boxes[i]->findChild<QLineEdit*>();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, QString::fromLatin1(values[i]));
    }
}

} // namespace

class TestFrmStrategies : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void stockTexts();
    void window();
    void saveWritesBothFiles_data();
    void saveWritesBothFiles();
    void loadRestoresValues_data();
    void loadRestoresValues();
    void closeAndReopenRereads();
    void saveGoesToTheSelectedMod();
    void resetAndSave();
    void failedWriteIsReported_data();
    void failedWriteIsReported();
    void pasteKeepsFirstLine();
};

void TestFrmStrategies::stockTexts()
{
    const QByteArray script = stock("reset");
    const QList<QByteArray> s = lines(script);
    QCOMPARE(script.size(), 2608);
    QCOMPARE(s.size(), 83);
    for (const char* name : {"reset", "front", "middle1", "middle2", "middle3", "end"}) {
        const QByteArray text = stock(name);
        QCOMPARE(text.count('\r'), text.count("\r\n"));
        QCOMPARE(text.count('\n'), text.count("\r\n"));
        QVERIFY(text.startsWith("\r\n") && text.endsWith("\r\n"));
        QVERIFY(std::all_of(text.begin(), text.end(), [](char c) { return c > 0; }));
    }
    QCOMPARE(s[2], QByteArray("rem ** Default stuff **"));
    QCOMPARE(s[44], QByteArray("aiStrategy.createStrategy basicGuard"));
    QCOMPARE(joined(s.mid(45, 5)), QByteArray("aiStrategy.Aggression 0\r\naiStrategy.NumberOfAttacks 0\r\n"
                                              "aiStrategy.NumberOfDefences 4\r\naiStrategy.setStrategicObjectsModifier "
                                              "ControlPoint      10.0 Owned\r\naiStrategy.setPrerequisite guardPrereq\r\n"));
    QCOMPARE(s[65], QByteArray("rem aiStrategy.setPrerequisite basicNeutralPrereq"));
    // The value lines are the design values, so with them Save differs from
    // the stock script only in the three ways expectedGameFile() makes.
    const auto unrem = [](QList<QByteArray> part) {
        for (QByteArray& line : part)
            line = line.startsWith("rem ") ? line.mid(4) : line;
        return part;
    };
    const QByteArray enemy = "aiStrategy.Aggression 1\r\naiStrategy.NumberOfAttacks 3\r\naiStrategy.NumberOfDefences 0\r\n";
    QCOMPARE(joined(s.mid(52, 3)), enemy);
    QCOMPARE(joined(unrem(s.mid(60, 3))), enemy);
    QCOMPARE(joined(s.mid(69, 3)),
             QByteArray("aiStrategy.Aggression 0\r\naiStrategy.NumberOfAttacks 1\r\naiStrategy.NumberOfDefences 3\r\n"));
    QCOMPARE(s[68], QByteArray("aiStrategy.createStrategy basicDefend"));
    QCOMPARE(s[73], QByteArray("aiStrategy.setStrategicObjectsModifier ControlPoint      20.0 Neutral"));
    QCOMPARE(s[74], QByteArray("aiStrategy.setPrerequisite basicPrereq"));
    QCOMPARE(s[78], QByteArray("rem *** Add Strategies ***"));
    QVERIFY(s[82].startsWith("rem "));
    // The pieces are cut from the script.
    QCOMPARE(stock("front"), joined(s.mid(0, 45)));
    QCOMPARE(stock("middle1"), "\r\n" + joined(s.mid(48, 4)));
    QCOMPARE(stock("middle2"), "\r\n" + joined(s.mid(55, 4) + unrem({s[59]})));
    QCOMPARE(stock("middle3"), "\r\n" + joined(unrem(s.mid(63, 5)) + s.mid(68, 1)));
    QCOMPARE(stock("end"), "\r\n" + joined(s.mid(72, 6)) + "rem Made with Sorvane by " + contactAddress().toLatin1()
                               + "\r\n");
    const std::pair<const char*, qsizetype> sizes[] = {
        {"front", 1268}, {"middle1", 157}, {"middle2", 237}, {"middle3", 234}, {"end", 190 + 27 + contactAddress().size()}};
    for (const auto& [name, size] : sizes)
        QCOMPARE(stock(name).size(), size);
}

void TestFrmStrategies::window()
{
    Sandbox sandbox;
    frmStrategies& form = frmStrategies::instance();
    form.show();
    QCOMPARE(form.window()->windowTitle(), QStringLiteral("Bot Strategie editor"));
    QCOMPARE(form.window()->client()->size(), QSize(505, 161));
    QVERIFY(form.window()->isFixedSize());
    TabControl* tabs = form.SSTab1();
    QCOMPARE(tabs->tabBar()->count(), 4);
    QCOMPARE(tabs->tabBar()->tabText(1), QStringLiteral("Attack Neutral Base"));
    QCOMPARE(tabs->tabBar()->tabText(2), QStringLiteral("Guard"));
    QCOMPARE(tabs->tab(), 0);
    QCOMPARE(shownValues(form), DesignValues);
    QCOMPARE(form.Label11()->text(), QStringLiteral("Attack:"));
    QCOMPARE(form.Label11()->parentWidget(), tabs->page(3));
    QCOMPARE(form.txtGuardDefences()->parentWidget(), tabs->page(2));
    QCOMPARE(form.Label13()->foreColor(), Colour::Red);
    QVERIFY(form.txtFinal()->isHidden() && form.txtReset()->isHidden() && form.Text1()->isHidden());
    QCOMPARE(form.Text1()->text(), sandbox.programFolder() + QStringLiteral("\\strategies.ini"));

    // On the first tab the keyboard goes Agression, Defences, Attacks, Save.
    QVERIFY(QTest::qWaitForWindowActive(form.window()));
    form.txtAttackEnemyAgression()->setFocus();
    for (QWidget* next : std::initializer_list<QWidget*>{form.txtAttackEnemyDefences()->focusProxy(),
                                                         form.txtAttackEnemyAttacks()->focusProxy(), form.Command1()}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void TestFrmStrategies::saveWritesBothFiles_data()
{
    QTest::addColumn<Values>("values");
    QTest::addColumn<int>("size");
    QTest::newRow("design values") << DesignValues << 2478;
    QTest::newRow("twelve distinct") << Values{"11", "12", "13", "21", "22", "23", "31", "32", "33", "41", "42", "43"}
                                     << 2490;
    QTest::newRow("blanks kept, text passes") << Values{" 2 ", "3", "0", "1", "-3", "0", "x", "0", "4", "0", "1", "3"}
                                              << 2481;
    QTest::newRow("empty Attacks") << Values{"1", "", "0", "1", "3", "0", "0", "0", "4", "0", "1", "3"} << 2477;
}

void TestFrmStrategies::saveWritesBothFiles()
{
    QFETCH(Values, values);
    QFETCH(int, size);
    Sandbox sandbox;
    prepareGame(sandbox);
    writeBytes(gamePath(sandbox), QByteArray(5000, 'x'));

    frmMain::instance().Label10_Click();
    frmStrategies& form = frmStrategies::instance();
    typeValues(form, values);
    form.Command1()->click();

    QVERIFY(sandbox.dialogs().messages.isEmpty());
    const QByteArray written = readBytes(gamePath(sandbox));
    QCOMPARE(written, expectedGameFile(values));
    QCOMPARE(written.size(), size);
    QCOMPARE(readBytes(settingsPath(sandbox)), expectedSettings(values));
    QVERIFY(written.endsWith("rem Made with Sorvane by " + contactAddress().toLatin1() + "\r\n\r\n"));
    // Guard's block comes first, right after its creation line.
    QVERIFY(written.contains("aiStrategy.createStrategy basicGuard\r\naiStrategy.Aggression " + values[6] + "\r\n"));
    QVERIFY(form.isVisible());
}

void TestFrmStrategies::loadRestoresValues_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<Values>("values");
    QTest::newRow("no file") << QByteArray() << DesignValues;
    QTest::newRow("five lines") << QByteArray("a\r\nb\r\nc\r\nd\r\ne\r\n")
                                << Values{"a", "b", "c", "d", "e", "0", "0", "0", "4", "0", "1", "3"};
    QTest::newRow("fifteen lines") << QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n 12 \r\n"
                                                 "13\r\n14\r\n15\r\n")
                                   << Values{"1", "2", "3", "4", "5", "6", "10", "11", " 12 ", "7", "8", "9"};
}

void TestFrmStrategies::loadRestoresValues()
{
    QFETCH(QByteArray, settings);
    QFETCH(Values, values);
    Sandbox sandbox;
    prepareGame(sandbox);
    if (!settings.isEmpty())
        writeBytes(settingsPath(sandbox), settings);

    frmStrategies& form = frmStrategies::instance();
    form.show();
    QCOMPARE(shownValues(form), values);
    form.Command1()->click();
    QVERIFY(sandbox.dialogs().messages.isEmpty());
    QCOMPARE(readBytes(settingsPath(sandbox)), expectedSettings(values));
    QCOMPARE(readBytes(gamePath(sandbox)), expectedGameFile(values));
}

void TestFrmStrategies::closeAndReopenRereads()
{
    Sandbox sandbox;
    prepareGame(sandbox);
    frmMain& menu = frmMain::instance();
    menu.Label10_MouseMove();
    menu.Label10_Click();
    frmStrategies& form = frmStrategies::instance();
    QCOMPARE(form.window()->windowHandle()->transientParent(), menu.window()->windowHandle());
    QCOMPARE(menu.Label10()->foreColor(), Colour::Red);
    form.SSTab1()->setTab(2);
    form.txtGuardAgression()->setText(QStringLiteral("9")); // never saved

    form.window()->close();
    QVERIFY(!form.isLoaded());
    writeBytes(settingsPath(sandbox), "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12\r\n");
    menu.Label10_Click();
    QCOMPARE(shownValues(form), (Values{"1", "2", "3", "4", "5", "6", "10", "11", "12", "7", "8", "9"}));
    QCOMPARE(form.SSTab1()->tab(), 0);
}

void TestFrmStrategies::saveGoesToTheSelectedMod()
{
    Sandbox sandbox;
    prepareGame(sandbox);
    frmStrategies& form = frmStrategies::instance();
    form.show();
    form.Command1()->click();
    QDir().mkpath(sandbox.gameFile(QStringLiteral("mods/Other Mod/AI")));
    Form2::instance().Text1()->setText(QStringLiteral("Other Mod"));
    form.txtDefendAttacks()->setText(QStringLiteral("5"));
    form.Command1()->click();

    QCOMPARE(readBytes(gamePath(sandbox)), expectedGameFile(DesignValues));
    Values changed = DesignValues;
    changed[10] = "5";
    QCOMPARE(readBytes(gamePath(sandbox, QStringLiteral("Other Mod"))), expectedGameFile(changed));
}

void TestFrmStrategies::resetAndSave()
{
    Sandbox sandbox;
    prepareGame(sandbox);
    writeBytes(settingsPath(sandbox), expectedSettings({"5", "5", "5", "6", "6", "6", "7", "7", "7", "8", "8", "8"}));
    frmMain::instance().Label10_Click();
    frmStrategies& form = frmStrategies::instance();
    const QPointer<FormWindow> before = form.window();
    form.SSTab1()->setTab(3);

    form.Command2()->click(); // unloads and shows the window from inside its own click
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(before.isNull());
    QVERIFY(sandbox.dialogs().messages.isEmpty());
    QCOMPARE(readBytes(gamePath(sandbox)), stock("reset") + "\r\n");
    QCOMPARE(readBytes(gamePath(sandbox)).size(), 2610);
    QVERIFY(!QFile::exists(settingsPath(sandbox)));
    QVERIFY(form.isVisible());
    QCOMPARE(form.window()->windowHandle()->transientParent(), nullptr);
    QCOMPARE(form.SSTab1()->tab(), 0);
    QCOMPARE(shownValues(form), DesignValues);

    form.Command1()->click();
    QCOMPARE(readBytes(gamePath(sandbox)), expectedGameFile(DesignValues));
    QCOMPARE(readBytes(settingsPath(sandbox)).size(), 36);
}

void TestFrmStrategies::failedWriteIsReported_data()
{
    QTest::addColumn<bool>("reset");
    QTest::addColumn<QString>("cause");
    QTest::addColumn<QString>("failingFile");
    const QString game = QStringLiteral("AIDefaultStrategies.ai");
    const QString ini = QStringLiteral("strategies.ini");
    for (const bool reset : {false, true}) {
        const char* handler = reset ? "reset" : "save";
        QTest::addRow("%s: no AI folder", handler) << reset << QStringLiteral("no AI folder") << game;
        QTest::addRow("%s: game file fails", handler) << reset << QStringLiteral("fault") << game;
        QTest::addRow("%s: folder in place of strategies.ini", handler) << reset << QStringLiteral("folder") << ini;
        QTest::addRow("%s: settings fail", handler) << reset << QStringLiteral("fault") << ini;
    }
    QTest::newRow("save: character beyond 8 bits") << false << QStringLiteral("wide") << game;
    QTest::newRow("reset: character beyond 8 bits") << true << QStringLiteral("wide") << ini;
}

void TestFrmStrategies::failedWriteIsReported()
{
    QFETCH(bool, reset);
    QFETCH(QString, cause);
    QFETCH(QString, failingFile);
    Sandbox sandbox;
    prepareGame(sandbox, cause != QLatin1String("no AI folder"));
    const QByteArray settingsBefore = expectedSettings(DesignValues);
    if (cause == QLatin1String("folder"))
        QDir().mkpath(settingsPath(sandbox));
    else
        writeBytes(settingsPath(sandbox), settingsBefore);
    if (cause == QLatin1String("fault")) {
        Files::setWriteFault([failingFile](const QString& hostPath) {
            return hostPath.endsWith(failingFile) ? QStringLiteral("disk full") : QString();
        });
    }
    frmStrategies& form = frmStrategies::instance();
    form.show();
    const QPointer<FormWindow> window = form.window();
    const QString typed = cause == QLatin1String("wide") ? QStringLiteral("\u20ac5") : QStringLiteral("7");
    form.txtAttackEnemyAgression()->setText(typed);
    (reset ? form.Command2() : form.Command1())->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QCOMPARE(sandbox.dialogs().messages.size(), 1);
    QCOMPARE(sandbox.dialogs().messages[0].title, QStringLiteral("Sorvane"));
    QVERIFY2(sandbox.dialogs().messages[0].prompt.contains(failingFile), qPrintable(sandbox.dialogs().messages[0].prompt));
    if (cause != QLatin1String("folder"))
        QCOMPARE(readBytes(settingsPath(sandbox)), settingsBefore);
    if (failingFile.endsWith(QLatin1String(".ai")))
        QVERIFY(!QFile::exists(gamePath(sandbox)));
    // The window stays, with the user's values.
    QVERIFY(!window.isNull() && form.isVisible());
    QCOMPARE(form.txtAttackEnemyAgression()->text(), typed);

    // Once the cause is gone, a Save works.
    Files::setWriteFault({});
    QDir(settingsPath(sandbox)).removeRecursively();
    QDir().mkpath(sandbox.gameFile(QStringLiteral("mods/bf2142/AI")));
    form.txtAttackEnemyAgression()->setText(QStringLiteral("7"));
    form.Command1()->click();
    QCOMPARE(sandbox.dialogs().messages.size(), 1);
    Values values = DesignValues;
    values[0] = "7";
    QCOMPARE(readBytes(gamePath(sandbox)), expectedGameFile(values));
    QCOMPARE(readBytes(settingsPath(sandbox)), expectedSettings(values));
}

void TestFrmStrategies::pasteKeepsFirstLine()
{
    Sandbox sandbox;
    frmStrategies& form = frmStrategies::instance();
    form.show();
    auto* edit = form.txtAttackEnemyAttacks()->findChild<QLineEdit*>();
    edit->setCursorPosition(0);
    QGuiApplication::clipboard()->setText(QStringLiteral("1 2\r\n4\n5"));
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(form.txtAttackEnemyAttacks()->text(), QStringLiteral("1 23"));
    QCOMPARE(edit->text(), QStringLiteral("1 23"));
    QCOMPARE(edit->cursorPosition(), 3);
    QTest::keyClicks(edit, QStringLiteral("x"));
    QCOMPARE(form.txtAttackEnemyAttacks()->text(), QStringLiteral("1 2x3"));
}

QTEST_MAIN(TestFrmStrategies)
#include "tst_frmstrategies.moc"
