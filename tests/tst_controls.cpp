#include "runtime/ChoiceControls.h"
#include "runtime/Controls.h"
#include "runtime/Twips.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using namespace runtime;

class TestControls : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void optionGroup();
    void optionGroupsAreSeparateByContainer();
    void tabControlShowsOnePage();
    void textBoxKeepsTextExactly();
    void pasteKeepsOneLineThatFits_data();
    void pasteKeepsOneLineThatFits();
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
};

void TestControls::optionGroup()
{
    QWidget window;
    OptionButton esc(QStringLiteral("Skip intro with Esc"), &window);
    OptionButton complete(QStringLiteral("Remove complete intro"), &window);
    OptionButton reset(QStringLiteral("Reset"), &window);
    esc.setValue(true);

    // Selecting one from code clears the others.
    complete.setValue(true);
    QVERIFY(!esc.value());
    QVERIFY(complete.value());

    // Clearing one from code touches only that one: none is left selected.
    complete.setValue(false);
    QVERIFY(!esc.value() && !complete.value() && !reset.value());

    // A click selects and clears the others; a click on the selected one
    // keeps it selected.
    window.show();
    esc.setValue(true);
    QTest::mouseClick(&reset, Qt::LeftButton, {}, QPoint(5, reset.height() / 2));
    QVERIFY(reset.value());
    QVERIFY(!esc.value());
    QTest::mouseClick(&reset, Qt::LeftButton, {}, QPoint(5, reset.height() / 2));
    QVERIFY(reset.value());
}

void TestControls::optionGroupsAreSeparateByContainer()
{
    QWidget window;
    QWidget frame(&window);
    OptionButton outside(QStringLiteral("a"), &window);
    OptionButton inside(QStringLiteral("b"), &frame);
    outside.setValue(true);
    inside.setValue(true);
    QVERIFY(outside.value());
    QVERIFY(inside.value());
}

void TestControls::tabControlShowsOnePage()
{
    QWidget window;
    TabControl tabs({QStringLiteral("Attack Enemy Base"), QStringLiteral("Attack Neutral Base"),
                     QStringLiteral("Guard"), QStringLiteral("Defend")},
                    &window);
    placeControl(tabs, 0, 0, 7605, 1815);
    auto* box = new TextBox(QStringLiteral("5"), tabs.page(2));
    placeControl(*box, 1920, 600, 975, 285);
    window.show();

    QCOMPARE(tabs.tab(), 0);
    QCOMPARE(tabs.tabBar()->tabText(3), QStringLiteral("Defend"));
    QVERIFY(tabs.page(0)->isVisible());
    QVERIFY(!box->isVisible());
    tabs.setTab(2);
    QVERIFY(box->isVisible());
    QVERIFY(!tabs.page(0)->isVisible());
    // Positions on a tab count from the tab control's own corner.
    QCOMPARE(box->mapTo(&tabs, QPoint(0, 0)), QPoint(toPixels(1920), toPixels(600)));
    QVERIFY(tabs.tabBar()->geometry().bottom() < box->mapTo(&tabs, QPoint(0, 0)).y());
}

void TestControls::textBoxKeepsTextExactly()
{
    QWidget window;
    TextBox buffer(QString(), &window);
    buffer.setText(QStringLiteral("aiSettings.setMaxNBots 16\r\r\nrem"));
    QCOMPARE(buffer.text(), QStringLiteral("aiSettings.setMaxNBots 16\r\r\nrem"));

    // What the user types is the text.
    TextBox value(QStringLiteral("1"), &window);
    window.show();
    value.setFocus();
    QTest::keyClick(value.focusProxy(), Qt::Key_End);
    QTest::keyClicks(value.focusProxy(), QStringLiteral("5"));
    QCOMPARE(value.text(), QStringLiteral("15"));
}

void TestControls::pasteKeepsOneLineThatFits_data()
{
    QTest::addColumn<QString>("held");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("kept");
    QTest::newRow("longer than the limit") << QString() << 3 << QStringLiteral("12345") << QStringLiteral("123");
    QTest::newRow("full box") << QStringLiteral("123") << 3 << QStringLiteral("4") << QStringLiteral("123");
    QTest::newRow("longer text set from code") << QStringLiteral("12345") << 3 << QStringLiteral("6")
                                               << QStringLiteral("12345");
    QTest::newRow("CR LF") << QStringLiteral("5") << 0 << QStringLiteral("\r\n6") << QStringLiteral("5");
    for (const char16_t lineBreak : {u'\v', u'\f', u'\u0085', u'\u2028', u'\u2029'}) {
        QTest::addRow("U+%04X", unsigned(lineBreak))
            << QStringLiteral("5") << 3 << QString(QChar(lineBreak)) + QStringLiteral("6") << QStringLiteral("5");
    }
}

void TestControls::pasteKeepsOneLineThatFits()
{
    QFETCH(QString, held);
    QFETCH(int, maxLength);
    QFETCH(QString, pasted);
    QFETCH(QString, kept);
    QWidget window;
    TextBox box(held, &window);
    box.setMaxLength(maxLength);
    window.show();
    box.editor()->end(false);
    QApplication::clipboard()->setText(pasted);
    QTest::keyClick(box.editor(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box.text(), kept);
    QCOMPARE(box.editor()->text(), kept);
}

void TestControls::enterPressesTheFocusedButton_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
}

void TestControls::enterPressesTheFocusedButton()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QWidget window;
    CommandButton ok(QStringLiteral("OK"), &window);
    ok.makeDefault(window);
    CommandButton save(QStringLiteral("Save"), &window);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    save.setFocus();
    QSignalSpy saves(&save, &QPushButton::clicked);
    QSignalSpy oks(&ok, &QPushButton::clicked);
    QTest::keyClick(&save, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(saves.count(), 1);
    QCOMPARE(oks.count(), 0);
}

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
