#include "bots/Form1.h"
#include "runtime/Application.h"
#include "runtime/Controls.h"
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
    void noWindowClipsACaption_data();
    void noWindowClipsACaption();
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

QTEST_MAIN(TestCaptions)
#include "tst_captions.moc"
