#include "runtime/Form.h"
#include "runtime/Resources.h"
#include "runtime/Twips.h"
#include "shell/Form2.h"
#include "shell/frmAbout.h"
#include "shell/frmAboutUitbreiding.h"
#include "shell/frmMain.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace runtime;

// The timers are driven by calling their handlers; no test spins the event
// loop while a timer runs, so no real tick comes in between.

namespace {

// Calls a window's timer handler as the timer would, `times` ticks.
template <typename W>
void tick(W& form, int times)
{
    for (int i = 0; i < times; ++i)
        form.Timer1_Timer();
}

QWindow* ownerOf(Form& form)
{
    return form.window()->windowHandle()->transientParent();
}

// Opens the pair the way a logo does, from the main menu or the game-folder
// window, or the about box alone as the maximum-bots window does.
void open(const QString& opener)
{
    if (opener == QLatin1String("frmMain")) {
        frmMain::instance().show();
        frmMain::instance().Image1_Click();
    } else if (opener == QLatin1String("Form2")) {
        Form2::instance().show();
        Form2::instance().Image1_Click();
    } else {
        frmAbout::instance().load();
        frmAbout::instance().show(nullptr);
    }
}

} // namespace

class TestFrmAbout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aboutBoxGrowth_data();
    void aboutBoxGrowth();
    void panelGrowthRevealsAboutBoxLast_data();
    void panelGrowthRevealsAboutBoxLast();
    void pairOpensAsOneBlock_data();
    void pairOpensAsOneBlock();
    void okClosesBothAndShowsMainMenu_data();
    void okClosesBothAndShowsMainMenu();
    void enterAndEscPressOk_data();
    void enterAndEscPressOk();
    void secondLogoClickOnlyBringsForward();
    void unloadedAboutBoxComesBackCollapsed_data();
    void unloadedAboutBoxComesBackCollapsed();
    void okKeepsProgramRunningWhenOpenerIsGone();
    void okMidGrowthClosesForGood();
    void aboutBoxTakesTheKeysAfterLogoClick();
};

void TestFrmAbout::aboutBoxGrowth_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("running");
    QTest::newRow("collapsed at load") << 90 << 0 << 90 << true;
    QTest::newRow("one step") << 90 << 1 << 115 << true;
    QTest::newRow("one step short") << 90 << 62 << 1640 << true;
    QTest::newRow("lands on 1665") << 90 << 63 << 1665 << false;
    QTest::newRow("off the grid, one step short") << 100 << 62 << 1650 << true;
    QTest::newRow("off the grid, kept past 1665") << 100 << 63 << 1675 << false;
}

void TestFrmAbout::aboutBoxGrowth()
{
    QFETCH(int, start);
    QFETCH(int, ticks);
    QFETCH(int, height);
    QFETCH(bool, running);
    Sandbox sandbox;
    frmAbout& about = frmAbout::instance();
    about.show(nullptr);
    if (start != about.height())
        about.setHeight(start);
    tick(about, ticks);
    QCOMPARE(about.height(), height);
    QCOMPARE(about.Timer1()->isEnabled(), running);
    QCOMPARE(about.width(), 5730);
    QCOMPARE(about.top(), 1500); // grows downward
    QCOMPARE(about.window()->height(), toPixels(height));
}

void TestFrmAbout::panelGrowthRevealsAboutBoxLast_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("running");
    QTest::addColumn<bool>("aboutVisible");
    QTest::newRow("collapsed at load") << 0 << 90 << true << false;
    QTest::newRow("one step") << 1 << 140 << true << false;
    QTest::newRow("one step short") << 67 << 3440 << true << false;
    QTest::newRow("passes 3450 and is set back") << 68 << 3450 << false << true;
}

void TestFrmAbout::panelGrowthRevealsAboutBoxLast()
{
    QFETCH(int, ticks);
    QFETCH(int, height);
    QFETCH(bool, running);
    QFETCH(bool, aboutVisible);
    Sandbox sandbox;
    // The panel alone: its load loads the about box hidden to place it.
    frmAboutUitbreiding& panel = frmAboutUitbreiding::instance();
    panel.show(nullptr);
    frmAbout& about = frmAbout::instance();
    QVERIFY(about.isLoaded());
    about.Timer1()->setEnabled(false);

    tick(panel, ticks);
    QCOMPARE(panel.height(), height);
    QCOMPARE(panel.window()->height(), toPixels(height));
    QCOMPARE(panel.Timer1()->isEnabled(), running);
    QCOMPARE(panel.top(), 945);
    QCOMPARE(about.isVisible(), aboutVisible);
    // Revealing neither moves nor grows the about box.
    QCOMPARE(about.left(), 1815);
    QCOMPARE(about.top(), 945);
    QCOMPARE(about.height(), 90);
}

void TestFrmAbout::pairOpensAsOneBlock_data()
{
    QTest::addColumn<QString>("opener");
    QTest::newRow("main menu's logo") << QStringLiteral("frmMain");
    QTest::newRow("game-folder window's logo") << QStringLiteral("Form2");
}

void TestFrmAbout::pairOpensAsOneBlock()
{
    QFETCH(QString, opener);
    Sandbox sandbox;
    open(opener);
    Form& owner = opener == QLatin1String("frmMain") ? static_cast<Form&>(frmMain::instance()) : Form2::instance();
    frmAbout& about = frmAbout::instance();
    frmAboutUitbreiding& panel = frmAboutUitbreiding::instance();

    QVERIFY(about.isVisible());
    QVERIFY(panel.isVisible());
    QCOMPARE(ownerOf(about), owner.window()->windowHandle());
    QCOMPARE(ownerOf(panel), owner.window()->windowHandle());
    QCOMPARE(about.left(), 1815);
    QCOMPARE(about.top(), 945);
    QCOMPARE(panel.left(), 810);
    QCOMPARE(about.height(), 90);
    QCOMPARE(panel.height(), 90);
    QVERIFY(about.Timer1()->isEnabled());
    QVERIFY(panel.Timer1()->isEnabled());

    tick(about, 63);
    tick(panel, 68);
    QCOMPARE(about.height(), 1665);
    QCOMPARE(panel.height(), 3450);
    QVERIFY(!about.Timer1()->isEnabled());
    QVERIFY(!panel.Timer1()->isEnabled());
    // On screen: no gap or overlap between the two, tops level.
    const QRect aboutPixels = about.window()->frameGeometry();
    const QRect panelPixels = panel.window()->frameGeometry();
    QCOMPARE(aboutPixels.left(), panelPixels.right() + 1);
    QCOMPARE(aboutPixels.top(), panelPixels.top());
    // Every control of the about box is inside it once grown.
    const QRect client = about.window()->client()->rect();
    const QWidget* controls[] = {about.picIcon(), about.lblTitle(), about.lblVersion(), about.Line1(0),
                                 about.Line1(1), about.Label1(), about.cmdOK()};
    for (const QWidget* control : controls)
        QVERIFY2(client.contains(control->geometry()), control->metaObject()->className());
    QCOMPARE(about.Label1()->text(), contactAddress());
}

void TestFrmAbout::okClosesBothAndShowsMainMenu_data()
{
    QTest::addColumn<QString>("opener");
    QTest::newRow("pair from the main menu") << QStringLiteral("frmMain");
    QTest::newRow("pair from the game-folder window, no check passed") << QStringLiteral("Form2");
    QTest::newRow("about box alone") << QStringLiteral("alone");
}

void TestFrmAbout::okClosesBothAndShowsMainMenu()
{
    QFETCH(QString, opener);
    Sandbox sandbox;
    open(opener);
    QCOMPARE(frmMain::instance().isLoaded(), opener == QLatin1String("frmMain"));
    tick(frmAbout::instance(), 63);
    if (opener == QLatin1String("alone"))
        QCOMPARE(frmAbout::instance().left(), 2295); // never moved

    frmAbout::instance().cmdOK()->click();
    QVERIFY(!frmAbout::instance().isLoaded());
    QVERIFY(!frmAboutUitbreiding::instance().isLoaded()); // and not loaded by "OK"
    QVERIFY(frmMain::instance().isVisible());
    QCOMPARE(ownerOf(frmMain::instance()), nullptr);
}

void TestFrmAbout::enterAndEscPressOk_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
}

void TestFrmAbout::enterAndEscPressOk()
{
    QFETCH(int, key);
    Sandbox sandbox;
    open(QStringLiteral("frmMain"));
    frmAbout& about = frmAbout::instance();
    about.Timer1()->setEnabled(false);
    frmAboutUitbreiding::instance().Timer1()->setEnabled(false);
    tick(about, 63);
    about.window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(about.window()));
    QCOMPARE(about.window()->focusWidget(), about.cmdOK()); // first in the tab order

    QTest::keyClick(about.window(), Qt::Key(key));
    QVERIFY(!about.isLoaded());
    QVERIFY(!frmAboutUitbreiding::instance().isLoaded());
    QVERIFY(frmMain::instance().isVisible());
}

void TestFrmAbout::secondLogoClickOnlyBringsForward()
{
    Sandbox sandbox;
    open(QStringLiteral("frmMain"));
    frmAbout& about = frmAbout::instance();
    frmAboutUitbreiding& panel = frmAboutUitbreiding::instance();
    tick(about, 63);
    tick(panel, 30);
    QWidget* const aboutWindow = about.window();
    QWidget* const panelWindow = panel.window();
    QWidget* const button = about.cmdOK();

    frmMain::instance().Image1_Click();
    QCOMPARE(about.window(), aboutWindow);
    QCOMPARE(panel.window(), panelWindow);
    QCOMPARE(about.cmdOK(), button);
    QVERIFY(!about.Timer1()->isEnabled());
    QVERIFY(panel.Timer1()->isEnabled());
    QCOMPARE(about.height(), 1665);
    QCOMPARE(panel.height(), 1590);
    QCOMPARE(about.left(), 1815);
    QCOMPARE(about.top(), 945);
    QVERIFY(about.isVisible());
    QVERIFY(panel.isVisible());
}

void TestFrmAbout::unloadedAboutBoxComesBackCollapsed_data()
{
    QTest::addColumn<bool>("byPanel");
    QTest::newRow("shown again") << false;
    QTest::newRow("revealed by the panel reaching 3450") << true;
}

void TestFrmAbout::unloadedAboutBoxComesBackCollapsed()
{
    QFETCH(bool, byPanel);
    Sandbox sandbox;
    open(QStringLiteral("frmMain"));
    frmAbout& about = frmAbout::instance();
    frmAboutUitbreiding& panel = frmAboutUitbreiding::instance();
    tick(about, 40);
    tick(panel, 40);
    about.lblTitle()->setText(QStringLiteral("changed"));
    QVERIFY(about.unload());

    if (byPanel) {
        tick(panel, 28);
        QCOMPARE(panel.height(), 3450);
    } else {
        about.show(nullptr);
    }
    QVERIFY(about.isVisible());
    QCOMPARE(about.left(), 2295); // nothing moves it next to the panel
    QCOMPARE(about.top(), 1500);
    QCOMPARE(about.width(), 5730);
    QCOMPARE(about.height(), 90);
    QVERIFY(about.Timer1()->isEnabled());
    QCOMPARE(about.lblTitle()->text(), QStringLiteral("Sorvane"));
}

void TestFrmAbout::okKeepsProgramRunningWhenOpenerIsGone()
{
    // The pair opened from the game-folder window, which the user then
    // closed: "OK" unloads the last two windows but shows the main menu in
    // the same handler, so the program must not end.
    Sandbox sandbox;
    open(QStringLiteral("Form2"));
    frmAbout::instance().Timer1()->setEnabled(false);
    frmAboutUitbreiding::instance().Timer1()->setEnabled(false);
    QVERIFY(Form2::instance().unload());

    Form::setQuitWhenNoneLoaded(true);
    auto restore = qScopeGuard([] { Form::setQuitWhenNoneLoaded(false); });
    // The program's own loop: only it can be ended by the last unload.
    QTimer::singleShot(0, frmAbout::instance().cmdOK(), &QPushButton::click);
    QTimer::singleShot(100, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 1);
    QVERIFY(frmMain::instance().isVisible());
}

void TestFrmAbout::okMidGrowthClosesForGood()
{
    // "OK" at different moments of the growth, the real timers running.
    for (int delay = 0; delay < 40; delay += 2) {
        Sandbox sandbox;
        frmMain::instance().show();
        QTest::mouseClick(frmMain::instance().Image1(), Qt::LeftButton);
        QTest::qWait(delay);
        frmAbout::instance().cmdOK()->click();
        QTest::qWait(20);
        QVERIFY(!frmAbout::instance().isLoaded() && !frmAboutUitbreiding::instance().isLoaded());
    }
}

void TestFrmAbout::aboutBoxTakesTheKeysAfterLogoClick()
{
    Sandbox sandbox;
    frmMain::instance().show();
    QTest::mouseClick(frmMain::instance().Image1(), Qt::LeftButton);
    QTRY_COMPARE(QApplication::activeWindow(), frmAbout::instance().window());
    QTest::keyClick(QApplication::activeWindow(), Qt::Key_Return); // where the user's key goes
    QVERIFY(!frmAbout::instance().isLoaded());
    QVERIFY(!frmAboutUitbreiding::instance().isLoaded());
}

QTEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"
