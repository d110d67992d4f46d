#include "bots/frmBotNames.h"
#include "runtime/Twips.h"
#include "scripts/frmSearch.h"
#include "scripts/frmTweak.h"
#include "shell/frmMain.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QWindow>

using namespace runtime;

namespace {

// The bot-name editor on `text`, with the search window opened on it.
frmBotNames& openOn(const Sandbox& sandbox, const QByteArray& text, const QString& what)
{
    sandbox.makeGame();
    writeBytes(sandbox.gameFile(QStringLiteral("mods/bf2142/AI/BotNames.ai")), text);
    sandbox.storeLocation(sandbox.gameFolder());
    frmMain::instance().Label5_Click();
    frmBotNames& editor = frmBotNames::instance();
    editor.mnuEditSearch()->trigger();
    frmSearch::instance().Text1()->setText(what);
    return editor;
}

// Find Next; the start of the selected match, or -1 for "Nothing found!",
// after which the caret stands at the start with nothing selected.
int findNext(Sandbox& sandbox, TextEditorForm& editor)
{
    const qsizetype messages = sandbox.dialogs().messages.size();
    frmSearch::instance().Command1()->click();
    if (sandbox.dialogs().messages.size() == messages)
        return editor.rtb()->selStart();
    const bool atStart = editor.rtb()->selStart() == 0 && editor.rtb()->selLength() == 0;
    return atStart ? -1 : -2;
}

} // namespace

class TestFrmSearch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void window();
    void findNextWalksTheMatches_data();
    void findNextWalksTheMatches();
    void eachTargetKeepsItsPosition();
    void enterActsAsFindNextAndStaysInTheSearchBox_data();
    void enterActsAsFindNextAndStaysInTheSearchBox();
    void restarts_data();
    void restarts();
};

void TestFrmSearch::window()
{
    Sandbox sandbox;
    frmBotNames& editor = openOn(sandbox, "bot", QString());
    editor.window()->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), editor.window());
    frmSearch& search = frmSearch::instance();
    search.optBotNames()->setValue(false);
    QTest::keyClick(editor.rtb()->editor(), Qt::Key_F, Qt::ControlModifier); // a second Ctrl+F selects it again
    QCOMPARE(QApplication::topLevelWidgets().count(search.window()), 1);
    QCOMPARE(search.window()->windowHandle()->transientParent(), editor.window()->windowHandle());
    QCOMPARE(search.window()->windowTitle(), QStringLiteral(" Search"));
    QVERIFY(search.window()->windowFlags().testFlag(Qt::Tool));
    QCOMPARE(search.window()->geometry(), QRect(717, 226, 169, 65));
    QVERIFY(!search.Command1()->isDefault() && !search.Command1()->autoDefault());
    QCOMPARE(search.window()->focusWidget(), search.Text1()->editor());
    QVERIFY(search.optBotNames()->value());
    for (OptionButton* option : {search.optTweak(), search.optBotNames(), search.optScore()}) {
        QCOMPARE(option->focusPolicy(), Qt::NoFocus);
        QVERIFY(option->x() >= search.window()->client()->width());
    }
    // Find Next brings the editor forward, still owned by the main menu.
    QCOMPARE(findNext(sandbox, editor), 0);
    QCOMPARE(editor.window()->windowHandle()->transientParent(), frmMain::instance().window()->windowHandle());
    search.unload();
    QVERIFY(!search.optBotNames()->value() && !search.optTweak()->value() && !search.optScore()->value());
}

void TestFrmSearch::findNextWalksTheMatches_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("what");
    QTest::addColumn<QList<int>>("starts");
    const QByteArray lines = QByteArray("line\r\n").repeated(2000);
    QTest::newRow("text order, any case") << QByteArray("Bot bot\r\nBOT xbotx") << QStringLiteral("BOT")
                                          << QList<int>{0, 4, 9, 14};
    QTest::newRow("overlapping") << QByteArray("aaa") << QStringLiteral("aa") << QList<int>{0, 1};
    QTest::newRow("empty search text walks") << QByteArray("abc") << QString() << QList<int>{0, 1, 2};
    QTest::newRow("after many line breaks") << lines + "Target\r\ntarget" << QStringLiteral("tArget")
                                            << QList<int>{12000, 12008};
    QTest::newRow("past character 40,000") << QByteArray(40000, 'x') + "\r\nneedle" << QStringLiteral("needle")
                                           << QList<int>{40002};
    QTest::newRow("empty text") << QByteArray() << QString() << QList<int>{};
}

void TestFrmSearch::findNextWalksTheMatches()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, what);
    QFETCH(QList<int>, starts);
    Sandbox sandbox;
    frmBotNames& editor = openOn(sandbox, text, what);
    for (const int start : starts) {
        QCOMPARE(findNext(sandbox, editor), start);
        QCOMPARE(editor.rtb()->selLength(), what.size());
        QCOMPARE(editor.rtb()->editor()->textCursor().selectedText(), QString::fromLatin1(text.mid(start, what.size())));
    }
    // No wrapping: past the last match, nothing is found again and again.
    QCOMPARE(findNext(sandbox, editor), -1);
    QCOMPARE(findNext(sandbox, editor), -1);
    const ScriptedDialogs::Message message = sandbox.dialogs().messages.last();
    QCOMPARE(message.prompt + message.title, QStringLiteral("Nothing found!Sorvane"));
    QCOMPARE(message.style, MsgBoxStyle::Information);
    QVERIFY(editor.isVisible());
}

void TestFrmSearch::eachTargetKeepsItsPosition()
{
    Sandbox sandbox;
    frmBotNames& names = openOn(sandbox, "bot bot bot", QStringLiteral("bot"));
    frmSearch& search = frmSearch::instance();
    QCOMPARE(findNext(sandbox, names), 0);
    frmTweak& tweak = frmTweak::instance();
    tweak.rtb()->setText(QStringLiteral("bot bot"));
    tweak.mnuEditSearch()->trigger();
    QVERIFY(search.optTweak()->value() && !search.optBotNames()->value());
    QCOMPARE(findNext(sandbox, tweak), 0);
    QCOMPARE(findNext(sandbox, tweak), 4);
    QCOMPARE(search.lastMatch(SearchTarget::BotNames), 1);
    names.mnuEditSearch()->trigger();
    QCOMPARE(findNext(sandbox, names), 4);
    QCOMPARE(search.lastMatch(SearchTarget::Tweak), 5);
}

void TestFrmSearch::enterActsAsFindNextAndStaysInTheSearchBox_data()
{
    QTest::addColumn<bool>("onFindNext");
    QTest::newRow("in the search box") << false;
    QTest::newRow("on Find Next") << true;
}

void TestFrmSearch::enterActsAsFindNextAndStaysInTheSearchBox()
{
    QFETCH(bool, onFindNext);
    Sandbox sandbox;
    frmBotNames& editor = openOn(sandbox, "bot bot", QString());
    QLineEdit* box = frmSearch::instance().Text1()->editor();
    QTest::keyClicks(box, QStringLiteral("bot"));
    QWidget* enterOn = onFindNext ? static_cast<QWidget*>(frmSearch::instance().Command1()) : box;
    enterOn->setFocus();
    QTest::keyClick(enterOn, Qt::Key_Return);
    QCOMPARE(editor.rtb()->selStart(), 0);
    QCOMPARE(editor.rtb()->selLength(), 3);
    QCOMPARE(box->text(), QStringLiteral("bot"));

    // The held key's repeats, marked or stamped like the release before
    // them, do not reach the editor; a new press does.
    QPlainTextEdit* target = editor.rtb()->editor();
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
    release.setTimestamp(500);
    QApplication::sendEvent(target, &release);
    for (const bool marked : {true, false}) {
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), marked);
        repeat.setTimestamp(500);
        QApplication::sendEvent(target, &repeat);
    }
    QCOMPARE(editor.rtb()->text(), QStringLiteral("bot bot"));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    press.setTimestamp(900);
    QApplication::sendEvent(target->window()->windowHandle(), &press); // on to the focused box
    QCOMPARE(editor.rtb()->text(), QStringLiteral("\r\n bot"));
}

void TestFrmSearch::restarts_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<int>("start"); // of the next match after the step
    QTest::newRow("search window closed and opened") << QStringLiteral("close search") << 0;
    QTest::newRow("editor closed and opened") << QStringLiteral("close editor") << 0;
    QTest::newRow("Find Next loads a closed editor") << QStringLiteral("unload editor") << 0;
    QTest::newRow("Reset and Save") << QStringLiteral("reset") << 0;
    QTest::newRow("Ctrl+F while open: goes on") << QStringLiteral("search again") << 74;
    QTest::newRow("new search text: goes on") << QStringLiteral("new text") << 39;
}

void TestFrmSearch::restarts()
{
    QFETCH(QString, step);
    QFETCH(int, start);
    Sandbox sandbox;
    QFile stock(QStringLiteral(":/stock/BotNames.txt"));
    QVERIFY(stock.open(QIODevice::ReadOnly));
    frmBotNames& editor = openOn(sandbox, stock.readAll(), QStringLiteral("aiSettings"));
    frmSearch& search = frmSearch::instance();
    QCOMPARE(findNext(sandbox, editor), 0);
    QCOMPARE(findNext(sandbox, editor), 37);
    if (step == QLatin1String("close search")) {
        search.window()->close();
        editor.mnuEditSearch()->trigger();
    } else if (step == QLatin1String("close editor") || step == QLatin1String("unload editor")) {
        editor.window()->close();
        if (step == QLatin1String("close editor"))
            editor.mnuEditSearch()->trigger();
    } else if (step == QLatin1String("reset")) {
        editor.mnuFileReset()->trigger();
    } else if (step == QLatin1String("search again")) {
        editor.mnuEditSearch()->trigger();
    }
    search.Text1()->setText(step == QLatin1String("new text") ? QStringLiteral("SETTINGS") : QStringLiteral("aiSettings"));
    QCOMPARE(findNext(sandbox, editor), start);
    QVERIFY(editor.isVisible());
}

QTEST_MAIN(TestFrmSearch)
#include "tst_frmsearch.moc"
