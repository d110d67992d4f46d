#include "runtime/files/FileServices.h"
#include "scripts/frmSearch.h"
#include "scripts/frmTweak.h"
#include "shell/frmMain.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QTest>
#include <QWindow>

using namespace runtime;

namespace {

const QByteArray hint =
    "Tweak files can be found in this folder:   Battlefield 2142\\mods\\bf2142\\Objects\\ in the zip files.";

// Every byte from 0x01 to 0xFF, the line-end bytes only as CR LF pairs.
QByteArray everyByte()
{
    QByteArray bytes;
    for (int b = 1; b < 256; ++b) {
        if (b != '\n' && b != '\r')
            bytes += static_cast<char>(b);
        if (b % 64 == 0 || b == '\n')
            bytes += "\r\n";
    }
    return bytes + "\r\n";
}

// The editor opened from the main menu.
frmTweak& openEditor()
{
    frmMain::instance().Label4_Click();
    return frmTweak::instance();
}

} // namespace

class TestFrmTweak : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void window();
    void saveAs_data();
    void saveAs();
    void loadThenSaveKeepsEveryByte();
    void cancelsAndFailuresChangeNothing_data();
    void cancelsAndFailuresChangeNothing();
    void newEmptiesAndRestartsTheSearch();
    void closingAsksNothing();
};

void TestFrmTweak::window()
{
    Sandbox sandbox;
    frmTweak& form = openEditor();
    QVERIFY(form.isVisible());
    QCOMPARE(form.window()->windowHandle()->transientParent(), frmMain::instance().window()->windowHandle());
    QCOMPARE(form.window()->windowTitle(), QStringLiteral("Tweak Editor"));
    QVERIFY(form.window()->windowFlags() & Qt::WindowMinMaxButtonsHint);
    QCOMPARE(form.window()->client()->size(), QSize(783, 468));
    QCOMPARE(hint.size(), 98);
    QCOMPARE(form.rtb()->text(), QString::fromLatin1(hint));
    QCOMPARE(form.window()->focusWidget(), form.rtb()->editor());
    QCOMPARE(form.rtb()->editor()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(form.Label1()->text(), QString());
    QCOMPARE(form.Label1()->geometry(), QRect(8, 224, 449, 17));
    // The box, fitted to the window, lies over the path label.
    QVERIFY(form.rtb()->isAncestorOf(form.window()->client()->childAt(form.Label1()->geometry().center())));
    QStringList menu;
    for (QAction* item : form.mnuFile()->actions() + form.mnuEdit()->actions())
        menu << item->text() + QLatin1Char('|') + item->shortcut().toString();
    QCOMPARE(menu.join(QLatin1Char(',')),
             QStringLiteral("New|Ctrl+N,Load|Ctrl+O,Save|Ctrl+S,Save as|Ctrl+D,|,Close|,Search|Ctrl+F"));
    QVERIFY(form.mnuFileStreep()->isSeparator());

    // A second click brings the same editor forward, edits and all.
    form.rtb()->setText(QStringLiteral("unsaved"));
    openEditor();
    QCOMPARE(form.rtb()->text(), QStringLiteral("unsaved"));
}

void TestFrmTweak::saveAs_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("before"); // on disk before the save
    QTest::newRow("new file") << QStringLiteral("my.tweak") << QByteArray("<missing>");
    QTest::newRow("no extension added") << QStringLiteral("mytweak") << QByteArray("<missing>");
    QTest::newRow("replaces without a question") << QStringLiteral("old.tweak") << QByteArray("a much longer old file\r\n");
}

void TestFrmTweak::saveAs()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, before);
    Sandbox sandbox;
    const QString path = sandbox.gameFile(name);
    if (before != "<missing>")
        writeBytes(path, before);
    frmTweak& form = openEditor();
    sandbox.dialogs().fileNames << path;
    form.mnuFileSaveAs()->trigger();
    QCOMPARE(readBytes(path), hint + "\r\n");
    QCOMPARE(QDir(sandbox.gameFolder()).entryList(QDir::Files), QStringList{name});
    QCOMPARE(form.Label1()->text(), path);
    QVERIFY(sandbox.dialogs().messages.isEmpty());
    QCOMPARE(sandbox.dialogs().fileDialogFilters, QStringList{QStringLiteral("Tweak files (*.tweak)|*.tweak|")});
    QCOMPARE(Dialogs::qtFileFilter(sandbox.dialogs().fileDialogFilters.at(0)), QStringLiteral("Tweak files (*.tweak)"));
    const FileDialogOptions options = sandbox.dialogs().fileDialogOptions.at(0);
    QVERIFY(options.replaceWithoutAsking && options.defaultSuffix.isEmpty());

    // Save then writes there, without a dialog.
    form.rtb()->setText(QStringLiteral("edited"));
    form.mnuFileSave()->trigger();
    QCOMPARE(readBytes(path), QByteArray("edited\r\n"));
    QCOMPARE(sandbox.dialogs().fileDialogOptions.size(), 1);
}

void TestFrmTweak::loadThenSaveKeepsEveryByte()
{
    Sandbox sandbox;
    const QString path = sandbox.gameFile(QStringLiteral("all.tweak"));
    writeBytes(path, everyByte());
    frmTweak& form = openEditor();
    sandbox.dialogs().fileNames << path;
    form.mnuFileLoad()->trigger();
    QVERIFY(sandbox.dialogs().fileDialogOptions.at(0).fileMustExist);
    QCOMPARE(form.Label1()->text(), path);
    form.mnuFileSave()->trigger();
    QCOMPARE(readBytes(path), everyByte());

    QTest::keyClicks(form.rtb()->editor(), QStringLiteral("x"));
    form.mnuFileSave()->trigger();
    QCOMPARE(readBytes(path), "x" + everyByte());
    QVERIFY(sandbox.dialogs().messages.isEmpty());
}

void TestFrmTweak::cancelsAndFailuresChangeNothing_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("chosen"); // the dialog's answer; empty: cancelled
    QTest::addColumn<QString>("reported"); // in the failure message; empty: none
    QTest::newRow("Load cancelled") << QStringLiteral("load") << QString() << QString();
    QTest::newRow("Save as cancelled") << QStringLiteral("save as") << QString() << QString();
    QTest::newRow("Load of a missing file") << QStringLiteral("load") << QStringLiteral("gone.tweak")
                                            << QStringLiteral("gone.tweak");
    QTest::newRow("Save as into a missing folder") << QStringLiteral("save as") << QStringLiteral("no/new.tweak")
                                                   << QStringLiteral("new.tweak");
    QTest::newRow("Save fails") << QStringLiteral("save") << QString() << QStringLiteral("disk full");
}

void TestFrmTweak::cancelsAndFailuresChangeNothing()
{
    QFETCH(QString, action);
    QFETCH(QString, chosen);
    QFETCH(QString, reported);
    Sandbox sandbox;
    const QString current = sandbox.gameFile(QStringLiteral("current.tweak"));
    writeBytes(current, "current\r\n");
    frmTweak& form = openEditor();
    sandbox.dialogs().fileNames << current;
    form.mnuFileLoad()->trigger();
    form.rtb()->setText(QStringLiteral("edited"));

    if (!chosen.isEmpty())
        sandbox.dialogs().fileNames << sandbox.gameFile(chosen);
    if (action == QLatin1String("save"))
        Files::setWriteFault([](const QString&) { return QStringLiteral("disk full"); });
    (action == QLatin1String("load") ? form.mnuFileLoad() : action == QLatin1String("save") ? form.mnuFileSave()
                                                                                             : form.mnuFileSaveAs())
        ->trigger();
    Files::setWriteFault({});

    QCOMPARE(sandbox.dialogs().messages.size(), reported.isEmpty() ? 0 : 1);
    if (!reported.isEmpty()) {
        const ScriptedDialogs::Message message = sandbox.dialogs().messages.at(0);
        QCOMPARE(message.title + QString::number(message.style), QStringLiteral("Sorvane16"));
        QVERIFY2(message.prompt.contains(reported), qPrintable(message.prompt));
    }
    QCOMPARE(form.rtb()->text(), QStringLiteral("edited"));
    QCOMPARE(form.Label1()->text(), current);
    QCOMPARE(QDir(sandbox.gameFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("current.tweak")});
    // The file Save writes is still the one that was read.
    QCOMPARE(readBytes(current), QByteArray("current\r\n"));
    form.mnuFileSave()->trigger();
    QCOMPARE(readBytes(current), QByteArray("edited\r\n"));
}

void TestFrmTweak::newEmptiesAndRestartsTheSearch()
{
    Sandbox sandbox;
    frmTweak& form = openEditor();
    const QString path = sandbox.gameFile(QStringLiteral("a.tweak"));
    sandbox.dialogs().fileNames << path;
    form.mnuFileSaveAs()->trigger();
    form.mnuEditSearch()->trigger();
    frmSearch& search = frmSearch::instance();
    search.Text1()->setText(QStringLiteral("the"));
    search.Command1()->click();
    QCOMPARE(search.lastMatch(SearchTarget::Tweak), 85);

    form.mnuFileNew()->trigger();
    QCOMPARE(form.rtb()->text(), QString());
    QCOMPARE(form.Label1()->text(), QString());
    QCOMPARE(search.lastMatch(SearchTarget::Tweak), 0);

    // Save with no current file asks for one, as Save as does.
    const QString other = sandbox.gameFile(QStringLiteral("b.tweak"));
    sandbox.dialogs().fileNames << other;
    form.mnuFileSave()->trigger();
    QCOMPARE(readBytes(other), QByteArray("\r\n"));
    QCOMPARE(form.Label1()->text(), other);

    // A successful Load starts the search again too.
    search.Command1()->click(); // nothing in the empty text
    writeBytes(other, "the the\r\n");
    sandbox.dialogs().fileNames << other;
    form.mnuFileLoad()->trigger();
    search.Command1()->click();
    search.Command1()->click();
    QCOMPARE(search.lastMatch(SearchTarget::Tweak), 5);
}

void TestFrmTweak::closingAsksNothing()
{
    Sandbox sandbox;
    frmTweak& form = openEditor();
    const QString path = sandbox.gameFile(QStringLiteral("a.tweak"));
    writeBytes(path, "kept\r\n");
    for (const bool byCloseBox : {true, false}) {
        sandbox.dialogs().fileNames << path;
        form.mnuFileLoad()->trigger();
        form.rtb()->setText(QStringLiteral("unsaved"));
        if (byCloseBox)
            form.window()->close();
        else
            form.mnuFileTweak()->trigger();
        QVERIFY(!form.isLoaded());
        openEditor();
        QCOMPARE(form.rtb()->text(), QString::fromLatin1(hint));
        QCOMPARE(form.Label1()->text(), QString());
    }
    QVERIFY(sandbox.dialogs().messages.isEmpty());
    QCOMPARE(readBytes(path), QByteArray("kept\r\n"));
}

QTEST_MAIN(TestFrmTweak)
#include "tst_frmtweak.moc"
