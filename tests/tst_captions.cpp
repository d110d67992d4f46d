#include "bots/Form1.h"
#include "bots/frmStrategies.h"
#include "runtime/Application.h"
#include "runtime/Controls.h"
#include "runtime/Twips.h"
#include "scripts/frmIntro.h"
#include "scripts/frmScore2.h"
#include "scripts/frmSearch.h"
#include "scripts/frmTweak.h"
#include "shell/Form2.h"
#include "shell/frmAbout.h"
#include "shell/frmMain.h"
#include "shell/frmNote.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QTest>

#include <functional>

using namespace runtime;

namespace {

// One control of a window at its design values: caption (none for a control
// without one, or with a text of the implementer's), position and size in
// twips, and for a control on the strategy editor's tab control its tab.
struct DesignRow {
    const char* name;
    std::function<QWidget*()> control;
    const char* caption;
    int left, top, width, height;
    int tab = -1;
};

#define CONTROL(Window, member) #Window "." #member, [] { return static_cast<QWidget*>(Window::instance().member()); }

const DesignRow designRows[] = {
    {CONTROL(Form2, Drive1), nullptr, 120, 120, 4455, 315},
    {CONTROL(Form2, Dir1), nullptr, 120, 480, 4455, 4590},
    {CONTROL(Form2, Label1), "Please select your BF2142 folder.", 4680, 120, 2415, 255},
    {CONTROL(Form2, Command1), "Select", 4680, 480, 2415, 495},
    {CONTROL(Form2, Label2), "Select Mod:", 4680, 1080, 855, 255},
    {CONTROL(Form2, Text1), "BF2142", 4680, 1320, 2415, 300},
    {CONTROL(Form2, Image1), nullptr, 6120, 4200, 1020, 900},
    {CONTROL(frmMain, Label5), "Change Bot Names", 240, 240, 4215, 615},
    {CONTROL(frmMain, Label10), "Change Bot Strategies", 240, 960, 4815, 615},
    {CONTROL(frmMain, Label1), "Change Max Bots", 240, 1680, 3855, 615},
    {CONTROL(frmMain, Label7), "Remove intro", 240, 2400, 2895, 615},
    {CONTROL(frmMain, Label6), "Score Editor", 240, 3120, 2775, 615},
    {CONTROL(frmMain, Label4), "Tweak Editor", 240, 3840, 2895, 615},
    {CONTROL(frmMain, Label9), "Forum", 240, 4560, 1455, 615},
    {CONTROL(frmMain, Label11), "Change mod / BF2142 path", 240, 5280, 6015, 615},
    {CONTROL(frmMain, Label2), "X", 11400, 120, 375, 495},
    {CONTROL(frmMain, Image1), nullptr, 10800, 720, 1020, 900},
    {CONTROL(frmMain, Label3), nullptr, 8640, 7560, 3255, 375},
    {CONTROL(frmMain, Label8), "V3.4", 120, 7680, 495, 255},
    {CONTROL(frmAbout, picIcon), nullptr, 120, 240, 540, 540},
    {CONTROL(frmAbout, lblTitle), "Sorvane", 960, 240, 1605, 240},
    {CONTROL(frmAbout, lblVersion), "Version 3.4.0", 960, 600, 1005, 225},
    {CONTROL(frmAbout, Label1), nullptr, 960, 1200, 1935, 255},
    {CONTROL(frmAbout, cmdOK), "OK", 4245, 1200, 1260, 345},
    {CONTROL(frmNote, rtb), "Type here your notes.", 120, 120, 7935, 5175},
    {CONTROL(frmNote, Command1), "Save", 120, 5400, 1695, 375},
    {CONTROL(Form1, Slider1), nullptr, 0, 120, 6255, 675},
    {CONTROL(Form1, Label1), "Selected bots: 16", 120, 840, 1695, 255},
    {CONTROL(Form1, Label2), "Default bots: 16", 120, 1080, 1335, 255},
    {CONTROL(Form1, Label3), "Warning: 256 bots can make the game very slow!!!", 120, 1320, 3735, 255},
    {CONTROL(frmStrategies, SSTab1), "Attack Enemy Base|Attack Neutral Base|Guard|Defend", 0, 0, 7605, 1815},
    {CONTROL(frmStrategies, Label1), "Agression:", 120, 600, 1695, 255, 0},
    {CONTROL(frmStrategies, txtAttackEnemyAgression), "1", 1920, 600, 975, 285, 0},
    {CONTROL(frmStrategies, Label2), "Attack:", 120, 960, 1695, 255, 0},
    {CONTROL(frmStrategies, txtAttackEnemyAttacks), "3", 1920, 960, 975, 285, 0},
    {CONTROL(frmStrategies, Label3), "Defence:", 120, 1320, 1695, 255, 0},
    {CONTROL(frmStrategies, txtAttackEnemyDefences), "0", 1920, 1320, 975, 285, 0},
    {CONTROL(frmStrategies, Label4), "Agression:", 120, 600, 1695, 255, 1},
    {CONTROL(frmStrategies, txtAttackNeutralAgression), "1", 1920, 600, 975, 285, 1},
    {CONTROL(frmStrategies, Label5), "Attack:", 120, 960, 1695, 255, 1},
    {CONTROL(frmStrategies, txtAttackNeutralAttacks), "3", 1920, 960, 975, 285, 1},
    {CONTROL(frmStrategies, Label6), "Defence:", 120, 1320, 1695, 255, 1},
    {CONTROL(frmStrategies, txtAttackNeutralDefences), "0", 1920, 1320, 975, 285, 1},
    {CONTROL(frmStrategies, Label7), "Agression:", 120, 600, 1695, 255, 2},
    {CONTROL(frmStrategies, txtGuardAgression), "0", 1920, 600, 975, 285, 2},
    {CONTROL(frmStrategies, Label8), "Attack:", 120, 960, 1695, 255, 2},
    {CONTROL(frmStrategies, txtGuardAttacks), "0", 1920, 960, 975, 285, 2},
    {CONTROL(frmStrategies, Label9), "Defence:", 120, 1320, 1695, 255, 2},
    {CONTROL(frmStrategies, txtGuardDefences), "4", 1920, 1320, 975, 285, 2},
    {CONTROL(frmStrategies, Label10), "Agression:", 120, 600, 1695, 255, 3},
    {CONTROL(frmStrategies, txtDefendAgression), "0", 1920, 600, 975, 285, 3},
    {CONTROL(frmStrategies, Label11), "Attack:", 120, 960, 1695, 255, 3},
    {CONTROL(frmStrategies, txtDefendAttacks), "1", 1920, 960, 975, 285, 3},
    {CONTROL(frmStrategies, Label12), "Defence:", 120, 1320, 1695, 255, 3},
    {CONTROL(frmStrategies, txtDefendDefences), "3", 1920, 1320, 975, 285, 3},
    {CONTROL(frmStrategies, Command1), "Save", 120, 1920, 1335, 375},
    {CONTROL(frmStrategies, Command2), "Reset and Save", 1680, 1920, 1335, 375},
    {CONTROL(frmStrategies, Label13), "If you don't know what this does exactly, don't change anything here!", 3120,
     1920, 4335, 495},
    {CONTROL(frmScore2, Label1), "Kill", 120, 120, 255, 255},
    {CONTROL(frmScore2, txtKill), "1", 960, 120, 855, 285},
    {CONTROL(frmScore2, Label2), "Teamkill", 120, 480, 735, 255},
    {CONTROL(frmScore2, txtTeamKill), "-3", 960, 480, 855, 285},
    {CONTROL(frmScore2, Label3), "Suicide", 120, 840, 615, 255},
    {CONTROL(frmScore2, txtSuicide), "-2", 960, 840, 855, 285},
    {CONTROL(frmScore2, Label4), "Revive", 120, 1200, 615, 255},
    {CONTROL(frmScore2, txtRevive), "1", 960, 1200, 855, 285},
    {CONTROL(frmScore2, Label5), "Heal", 120, 1560, 375, 255},
    {CONTROL(frmScore2, txtHeal), "1", 960, 1560, 855, 285},
    {CONTROL(frmScore2, Label6), "Resupply", 120, 1920, 735, 255},
    {CONTROL(frmScore2, txtResupply), "1", 960, 1920, 855, 285},
    {CONTROL(frmScore2, Label7), "Repair", 120, 2280, 495, 255},
    {CONTROL(frmScore2, txtRepair), "1", 960, 2280, 855, 285},
    {CONTROL(frmScore2, Command1), "Save", 120, 2640, 1695, 495},
    {CONTROL(frmScore2, Command2), "Reset and Save", 120, 3240, 1695, 495},
    {CONTROL(frmIntro, cmdRemove), "Remove!", 120, 1080, 2055, 495},
    {CONTROL(frmIntro, optEscTrue), "Skip intro with Esc", 120, 120, 1695, 255},
    {CONTROL(frmIntro, optComplete), "Remove complete intro", 120, 360, 1935, 255},
    {CONTROL(frmIntro, optReset), "Reset", 120, 600, 735, 255},
    {CONTROL(frmTweak, Label1), "", 120, 3360, 6735, 255},
    {CONTROL(frmSearch, Text1), "", 120, 120, 2295, 285},
    {CONTROL(frmSearch, Command1), "Find Next", 120, 480, 2295, 375},
    {CONTROL(frmSearch, optTweak), "Tweak", 2760, 120, 1215, 195},
    {CONTROL(frmSearch, optBotNames), "Bot Names", 2760, 360, 1215, 195},
    {CONTROL(frmSearch, optScore), "Score", 2760, 600, 1215, 255},
};

#undef CONTROL

QString captionOf(const QWidget* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (const auto* box = qobject_cast<const TextBox*>(control))
        return box->text();
    if (const auto* box = qobject_cast<const RichTextBox*>(control))
        return box->text();
    QStringList tabs;
    if (const auto* tabControl = qobject_cast<const TabControl*>(control)) {
        for (int i = 0; i < tabControl->tabBar()->count(); ++i)
            tabs << tabControl->tabBar()->tabText(i);
    }
    return tabs.join(QLatin1Char('|'));
}

// A window and the controls the focus visits in its Tab order; the one at
// `opensOn` has the focus when the window opens.
struct TabOrder {
    Form* form;
    std::vector<QWidget*> controls;
    int opensOn = 0;
};

const std::pair<const char*, std::function<TabOrder()>> tabOrders[] = {
    {"Form2", [] {
         Form2& f = Form2::instance();
         return TabOrder{&f, {f.Drive1(), f.Dir1(), f.Command1(), f.Text1()}};
     }},
    {"frmAbout", [] { return TabOrder{&frmAbout::instance(), {frmAbout::instance().cmdOK()}}; }},
    {"frmNote", [] {
         frmNote& f = frmNote::instance();
         return TabOrder{&f, {f.rtb(), f.Command1()}};
     }},
    {"Form1", [] { return TabOrder{&Form1::instance(), {Form1::instance().Slider1()}}; }},
    {"frmStrategies", [] {
         frmStrategies& f = frmStrategies::instance();
         return TabOrder{&f, {f.SSTab1(), f.txtAttackEnemyAgression(), f.txtAttackEnemyDefences(),
                              f.txtAttackEnemyAttacks(), f.Command1(), f.Command2()}};
     }},
    {"frmScore2", [] {
         frmScore2& f = frmScore2::instance();
         return TabOrder{&f, {f.Command1(), f.txtKill(), f.txtTeamKill(), f.txtSuicide(), f.txtRevive(), f.txtHeal(),
                              f.txtResupply(), f.txtRepair(), f.Command2()}};
     }},
    {"frmIntro", [] {
         frmIntro& f = frmIntro::instance();
         return TabOrder{&f, {f.cmdRemove(), f.optEscTrue(), f.optComplete(), f.optReset()}};
     }},
    {"frmSearch", [] {
         frmSearch& f = frmSearch::instance();
         return TabOrder{&f, {f.Command1(), f.Text1()}, 1};
     }},
};

// The index of the innermost of `controls` that holds the focus, or -1.
int focusedIn(const std::vector<QWidget*>& controls)
{
    const QWidget* focused = QApplication::focusWidget();
    int found = -1;
    for (std::size_t i = 0; focused && i < controls.size(); ++i) {
        const bool holds = controls[i] == focused || controls[i]->isAncestorOf(focused);
        if (holds && (found < 0 || controls[static_cast<std::size_t>(found)]->isAncestorOf(controls[i])))
            found = static_cast<int>(i);
    }
    return found;
}

} // namespace

// Every control of every window at its design caption, position and size,
// and in its window's Tab order; no caption is clipped, whatever room the
// program's font needs.

class TestCaptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { setUpApplicationLook(); } // the program's own font
    void noWindowClipsACaption_data();
    void noWindowClipsACaption();
    void designValues_data();
    void designValues();
    void tabComesRound_data();
    void tabComesRound();
};

void TestCaptions::noWindowClipsACaption_data()
{
    QTest::addColumn<QString>("window");
    for (const char* name : {"Form2", "frmMain", "frmAbout", "Form1"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestCaptions::noWindowClipsACaption()
{
    QFETCH(QString, window);
    Sandbox sandbox;
    Form* form = window == QLatin1String("Form2") ? static_cast<Form*>(&Form2::instance())
        : window == QLatin1String("frmMain")      ? static_cast<Form*>(&frmMain::instance())
        : window == QLatin1String("frmAbout")     ? static_cast<Form*>(&frmAbout::instance())
                                                  : static_cast<Form*>(&Form1::instance());
    form->show();
    if (window == QLatin1String("Form1"))
        Form1::instance().Label1()->setText(QStringLiteral("Selected bots: 256 and then some more"));
    const auto labels = form->window()->client()->findChildren<Label*>();
    QVERIFY(!labels.isEmpty());
    for (const Label* label : labels) {
        // The whole caption, or as much as reaches the client area's edge.
        const bool whole = label->width() >= label->sizeHint().width();
        const bool atEdge = label->geometry().right() == label->parentWidget()->width() - 1;
        QVERIFY2(label->text().isEmpty() || whole || atEdge, qPrintable(label->text()));
    }
}

void TestCaptions::designValues_data()
{
    QTest::addColumn<int>("row");
    for (int row = 0; row < int(std::size(designRows)); ++row)
        QTest::newRow(designRows[row].name) << row;
}

void TestCaptions::designValues()
{
    QFETCH(int, row);
    const DesignRow& design = designRows[row];
    Sandbox sandbox;
    QWidget* control = design.control();
    control->window()->show();
    if (design.caption)
        QCOMPARE(captionOf(control), QString::fromLatin1(design.caption));
    QWidget* client = qobject_cast<FormWindow*>(control->window())->client();
    const QRect expected = twipsRect(design.left, design.top, design.width, design.height);
    QCOMPARE(control->mapTo(client, QPoint(0, 0)), expected.topLeft());
    QCOMPARE(control->height(), expected.height());
    // A caption that needs more room than its design width may widen its box.
    if (qobject_cast<Label*>(control) || qobject_cast<OptionButton*>(control))
        QVERIFY(control->width() >= expected.width());
    else
        QCOMPARE(control->width(), expected.width());
    if (design.tab >= 0)
        QVERIFY(frmStrategies::instance().SSTab1()->page(design.tab)->isAncestorOf(control));
}

void TestCaptions::tabComesRound_data()
{
    QTest::addColumn<int>("row");
    for (int row = 0; row < int(std::size(tabOrders)); ++row)
        QTest::newRow(tabOrders[row].first) << row;
}

void TestCaptions::tabComesRound()
{
    QFETCH(int, row);
    Sandbox sandbox;
    const TabOrder order = tabOrders[row].second();
    order.form->show();
    QVERIFY(QTest::qWaitForWindowActive(order.form->window()));
    const int count = static_cast<int>(order.controls.size());
    QCOMPARE(focusedIn(order.controls), order.opensOn);
    // Tab visits them all and comes round; Shift+Tab walks back.
    for (const bool back : {false, true}) {
        for (int step = 1; step <= count; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
            QCOMPARE(focusedIn(order.controls), (order.opensOn + (back ? count - step : step)) % count);
        }
    }
}

QTEST_MAIN(TestCaptions)
#include "tst_captions.moc"
