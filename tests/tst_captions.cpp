#include "bots/Form1.h"
#include "runtime/Application.h"
#include "runtime/Controls.h"
#include "runtime/Twips.h"
#include "shell/Form2.h"
#include "shell/frmAbout.h"
#include "shell/frmMain.h"
#include "support/TestSupport.h"

#include <QTest>

using namespace runtime;

// No caption is clipped, whatever room the program's font needs.

class TestCaptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { setUpApplicationLook(); } // the program's own font
    void labelGrowsWithinTheClientArea_data();
    void labelGrowsWithinTheClientArea();
    void noWindowClipsACaption_data();
    void noWindowClipsACaption();
};

void TestCaptions::labelGrowsWithinTheClientArea_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("left"); // twips; the client area is 3000 wide
    QTest::addColumn<bool>("setLater");
    QTest::newRow("fits its design width") << QStringLiteral("Hi") << 120 << false;
    QTest::newRow("needs more room") << QStringLiteral("Please select your BF2142 folder.") << 120 << false;
    QTest::newRow("stops at the client edge") << QStringLiteral("Please select your BF2142 folder.") << 2000 << false;
    QTest::newRow("caption set later") << QStringLiteral("Selected bots: 256") << 120 << true;
}

void TestCaptions::labelGrowsWithinTheClientArea()
{
    QFETCH(QString, caption);
    QFETCH(int, left);
    QFETCH(bool, setLater);
    QWidget client;
    client.setFixedSize(toPixels(3000), toPixels(1000));
    Label label(setLater ? QStringLiteral("x") : caption, &client);
    placeControl(label, left, 120, 600, 255);
    if (setLater)
        label.setText(caption);
    client.show();

    const int design = toPixels(600);
    const int room = client.width() - label.x();
    const int expected = std::max(design, std::min(label.sizeHint().width(), room));
    QCOMPARE(label.width(), expected);
    QVERIFY(label.geometry().right() < client.width());
    QCOMPARE(label.height(), toPixels(255));
    if (caption.size() > 2)
        QVERIFY(label.width() > design); // the font needs more than 40 pixels
}

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
    Form* form = nullptr;
    if (window == QLatin1String("Form2"))
        form = &Form2::instance();
    else if (window == QLatin1String("frmMain"))
        form = &frmMain::instance();
    else if (window == QLatin1String("frmAbout"))
        form = &frmAbout::instance();
    else
        form = &Form1::instance();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form->window()));

    const auto labels = form->window()->client()->findChildren<Label*>();
    QVERIFY(!labels.isEmpty());
    for (const Label* label : labels) {
        if (label->text().isEmpty() || label->isHidden())
            continue; // pictures, and captions never shown
        const bool whole = label->width() >= label->sizeHint().width();
        const bool atEdge = label->geometry().right() == label->parentWidget()->width() - 1;
        QVERIFY2(whole || atEdge, qPrintable(label->text()));
    }
    if (window == QLatin1String("Form2")) {
        const Label* prompt = Form2::instance().Label1();
        QVERIFY(prompt->fontMetrics().horizontalAdvance(prompt->text()) <= prompt->contentsRect().width());
    }
}

QTEST_MAIN(TestCaptions)
#include "tst_captions.moc"
