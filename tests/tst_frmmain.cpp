#include "runtime/Dialogs.h"
#include "runtime/Twips.h"
#include "shell/Form2.h"
#include "shell/frmMain.h"
#include "support/TestSupport.h"

#include <QTest>

using namespace runtime;

namespace {

// The nine labels that take part in the highlight, by name.
QList<QPair<QString, Label*>> linkLabels(frmMain& menu)
{
    return {
        {QStringLiteral("Label1"), menu.Label1()}, {QStringLiteral("Label2"), menu.Label2()},
        {QStringLiteral("Label4"), menu.Label4()}, {QStringLiteral("Label5"), menu.Label5()},
        {QStringLiteral("Label6"), menu.Label6()}, {QStringLiteral("Label7"), menu.Label7()},
        {QStringLiteral("Label9"), menu.Label9()}, {QStringLiteral("Label10"), menu.Label10()},
        {QStringLiteral("Label11"), menu.Label11()},
    };
}

// Colours of the nine labels, "Label1=255 Label2=0 ...".
QString colours(frmMain& menu)
{
    QStringList parts;
    for (const auto& [name, label] : linkLabels(menu))
        parts << QStringLiteral("%1=%2").arg(name).arg(label->foreColor());
    return parts.join(QLatin1Char(' '));
}

QString expectedColours(frmMain& menu, const QString& red)
{
    QStringList parts;
    for (const auto& [name, label] : linkLabels(menu))
        parts << QStringLiteral("%1=%2").arg(name).arg(name == red ? Colour::Red : Colour::Black);
    return parts.join(QLatin1Char(' '));
}

// Moves the pointer to a point of the client area given in twips.
void moveTo(frmMain& menu, int xTwips, int yTwips)
{
    QTest::mouseMove(menu.window()->client(), QPoint(toPixels(xTwips), toPixels(yTwips)));
}

} // namespace

class TestFrmMain : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void designValues();
    void hover_data();
    void hover();
    void logoAndContactChangeNothing();
    void clickColours_data();
    void clickColours();
    void changeModShowsGameFolderWindow();
    void exitQuestion_data();
    void exitQuestion();
    void closingByWindowSystemAsksToo();
};

void TestFrmMain::designValues()
{
    Sandbox sandbox;
    frmMain& menu = frmMain::instance();
    menu.setVisible(true);
    QCOMPARE(menu.window()->windowTitle(), QStringLiteral("Sorvane"));
    QVERIFY(menu.window()->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(menu.window()->size(), QSize(800, 533));
    // Three labels start in the system's text colour, the other six black.
    QCOMPARE(colours(menu), QStringLiteral("Label1=0 Label2=-1 Label4=0 Label5=0 Label6=0 Label7=0 Label9=0 "
                                           "Label10=-1 Label11=-1"));
    QCOMPARE(menu.Label5()->text(), QStringLiteral("Change Bot Names"));
    // At its design place; it may grow to the right where the font needs it.
    const QRect design = twipsRect(240, 5280, 6015, 615);
    QCOMPARE(menu.Label11()->geometry().topLeft(), design.topLeft());
    QCOMPARE(menu.Label11()->height(), design.height());
    QVERIFY(menu.Label11()->width() >= design.width());
    QCOMPARE(menu.Label3()->foreColor(), Colour::Orange);
    QVERIFY(menu.Label8()->isHidden());
}

void TestFrmMain::hover_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QString>("red");
    QTest::newRow("background") << 9000 << 4000 << QString();
    QTest::newRow("Change Bot Names") << 600 << 400 << QStringLiteral("Label5");
    QTest::newRow("Change Bot Strategies") << 600 << 1100 << QStringLiteral("Label10");
    QTest::newRow("Change Max Bots") << 600 << 1800 << QStringLiteral("Label1");
    QTest::newRow("Remove intro") << 600 << 2500 << QStringLiteral("Label7");
    QTest::newRow("Score Editor") << 600 << 3200 << QStringLiteral("Label6");
    QTest::newRow("Tweak Editor") << 600 << 3900 << QStringLiteral("Label4");
    QTest::newRow("Forum") << 600 << 4700 << QStringLiteral("Label9");
    QTest::newRow("Change mod / BF2142 path") << 600 << 5400 << QStringLiteral("Label11");
    QTest::newRow("X") << 11580 << 360 << QStringLiteral("Label2");
    QTest::newRow("hidden version label counts as background") << 300 << 7800 << QString();
}

void TestFrmMain::hover()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QString, red);
    Sandbox sandbox;
    frmMain& menu = frmMain::instance();
    menu.setVisible(true);
    QVERIFY(QTest::qWaitForWindowExposed(menu.window()));
    // Start from another highlighted label so every label has to change.
    moveTo(menu, 600, red == QLatin1String("Label9") ? 5400 : 4700);
    moveTo(menu, x, y);
    QCOMPARE(colours(menu), expectedColours(menu, red));
}

void TestFrmMain::logoAndContactChangeNothing()
{
    Sandbox sandbox;
    frmMain& menu = frmMain::instance();
    menu.setVisible(true);
    QVERIFY(QTest::qWaitForWindowExposed(menu.window()));
    moveTo(menu, 600, 1800);
    const QString before = colours(menu);
    QCOMPARE(before, expectedColours(menu, QStringLiteral("Label1")));
    moveTo(menu, 11300, 1100); // the logo
    QCOMPARE(colours(menu), before);
    moveTo(menu, 9000, 7700); // the contact address
    QCOMPARE(colours(menu), before);
}

void TestFrmMain::clickColours_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<bool>("turnsBlack");
    QTest::newRow("Change Max Bots") << QStringLiteral("Label1") << true;
    QTest::newRow("Change Bot Names") << QStringLiteral("Label5") << true;
    QTest::newRow("Score Editor") << QStringLiteral("Label6") << true;
    QTest::newRow("Remove intro") << QStringLiteral("Label7") << true;
    QTest::newRow("Forum") << QStringLiteral("Label9") << true;
    QTest::newRow("Change mod / BF2142 path") << QStringLiteral("Label11") << true;
    QTest::newRow("Change Bot Strategies") << QStringLiteral("Label10") << false;
    QTest::newRow("Tweak Editor") << QStringLiteral("Label4") << false;
}

void TestFrmMain::clickColours()
{
    QFETCH(QString, link);
    QFETCH(bool, turnsBlack);
    Sandbox sandbox;
    frmMain& menu = frmMain::instance();
    menu.setVisible(true);
    moveTo(menu, 9000, 4000);
    Label* label = nullptr;
    for (const auto& [name, candidate] : linkLabels(menu)) {
        if (name == link)
            label = candidate;
    }
    QVERIFY(label);
    QTest::mouseMove(label, label->rect().center());
    QCOMPARE(label->foreColor(), Colour::Red);
    QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
    QCOMPARE(label->foreColor(), turnsBlack ? Colour::Black : Colour::Red);
}

void TestFrmMain::changeModShowsGameFolderWindow()
{
    Sandbox sandbox;
    sandbox.makeGame();
    sandbox.storeLocation(sandbox.gameFolder());
    Form2::instance().load(); // start-up: the check passes and opens the menu
    frmMain& menu = frmMain::instance();
    QVERIFY(menu.isVisible());
    QVERIFY(!Form2::instance().isVisible());

    menu.Label11_Click();
    QVERIFY(Form2::instance().isVisible());
    QVERIFY(menu.isVisible());

    // Closed, it comes back through the same link loaded afresh and visible,
    // although its load passed the check.
    Form2::instance().window()->close();
    menu.Label11_Click();
    QVERIFY(Form2::instance().isLoaded());
    QVERIFY(Form2::instance().isVisible());
    QVERIFY(sandbox.dialogs().messages.isEmpty());
}

void TestFrmMain::exitQuestion_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("ends");
    QTest::newRow("No") << MsgBoxResult::No << 0;
    QTest::newRow("Yes") << MsgBoxResult::Yes << 1;
}

void TestFrmMain::exitQuestion()
{
    QFETCH(int, answer);
    QFETCH(int, ends);
    Sandbox sandbox;
    frmMain& menu = frmMain::instance();
    menu.setVisible(true);
    moveTo(menu, 9000, 4000);
    QTest::mouseMove(menu.Label2(), menu.Label2()->rect().center());
    sandbox.dialogs().answers << answer;
    QTest::mouseClick(menu.Label2(), Qt::LeftButton, {}, menu.Label2()->rect().center());

    QCOMPARE(sandbox.dialogs().messages.size(), 1);
    const auto& message = sandbox.dialogs().messages.first();
    QCOMPARE(message.prompt, QStringLiteral("Are you sure you want exit?"));
    QCOMPARE(message.title, QStringLiteral("Sorvane"));
    QCOMPARE(message.style, 68);
    QCOMPARE(sandbox.dialogs().endRequests, ends);
    QCOMPARE(menu.Label2()->foreColor(), Colour::Red); // the "X" keeps its colour
    QVERIFY(menu.isVisible());
}

void TestFrmMain::closingByWindowSystemAsksToo()
{
    Sandbox sandbox;
    frmMain& menu = frmMain::instance();
    menu.setVisible(true);
    sandbox.dialogs().answers << MsgBoxResult::No;
    menu.window()->close();
    QVERIFY(menu.isVisible());
    QCOMPARE(sandbox.dialogs().endRequests, 0);

    sandbox.dialogs().answers << MsgBoxResult::Yes;
    menu.window()->close();
    QCOMPARE(sandbox.dialogs().messages.size(), 2);
    QCOMPARE(sandbox.dialogs().endRequests, 1);
}

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
