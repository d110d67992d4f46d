#include "runtime/files/FileServices.h"
#include "scripts/frmSearch.h"
#include "scripts/frmTweak.h"
#include "shell/frmMain.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QMenu>
#include <QTest>

using namespace runtime;

namespace {

const QByteArray hint =
    "Tweak files can be found in this folder:   Battlefield 2142\\mods\\bf2142\\Objects\\ in the zip files.";

// The editor opened from the main menu, the dialogs answering `fileNames`.
frmTweak& openEditor(Sandbox& sandbox, const QStringList& fileNames = {})
{
    sandbox.dialogs().fileNames = fileNames;
    frmMain::instance().Label4_Click();
    return frmTweak::instance();
}

} // namespace

class TestFrmTweak : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void saveAsThenSave_data();
    void saveAsThenSave();
    void loadThenSaveKeepsEveryByte_data();
    void loadThenSaveKeepsEveryByte();
    void cancelsAndFailuresChangeNothing_data();
    void cancelsAndFailuresChangeNothing();
    void newAndCloseForgetTheFile();
};

void TestFrmTweak::saveAsThenSave_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("new file") << QStringLiteral("my.tweak");
    QTest::newRow("no extension added") << QStringLiteral("mytweak");
    QTest::newRow("existing file replaced") << QStringLiteral("old.tweak");
    QTest::newRow("beside a name differing in case") << QStringLiteral("OLD.tweak");
}

void TestFrmTweak::saveAsThenSave()
{
    QFETCH(QString, name);
    Sandbox sandbox;
    const QString path = sandbox.gameFile(name);
    writeBytes(sandbox.gameFile(QStringLiteral("old.tweak")), "a longer old file\r\n");
    frmTweak& form = openEditor(sandbox, {path});
    form.mnuFileSaveAs()->trigger();
    QCOMPARE(readBytes(path), hint + "\r\n"); // 100 bytes
    QCOMPARE(form.Label1()->text(), path);
    QCOMPARE(Dialogs::qtFileFilter(sandbox.dialogs().fileDialogFilters.value(0)), QStringLiteral("Tweak files (*.tweak)"));
    const FileDialogOptions options = sandbox.dialogs().fileDialogOptions.value(0);
    QVERIFY(options.replaceWithoutAsking && options.defaultSuffix.isEmpty());
    form.rtb()->setText(QStringLiteral("edited"));
    form.mnuFileSave()->trigger(); // no dialog
    QCOMPARE(readBytes(path), QByteArray("edited\r\n"));
    QCOMPARE(QDir(sandbox.gameFolder()).entryList(QDir::Files).size(), name == QLatin1String("old.tweak") ? 1 : 2);
    if (name != QLatin1String("old.tweak"))
        QCOMPARE(readBytes(sandbox.gameFile(QStringLiteral("old.tweak"))), QByteArray("a longer old file\r\n"));
    QVERIFY(sandbox.dialogs().messages.isEmpty());
}

void TestFrmTweak::loadThenSaveKeepsEveryByte_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("plain name") << QStringLiteral("all.tweak");
    QTest::newRow("backslash in the name") << QStringLiteral("a\\b.tweak");
}

void TestFrmTweak::loadThenSaveKeepsEveryByte()
{
    QFETCH(QString, name);
    Sandbox sandbox;
    QByteArray bytes; // 0x01 to 0xFF, the line-end bytes as CR LF pairs
    for (int b = 1; b < 256; ++b)
        bytes += b == '\n' ? QByteArray("\r\n") : b == '\r' ? QByteArray() : QByteArray(1, static_cast<char>(b));
    bytes += "\r\n";
    const QString path = sandbox.gameFile(name);
    writeBytes(path, bytes);
    frmTweak& form = openEditor(sandbox, {path});
    form.mnuFileLoad()->trigger();
    QCOMPARE(form.Label1()->text(), path);
    QVERIFY(sandbox.dialogs().fileDialogOptions.value(0).fileMustExist);
    form.mnuFileSave()->trigger();
    QCOMPARE(readBytes(path), bytes);
    QTest::keyClicks(form.rtb()->editor(), QStringLiteral("x"));
    form.mnuFileSave()->trigger();
    QCOMPARE(readBytes(path), "x" + bytes);
}

void TestFrmTweak::cancelsAndFailuresChangeNothing_data()
{
    QTest::addColumn<int>("item"); // in the File menu: 1 Load, 2 Save, 3 Save as
    QTest::addColumn<QString>("chosen"); // the dialog's answer; empty: cancelled
    QTest::addColumn<QString>("reported"); // in the failure message; empty: none
    QTest::newRow("Load cancelled") << 1 << QString() << QString();
    QTest::newRow("Save as cancelled") << 3 << QString() << QString();
    QTest::newRow("Load of a missing file") << 1 << QStringLiteral("gone.tweak") << QStringLiteral("gone.tweak");
    QTest::newRow("Save as into a missing folder") << 3 << QStringLiteral("no/new.tweak") << QStringLiteral("new.tweak");
    QTest::newRow("Save fails") << 2 << QString() << QStringLiteral("disk full");
}

void TestFrmTweak::cancelsAndFailuresChangeNothing()
{
    QFETCH(int, item);
    QFETCH(QString, chosen);
    QFETCH(QString, reported);
    Sandbox sandbox;
    const QString current = sandbox.gameFile(QStringLiteral("current.tweak"));
    writeBytes(current, "current\r\n");
    frmTweak& form = openEditor(sandbox, {current, chosen.isEmpty() ? QString() : sandbox.gameFile(chosen)});
    form.mnuFileLoad()->trigger();
    form.rtb()->setText(QStringLiteral("edited"));
    if (item == 2)
        Files::setWriteFault([](const QString&) { return QStringLiteral("disk full"); });
    form.mnuFile()->actions().at(item)->trigger();
    Files::setWriteFault({});

    QCOMPARE(sandbox.dialogs().messages.size(), reported.isEmpty() ? 0 : 1);
    QVERIFY(reported.isEmpty() || sandbox.dialogs().messages.at(0).prompt.contains(reported));
    QCOMPARE(QDir(sandbox.gameFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 1);
    QCOMPARE(readBytes(current), QByteArray("current\r\n"));
    // The text stays, and Save still writes the file that was read.
    form.mnuFileSave()->trigger();
    QCOMPARE(readBytes(current), QByteArray("edited\r\n"));
}

void TestFrmTweak::newAndCloseForgetTheFile()
{
    Sandbox sandbox;
    const QString path = sandbox.gameFile(QStringLiteral("a.tweak"));
    writeBytes(path, "the the\r\n");
    frmTweak& form = openEditor(sandbox, {path, QString(), path});
    form.mnuFileLoad()->trigger();
    form.mnuEditSearch()->trigger();
    frmSearch& search = frmSearch::instance();
    search.Text1()->setText(QStringLiteral("the"));
    search.Command1()->click();
    form.mnuFileNew()->trigger();
    QCOMPARE(search.lastMatch(SearchTarget::Tweak), 0);
    QCOMPARE(form.rtb()->text() + form.Label1()->text(), QString());
    form.mnuFileSave()->trigger(); // no current file: Save as, cancelled
    QCOMPARE(sandbox.dialogs().fileDialogFilters.size(), 2);
    form.mnuFileLoad()->trigger(); // the search starts again
    search.Command1()->click();
    QCOMPARE(search.lastMatch(SearchTarget::Tweak), 1);

    // Closing with unsaved text asks nothing; the next opening starts afresh.
    form.rtb()->setText(QStringLiteral("unsaved"));
    form.window()->close();
    openEditor(sandbox);
    QCOMPARE(search.lastMatch(SearchTarget::Tweak), 0);
    QCOMPARE(form.rtb()->text(), QString::fromLatin1(hint));
    QCOMPARE(form.Label1()->text(), QString());
    QVERIFY(sandbox.dialogs().messages.isEmpty());
    QCOMPARE(readBytes(path), QByteArray("the the\r\n"));
}

QTEST_MAIN(TestFrmTweak)
#include "tst_frmtweak.moc"
