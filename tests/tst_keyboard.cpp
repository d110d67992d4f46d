#include "bots/Form1.h"
#include "bots/frmStrategies.h"
#include "scripts/frmIntro.h"
#include "scripts/frmScore2.h"
#include "scripts/frmSearch.h"
#include "shell/Form2.h"
#include "shell/frmAbout.h"
#include "shell/frmNote.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QTest>

#include <functional>
#include <vector>

using namespace runtime;

namespace {

// A window and the controls the focus visits in its Tab order; `opensOn`
// is the one that has the focus when the window opens.
struct TabOrder {
    const char* window;
    std::function<Form&()> form;
    std::function<std::vector<QWidget*>()> controls;
    int opensOn = 0;
};

const TabOrder tabOrders[] = {
    {"Form2", []() -> Form& { return Form2::instance(); },
     [] {
         Form2& f = Form2::instance();
         return std::vector<QWidget*>{f.Drive1(), f.Dir1(), f.Command1(), f.Text1()};
     }},
    {"frmAbout", []() -> Form& { return frmAbout::instance(); },
     [] { return std::vector<QWidget*>{frmAbout::instance().cmdOK()}; }},
    {"frmNote", []() -> Form& { return frmNote::instance(); },
     [] { return std::vector<QWidget*>{frmNote::instance().rtb(), frmNote::instance().Command1()}; }},
    {"Form1", []() -> Form& { return Form1::instance(); },
     [] { return std::vector<QWidget*>{Form1::instance().Slider1()}; }},
    {"frmStrategies", []() -> Form& { return frmStrategies::instance(); },
     [] {
         frmStrategies& f = frmStrategies::instance();
         return std::vector<QWidget*>{f.SSTab1(), f.txtAttackEnemyAgression(), f.txtAttackEnemyDefences(),
                                      f.txtAttackEnemyAttacks(), f.Command1(), f.Command2()};
     }},
    {"frmScore2", []() -> Form& { return frmScore2::instance(); },
     [] {
         frmScore2& f = frmScore2::instance();
         return std::vector<QWidget*>{f.Command1(), f.txtKill(), f.txtTeamKill(), f.txtSuicide(), f.txtRevive(),
                                      f.txtHeal(), f.txtResupply(), f.txtRepair(), f.Command2()};
     }},
    {"frmIntro", []() -> Form& { return frmIntro::instance(); },
     [] {
         frmIntro& f = frmIntro::instance();
         return std::vector<QWidget*>{f.cmdRemove(), f.optEscTrue(), f.optComplete(), f.optReset()};
     }},
    {"frmSearch", []() -> Form& { return frmSearch::instance(); },
     [] { return std::vector<QWidget*>{frmSearch::instance().Command1(), frmSearch::instance().Text1()}; }, 1},
};

// The index of the innermost control that holds the focus, or -1.
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

class TestKeyboard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tabComesRound_data();
    void tabComesRound();
};

void TestKeyboard::tabComesRound_data()
{
    QTest::addColumn<int>("row");
    for (int row = 0; row < int(std::size(tabOrders)); ++row)
        QTest::newRow(tabOrders[row].window) << row;
}

void TestKeyboard::tabComesRound()
{
    QFETCH(int, row);
    const TabOrder& order = tabOrders[row];
    Sandbox sandbox;
    Form& form = order.form();
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(form.window()));
    const std::vector<QWidget*> controls = order.controls();
    const int count = static_cast<int>(controls.size());
    QCOMPARE(focusedIn(controls), order.opensOn);
    // Tab visits them all and comes round; Shift+Tab walks back.
    for (const bool back : {false, true}) {
        for (int step = 1; step <= count; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
            QCOMPARE(focusedIn(controls), (order.opensOn + (back ? count - step : step)) % count);
        }
    }
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
