#include "runtime/files/WinPath.h"
#include "shell/Form2.h"
#include "shell/frmMain.h"
#include "support/TestSupport.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTest>

using namespace runtime;

// The game folder as a player reaches it: the drive list's own popup, real
// double-clicks in the folder list, typing, and the next start.

namespace {

const QString GamePath = QStringLiteral("Program Files/EA GAMES/Battlefield 2142");

// A Wine prefix inside the sandbox's game folder: drive C: holds the game.
QString makeWinePrefix(const Sandbox& sandbox)
{
    const QString prefix = sandbox.gameFile(QStringLiteral(".wine"));
    writeBytes(prefix + QStringLiteral("/drive_c/") + GamePath + QStringLiteral("/mods/bf2142/init.con"), "rem\r\n");
    QDir().mkpath(prefix + QStringLiteral("/dosdevices"));
    QFile::link(QStringLiteral("../drive_c"), prefix + QStringLiteral("/dosdevices/c:"));
    QFile::link(QStringLiteral("/"), prefix + QStringLiteral("/dosdevices/z:"));
    QFile::link(QStringLiteral("/dev/null"), prefix + QStringLiteral("/dosdevices/com1"));
    return prefix;
}

QListWidgetItem* entry(FolderList* list, const QString& name)
{
    const auto found = list->findItems(name, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
}

void doubleClick(FolderList* list, const QString& name)
{
    QListWidgetItem* item = entry(list, name);
    QVERIFY2(item, qPrintable(name));
    // What the window system delivers for a double-click.
    const QPoint at = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
}

// Picks a drive in the drive list's popup with the mouse.
void chooseDrive(DriveList* drives, const QString& path)
{
    const int index = drives->findData(path);
    QVERIFY2(index >= 0, qPrintable(path));
    drives->showPopup();
    QAbstractItemView* view = drives->view();
    QVERIFY(QTest::qWaitForWindowExposed(view->window()));
    const QPoint at = view->visualRect(view->model()->index(index, 0)).center();
    QTest::mouseMove(view->viewport(), at);
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
    void choosingTheShownDriveKeepsTheFolder();
    void typingMovesToAFolder();
    void modNameBeyondLatin1IsRemembered();
};

void TestGameLocation::reachTheGameAndStartAgain_data()
{
    QTest::addColumn<QString>("drive"); // chosen in the drive list; empty: start at the sandbox
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("stored"); // "<game>" stands for the sandbox's game folder
    QTest::addColumn<bool>("utf8");      // dir.ini in UTF-8, else one byte per letter

    const QStringList game = GamePath.split(QLatin1Char('/'));
    QTest::newRow("drive letter of the Wine prefix")
        << QStringLiteral("C:\\") << game << QStringLiteral("C:\\Program Files\\EA GAMES\\Battlefield 2142") << false;
    QTest::newRow("hidden folders of the home folder")
        << QString() << QStringList{QStringLiteral(".wine"), QStringLiteral("drive_c")} + game
        << QStringLiteral("<game>/.wine/drive_c/Program Files/EA GAMES/Battlefield 2142") << false;
    QTest::newRow("folder beyond Latin-1") << QString() << QStringList{QStringLiteral("paweł"), QStringLiteral("Игры")}
                                           << QStringLiteral("<game>/paweł/Игры") << true;
    QTest::newRow("folder within Latin-1") << QString() << QStringList{QStringLiteral("Spiele für Jürgen")}
                                           << QStringLiteral("<game>/Spiele für Jürgen") << false;
}

void TestGameLocation::reachTheGameAndStartAgain()
{
    QFETCH(QString, drive);
    QFETCH(QStringList, clicks);
    QFETCH(QString, stored);
    QFETCH(bool, utf8);
    Sandbox sandbox;
    WinPath::setDriveMapFolder(makeWinePrefix(sandbox) + QStringLiteral("/dosdevices"));
    auto restore = qScopeGuard([] { WinPath::setDriveMapFolder(QString()); });
    stored.replace(QLatin1String("<game>"), sandbox.gameFolder());
    if (drive.isEmpty())
        writeBytes(stored + QStringLiteral("/mods/bf2142/init.con"), QByteArray());

    Form2& form = Form2::instance();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(form.window()));
    if (drive.isEmpty())
        form.Dir1()->setPath(sandbox.gameFolder());
    else
        chooseDrive(form.Drive1(), drive);
    for (const QString& name : clicks) {
        doubleClick(form.Dir1(), name);
        if (QTest::currentTestFailed())
            return;
    }
    QCOMPARE(form.Dir1()->path(), stored);
    QTest::mouseClick(form.Command1(), Qt::LeftButton);
    QVERIFY(sandbox.dialogs().messages.isEmpty());
    QVERIFY(frmMain::instance().isVisible());

    const QByteArray dirIni = (utf8 ? stored.toUtf8() : stored.toLatin1()) + "\r\n";
    QCOMPARE(readBytes(sandbox.programFile(QStringLiteral("dir.ini"))), dirIni);

    // The next start restores the folder exactly and goes to the main menu.
    Form::destroyAll();
    Form2::instance().load();
    QVERIFY(sandbox.dialogs().messages.isEmpty());
    QVERIFY(frmMain::instance().isVisible());
    QVERIFY(!Form2::instance().isVisible());
    QCOMPARE(Form2::instance().Dir1()->path(), stored);
    QCOMPARE(readBytes(sandbox.programFile(QStringLiteral("dir.ini"))), dirIni);
}

void TestGameLocation::choosingTheShownDriveKeepsTheFolder()
{
    Sandbox sandbox;
    WinPath::setDriveMapFolder(makeWinePrefix(sandbox) + QStringLiteral("/dosdevices"));
    auto restore = qScopeGuard([] { WinPath::setDriveMapFolder(QString()); });
    Form2& form = Form2::instance();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(form.window()));
    form.Dir1()->setPath(sandbox.gameFolder());
    chooseDrive(form.Drive1(), form.Drive1()->drive());
    QCOMPARE(form.Dir1()->path(), sandbox.gameFolder());

    chooseDrive(form.Drive1(), QStringLiteral("C:\\"));
    QCOMPARE(form.Dir1()->path(), QStringLiteral("C:\\"));
    doubleClick(form.Dir1(), QStringLiteral("Program Files"));
    chooseDrive(form.Drive1(), QStringLiteral("C:\\"));
    QCOMPARE(form.Dir1()->path(), QStringLiteral("C:\\Program Files"));
    // Links that are no drive letters are not offered.
    QCOMPARE(form.Drive1()->findText(QStringLiteral("com1"), Qt::MatchContains), -1);
}

void TestGameLocation::typingMovesToAFolder()
{
    Sandbox sandbox;
    for (const char* name : {"alpha", "beta", "Bravo", "charlie"})
        QDir().mkpath(sandbox.gameFile(QString::fromLatin1(name)));
    Form2& form = Form2::instance();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(form.window()));
    FolderList* list = form.Dir1();
    list->setPath(sandbox.gameFolder());
    for (int i = 0; i < list->count(); ++i)
        QVERIFY(!list->item(i)->text().startsWith(QLatin1Char(' ')));

    list->setFocus();
    QTest::keyClicks(list, QStringLiteral("br"));
    QCOMPARE(list->currentItem()->text(), QStringLiteral("Bravo"));
    QCOMPARE(list->path(), sandbox.gameFolder()); // highlighted, not opened
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(list->path(), sandbox.gameFile(QStringLiteral("Bravo")));
}

void TestGameLocation::modNameBeyondLatin1IsRemembered()
{
    Sandbox sandbox;
    sandbox.makeGame();
    Form2& form = Form2::instance();
    form.Dir1()->setPath(sandbox.gameFolder());
    form.Text1()->setText(QStringLiteral("Мод"));
    form.Command1_Click();
    QCOMPARE(readBytes(sandbox.programFile(QStringLiteral("dirMod.ini"))), QStringLiteral("Мод\r\n").toUtf8());

    Form::destroyAll();
    QCOMPARE(Form2::instance().Text1()->text(), QStringLiteral("Мод"));
    QVERIFY(frmMain::instance().isVisible());
}

QTEST_MAIN(TestGameLocation)
#include "tst_gamelocation.moc"
