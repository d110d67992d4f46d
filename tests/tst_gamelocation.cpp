#include "runtime/files/WinPath.h"
#include "shell/Form2.h"
#include "shell/frmMain.h"
#include "support/TestSupport.h"

#include <QAbstractItemView>
#include <QDir>
#include <QScopeGuard>
#include <QTest>

using namespace runtime;

// The game folder as a player reaches it: the drive list's own popup, real
// double-clicks and typing in the folder list, and the next start.

namespace {

void doubleClick(FolderList* list, const QString& name)
{
    const auto found = list->findItems(name, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(name));
    const QPoint at = list->visualItemRect(found.first()).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at); // what a double-click delivers
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
}

void chooseDrive(DriveList* drives, const QString& path)
{
    drives->showPopup();
    QAbstractItemView* view = drives->view();
    const QPoint at = view->visualRect(view->model()->index(drives->findData(path), 0)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTRY_VERIFY(!view->isVisible());
}

} // namespace

class TestGameLocation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reachTheGameAndStartAgain_data();
    void reachTheGameAndStartAgain();
    void typingMovesToAFolder();
};

void TestGameLocation::reachTheGameAndStartAgain_data()
{
    QTest::addColumn<QString>("drive"); // chosen in the drive list; empty: start in the sandbox
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("stored"); // "<game>" stands for the sandbox's game folder
    QTest::addColumn<QString>("mod");
    QTest::addColumn<bool>("utf8"); // the two files in UTF-8, else one byte per letter

    QTest::newRow("drive letter of the Wine prefix") << QStringLiteral("C:\\") << QStringLiteral("Games/BF 2142")
                                                     << QStringLiteral("C:\\Games\\BF 2142") << QStringLiteral("Mod") << false;
    QTest::newRow("hidden folders") << QString() << QStringLiteral(".wine/drive_c/Games/BF 2142")
                                    << QStringLiteral("<game>/.wine/drive_c/Games/BF 2142") << QStringLiteral("Modé") << false;
    QTest::newRow("beyond Latin-1") << QString() << QStringLiteral("paweł/Игры") << QStringLiteral("<game>/paweł/Игры")
                                    << QStringLiteral("Мод") << true;
}

void TestGameLocation::reachTheGameAndStartAgain()
{
    QFETCH(QString, drive);
    QFETCH(QString, clicks);
    QFETCH(QString, stored);
    QFETCH(QString, mod);
    QFETCH(bool, utf8);
    Sandbox sandbox;
    writeBytes(sandbox.gameFile(QStringLiteral(".wine/drive_c/Games/BF 2142/mods/bf2142/init.con")), "rem\r\n");
    writeBytes(sandbox.gameFile(QStringLiteral("paweł/Игры/mods/bf2142/init.con")), "rem\r\n");
    const QString map = sandbox.gameFile(QStringLiteral(".wine/dosdevices"));
    QDir().mkpath(map);
    QFile::link(QStringLiteral("../drive_c"), map + QStringLiteral("/c:"));
    QFile::link(QStringLiteral("/dev/null"), map + QStringLiteral("/com1")); // no drive
    WinPath::setDriveMapFolder(map);
    auto restore = qScopeGuard([] { WinPath::setDriveMapFolder(QString()); });
    stored.replace(QLatin1String("<game>"), sandbox.gameFolder());

    Form2& form = Form2::instance();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(form.window()));
    QCOMPARE(form.Drive1()->findText(QStringLiteral("com1"), Qt::MatchContains), -1);
    form.Dir1()->setPath(sandbox.gameFolder());
    chooseDrive(form.Drive1(), form.Drive1()->drive()); // the drive shown: the list stays
    QCOMPARE(form.Dir1()->path(), sandbox.gameFolder());
    if (!drive.isEmpty())
        chooseDrive(form.Drive1(), drive);
    for (const QString& name : clicks.split(QLatin1Char('/')))
        doubleClick(form.Dir1(), name);
    QCOMPARE(form.Dir1()->path(), stored);
    form.Text1()->setText(mod);
    QTest::mouseClick(form.Command1(), Qt::LeftButton);
    QVERIFY(frmMain::instance().isVisible());
    const auto bytes = [utf8](const QString& text) { return (utf8 ? text.toUtf8() : text.toLatin1()) + "\r\n"; };
    QCOMPARE(readBytes(sandbox.programFile(QStringLiteral("dir.ini"))), bytes(stored));
    QCOMPARE(readBytes(sandbox.programFile(QStringLiteral("dirMod.ini"))), bytes(mod));

    // The next start restores both exactly and goes to the main menu.
    Form::destroyAll();
    Form2::instance().load();
    QVERIFY(frmMain::instance().isVisible());
    QCOMPARE(Form2::instance().Dir1()->path(), stored);
    QCOMPARE(Form2::instance().Text1()->text(), mod);
    QVERIFY(sandbox.dialogs().messages.isEmpty());
}

void TestGameLocation::typingMovesToAFolder()
{
    Sandbox sandbox;
    for (const char* name : {"alpha", "beta", "Bravo"})
        QDir().mkpath(sandbox.gameFile(QString::fromLatin1(name)));
    Form2::instance().show();
    FolderList* list = Form2::instance().Dir1();
    list->setPath(sandbox.gameFolder());
    list->setFocus();
    QTest::keyClicks(list, QStringLiteral("br"));
    QCOMPARE(list->currentItem()->text(), QStringLiteral("Bravo"));
    QCOMPARE(list->path(), sandbox.gameFolder()); // highlighted, not opened
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(list->path(), sandbox.gameFile(QStringLiteral("Bravo")));
}

QTEST_MAIN(TestGameLocation)
#include "tst_gamelocation.moc"
