#include "runtime/Controls.h"
#include "runtime/Form.h"
#include "support/TestSupport.h"

#include <QCloseEvent>
#include <QScopeGuard>
#include <QTest>
#include <QWindow>

using namespace runtime;

namespace {

// A window with one control and a counter that lives outside the controls.
class Sample : public Form
{
public:
    static Sample& instance() { return instanceOf<Sample>(); }

    FormControl<TextBox> Text1{this};

    int loads = 0;
    bool refuseClose = false;

protected:
    void createControls(FormWindow& window) override
    {
        window.setClientSize(100, 50);
        Text1 = new TextBox(QStringLiteral("design"), window.client());
    }
    void Form_Load() override { ++loads; }
    void Form_QueryUnload(int& cancel) override { cancel = refuseClose ? 1 : 0; }

private:
    friend class runtime::Form;
    Sample()
        : Form(QStringLiteral("Sample"))
    {
    }
};

class Other : public Form
{
public:
    static Other& instance() { return instanceOf<Other>(); }

protected:
    void createControls(FormWindow& window) override { window.setClientSize(60, 40); }

private:
    friend class runtime::Form;
    Other()
        : Form(QStringLiteral("Other"))
    {
    }
};

} // namespace

class TestForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readingAControlLoadsTheWindow();
    void unloadBringsBackDesignValues();
    void closeRequestGoesThroughQueryUnload();
    void showWithOwnerKeepsItInFront();
    void geometryReadsBackExactTwips();
    void programEndsWithLastLoadedWindow();
};

void TestForm::readingAControlLoadsTheWindow()
{
    Sandbox sandbox;
    Sample& form = Sample::instance();
    QVERIFY(!form.isLoaded());
    QCOMPARE(form.Text1()->text(), QStringLiteral("design"));
    QVERIFY(form.isLoaded());
    QVERIFY(!form.isVisible()); // loading does not show
    QCOMPARE(form.loads, 1);
    form.Text1()->setText(QStringLiteral("changed"));
    QCOMPARE(form.Text1()->text(), QStringLiteral("changed"));
    QCOMPARE(form.loads, 1);
}

void TestForm::unloadBringsBackDesignValues()
{
    Sandbox sandbox;
    Sample& form = Sample::instance();
    form.show();
    form.Text1()->setText(QStringLiteral("changed"));
    QVERIFY(form.unload());
    QVERIFY(!form.isLoaded());
    QVERIFY(!form.isVisible());
    QCOMPARE(form.Text1()->text(), QStringLiteral("design"));
    QCOMPARE(form.loads, 2); // the instance and its own members lived on
    QCOMPARE(&Sample::instance(), &form);
}

void TestForm::closeRequestGoesThroughQueryUnload()
{
    Sandbox sandbox;
    Sample& form = Sample::instance();
    form.show();
    form.refuseClose = true;
    QVERIFY(!form.window()->close());
    QVERIFY(form.isLoaded());
    QVERIFY(form.isVisible());

    form.refuseClose = false;
    form.window()->close();
    QVERIFY(!form.isLoaded());
}

void TestForm::showWithOwnerKeepsItInFront()
{
    Sandbox sandbox;
    Other::instance().show();
    Sample::instance().show(&Other::instance());
    QWindow* handle = Sample::instance().window()->windowHandle();
    QVERIFY(handle);
    QCOMPARE(handle->transientParent(), Other::instance().window()->windowHandle());
    // Shown again with no owner given, it keeps the owner it has.
    Sample::instance().show();
    QCOMPARE(handle->transientParent(), Other::instance().window()->windowHandle());

    // Unloading the owner does not take the owned window with it.
    QVERIFY(Other::instance().unload());
    QVERIFY(Sample::instance().isLoaded());
    QVERIFY(Sample::instance().isVisible());
}

void TestForm::geometryReadsBackExactTwips()
{
    Sandbox sandbox;
    Sample& form = Sample::instance();
    form.setLeft(1815);
    form.setTop(945);
    form.setHeight(1665);
    QCOMPARE(form.left(), 1815);
    QCOMPARE(form.top(), 945);
    QCOMPARE(form.height(), 1665);
    QCOMPARE(form.window()->height(), 111);
}

void TestForm::programEndsWithLastLoadedWindow()
{
    Sandbox sandbox;
    Form::setQuitWhenNoneLoaded(true);
    auto restore = qScopeGuard([] { Form::setQuitWhenNoneLoaded(false); });
    Sample::instance().show();
    Other::instance().show();
    bool lastUnloaded = false;
    QTimer::singleShot(0, [] { Sample::instance().unload(); });
    QTimer::singleShot(50, [&lastUnloaded] {
        lastUnloaded = true;
        Other::instance().unload();
    });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(lastUnloaded);
}

QTEST_MAIN(TestForm)
#include "tst_form.moc"
