#include "runtime/Dialogs.h"
#include "runtime/files/FileServices.h"
#include "shell/Form2.h"
#include "shell/frmMain.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

using namespace runtime;

namespace {

const QString NotFound = QStringLiteral("BF2142 NOT FOUND!");

bool programFileExists(const Sandbox& sandbox, const char* name)
{
    return QFile::exists(sandbox.programFile(QString::fromLatin1(name)));
}

} // namespace

class TestForm2 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstRunIsSilent();
    void passingSelectOpensMainMenuAndRemembers();
    void checkIgnoresLetterCase();
    void failingSelectChangesNothing();
    void modNameIsWrittenAsTyped_data();
    void modNameIsWrittenAsTyped();
    void startWithStoredLocation_data();
    void startWithStoredLocation();
    void failingSaveStepIsSkipped();
    void readingTheFolderOfAClosedWindowLoadsIt_data();
    void readingTheFolderOfAClosedWindowLoadsIt();
    void badSettingsFilesDoNotCrash_data();
    void badSettingsFilesDoNotCrash();
    void choosingADriveMovesTheFolderList();
};

void TestForm2::firstRunIsSilent()
{
    Sandbox sandbox;
    Form2& form = Form2::instance();
    form.load();
    QVERIFY(sandbox.dialogs().messages.isEmpty());
    QVERIFY(!frmMain::instance().isLoaded());
    QCOMPARE(form.Text1()->text(), QStringLiteral("BF2142"));
    QCOMPARE(form.Dir1()->path(), QDir::toNativeSeparators(QDir::currentPath()));
    QCOMPARE(QDir(sandbox.programFolder()).entryList(QDir::Files), QStringList());
}

void TestForm2::passingSelectOpensMainMenuAndRemembers()
{
    Sandbox sandbox;
    sandbox.makeGame();
    Form2& form = Form2::instance();
    form.show();
    form.Dir1()->setPath(sandbox.gameFolder());
    QTest::mouseClick(form.Command1(), Qt::LeftButton);

    QVERIFY(sandbox.dialogs().messages.isEmpty());
    QVERIFY(frmMain::instance().isVisible());
    QVERIFY(form.isLoaded());
    QVERIFY(!form.isVisible());
    QCOMPARE(readBytes(sandbox.programFile(QStringLiteral("dir.ini"))), sandbox.gameFolder().toLatin1() + "\r\n");
    QCOMPARE(readBytes(sandbox.programFile(QStringLiteral("dirMod.ini"))), QByteArray("BF2142\r\n"));
}

void TestForm2::checkIgnoresLetterCase()
{
    Sandbox sandbox;
    writeBytes(sandbox.gameFile(QStringLiteral("Mods/BF2142/Init.con")), QByteArray());
    Form2& form = Form2::instance();
    form.Dir1()->setPath(sandbox.gameFolder());
    form.Command1_Click();
    QVERIFY(sandbox.dialogs().messages.isEmpty());
    QVERIFY(frmMain::instance().isVisible());
}

void TestForm2::failingSelectChangesNothing()
{
    Sandbox sandbox;
    sandbox.storeLocation(QStringLiteral("/stored/folder"), QStringLiteral("OldMod"));
    Form2& form = Form2::instance();
    form.show();
    form.Dir1()->setPath(sandbox.gameFolder()); // no mods/bf2142/init.con here
    form.Text1()->setText(QStringLiteral("NewMod"));
    form.Command1()->click();

    QCOMPARE(sandbox.dialogs().messages.size(), 1);
    const auto& message = sandbox.dialogs().messages.first();
    QCOMPARE(message.prompt, NotFound);
    QCOMPARE(message.title, QStringLiteral("Sorvane"));
    QCOMPARE(message.style, MsgBoxStyle::OkOnly | MsgBoxStyle::Critical);
    QVERIFY(form.isVisible());
    QVERIFY(!frmMain::instance().isLoaded());
    QCOMPARE(form.Dir1()->path(), sandbox.gameFolder());
    QCOMPARE(form.Text1()->text(), QStringLiteral("NewMod"));
    QCOMPARE(readBytes(sandbox.programFile(QStringLiteral("dir.ini"))), QByteArray("/stored/folder\r\n"));
    QCOMPARE(readBytes(sandbox.programFile(QStringLiteral("dirMod.ini"))), QByteArray("OldMod\r\n"));
}

void TestForm2::modNameIsWrittenAsTyped_data()
{
    QTest::addColumn<QString>("mod");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("mod that does not exist, with blanks") << QStringLiteral(" My Mod ") << QByteArray(" My Mod \r\n");
    QTest::newRow("empty mod box") << QString() << QByteArray("\r\n");
}

void TestForm2::modNameIsWrittenAsTyped()
{
    QFETCH(QString, mod);
    QFETCH(QByteArray, stored);
    Sandbox sandbox;
    sandbox.makeGame();
    Form2& form = Form2::instance();
    form.Dir1()->setPath(sandbox.gameFolder());
    form.Text1()->setText(mod);
    form.Command1_Click();
    QVERIFY(frmMain::instance().isVisible());
    QCOMPARE(readBytes(sandbox.programFile(QStringLiteral("dirMod.ini"))), stored);
}

void TestForm2::startWithStoredLocation_data()
{
    QTest::addColumn<bool>("gameExists");
    QTest::addColumn<QString>("storedFolder"); // "<game>" stands for the sandbox's game folder
    QTest::addColumn<QByteArray>("dirMod");    // "<none>": no dirMod.ini
    QTest::addColumn<bool>("expectMessage");
    QTest::addColumn<bool>("expectMainMenu");
    QTest::addColumn<QString>("expectMod");

    QTest::newRow("stored folder passes") << true << "<game>" << QByteArray("MyMod\r\n") << false << true << "MyMod";
    QTest::newRow("stored folder fails the check")
        << false << "<game>" << QByteArray("MyMod\r\n") << true << false << "MyMod";
    QTest::newRow("stored folder gone") << true << "/no/such/folder" << QByteArray("MyMod\r\n") << false << false
                                        << "BF2142";
    QTest::newRow("no dirMod.ini") << true << "<game>" << QByteArray("<none>") << false << false << "BF2142";
    QTest::newRow("dirMod.ini of several lines")
        << true << "<game>" << QByteArray("First\r\nSecond\r\n") << false << true << "First";
}

void TestForm2::startWithStoredLocation()
{
    QFETCH(bool, gameExists);
    QFETCH(QString, storedFolder);
    QFETCH(QByteArray, dirMod);
    QFETCH(bool, expectMessage);
    QFETCH(bool, expectMainMenu);
    QFETCH(QString, expectMod);

    Sandbox sandbox;
    if (gameExists)
        sandbox.makeGame();
    if (storedFolder == QLatin1String("<game>"))
        storedFolder = sandbox.gameFolder();
    const QByteArray dirIni = storedFolder.toLatin1() + "\r\n";
    writeBytes(sandbox.programFile(QStringLiteral("dir.ini")), dirIni);
    if (dirMod != "<none>")
        writeBytes(sandbox.programFile(QStringLiteral("dirMod.ini")), dirMod);

    Form2& form = Form2::instance();
    form.load();

    QCOMPARE(sandbox.dialogs().messages.size(), expectMessage ? 1 : 0);
    if (expectMessage)
        QCOMPARE(sandbox.dialogs().messages.first().prompt, NotFound);
    QCOMPARE(frmMain::instance().isVisible(), expectMainMenu);
    QCOMPARE(form.Text1()->text(), expectMod);
    if (storedFolder == sandbox.gameFolder())
        QCOMPARE(form.Dir1()->path(), sandbox.gameFolder());
    // The files change only after a passing check, and then hold what was
    // restored.
    QCOMPARE(readBytes(sandbox.programFile(QStringLiteral("dir.ini"))), dirIni);
    const QByteArray expectDirMod = expectMainMenu ? expectMod.toLatin1() + "\r\n" : dirMod;
    QCOMPARE(readBytes(sandbox.programFile(QStringLiteral("dirMod.ini"))),
             dirMod == "<none>" ? QByteArray("<missing>") : expectDirMod);
}

void TestForm2::failingSaveStepIsSkipped()
{
    Sandbox sandbox;
    sandbox.makeGame();
    Files::setWriteFault([](const QString& hostPath) {
        return hostPath.endsWith(QLatin1String("dir.ini")) ? QStringLiteral("disk full") : QString();
    });
    Form2& form = Form2::instance();
    form.Dir1()->setPath(sandbox.gameFolder());
    form.Text1()->setText(QStringLiteral("MyMod"));
    form.Command1_Click();
    QVERIFY(frmMain::instance().isVisible());
    QVERIFY(sandbox.dialogs().messages.isEmpty());
    QVERIFY(!programFileExists(sandbox, "dir.ini"));
    QCOMPARE(readBytes(sandbox.programFile(QStringLiteral("dirMod.ini"))), QByteArray("MyMod\r\n"));
}

void TestForm2::readingTheFolderOfAClosedWindowLoadsIt_data()
{
    QTest::addColumn<bool>("storedPasses");
    QTest::newRow("stored folder passes") << true;
    QTest::newRow("stored folder fails") << false;
}

void TestForm2::readingTheFolderOfAClosedWindowLoadsIt()
{
    QFETCH(bool, storedPasses);
    Sandbox sandbox;
    if (storedPasses)
        sandbox.makeGame();
    sandbox.storeLocation(sandbox.gameFolder(), QStringLiteral("MyMod"));

    Form2& form = Form2::instance();
    form.show();
    sandbox.dialogs().messages.clear();
    form.Dir1()->setPath(QDir::rootPath());
    form.Text1()->setText(QStringLiteral("Unsaved"));
    form.window()->close();
    QVERIFY(!form.isLoaded());

    // What an editor does when it builds a game path.
    const QString path = Form2::instance().Dir1()->path() + QStringLiteral("\\mods\\");
    QVERIFY(form.isLoaded());
    QVERIFY(!form.isVisible());
    QCOMPARE(path, sandbox.gameFolder() + QStringLiteral("\\mods\\"));
    QCOMPARE(form.Text1()->text(), QStringLiteral("MyMod"));
    QCOMPARE(sandbox.dialogs().messages.size(), storedPasses ? 0 : 1);
    QCOMPARE(frmMain::instance().isVisible(), storedPasses);
}

void TestForm2::badSettingsFilesDoNotCrash_data()
{
    QTest::addColumn<QByteArray>("dirIni");
    QTest::addColumn<QByteArray>("dirModIni");
    QTest::addColumn<bool>("checkRuns");

    QByteArray noise(4096, '\0');
    QRandomGenerator random(2142);
    for (char& byte : noise)
        byte = char(random.bounded(256));

    QTest::newRow("dir.ini of several lines") << QByteArray("/tmp\r\n/usr\r\n") << QByteArray("BF2142\r\n") << false;
    QTest::newRow("dir.ini of random bytes") << noise << QByteArray("BF2142\r\n") << false;
    QTest::newRow("dir.ini of 5 MB on one line") << QByteArray(5 * 1024 * 1024, 'a') << QByteArray("x\r\n") << false;
    QTest::newRow("dirMod.ini of random bytes") << QByteArray("<game>\r\n") << noise << true;
}

void TestForm2::badSettingsFilesDoNotCrash()
{
    QFETCH(QByteArray, dirIni);
    QFETCH(QByteArray, dirModIni);
    QFETCH(bool, checkRuns);
    Sandbox sandbox;
    sandbox.makeGame();
    dirIni.replace("<game>", sandbox.gameFolder().toLatin1());
    writeBytes(sandbox.programFile(QStringLiteral("dir.ini")), dirIni);
    writeBytes(sandbox.programFile(QStringLiteral("dirMod.ini")), dirModIni);

    QElapsedTimer clock;
    clock.start();
    Form2::instance().load();
    QVERIFY2(clock.elapsed() < 10000, "the start-up hung");
    QVERIFY(sandbox.dialogs().messages.isEmpty());
    QCOMPARE(frmMain::instance().isVisible(), checkRuns);
    if (!checkRuns)
        QCOMPARE(readBytes(sandbox.programFile(QStringLiteral("dir.ini"))), dirIni);
}

void TestForm2::choosingADriveMovesTheFolderList()
{
    Sandbox sandbox;
    Form2& form = Form2::instance();
    form.show();
    form.Dir1()->setPath(sandbox.gameFolder());
    const int root = form.Drive1()->findText(QStringLiteral("/"));
    QVERIFY(root >= 0);
    form.Drive1()->setCurrentIndex(root);
    form.Drive1_Change();
    QCOMPARE(form.Dir1()->path(), QStringLiteral("/"));

    // A drive that names no folder leaves the folder list where it was.
    form.Dir1()->setPath(sandbox.gameFolder());
    form.Drive1()->addItem(QStringLiteral("/no/such/drive"));
    form.Drive1()->setCurrentIndex(form.Drive1()->count() - 1);
    form.Drive1_Change();
    QCOMPARE(form.Dir1()->path(), sandbox.gameFolder());
}

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
