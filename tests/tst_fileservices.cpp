#include "runtime/files/FileServices.h"
#include "runtime/files/RuntimeError.h"
#include "runtime/files/WinPath.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace runtime;

class TestFileServices : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wholeTextWrite_data();
    void wholeTextWrite();
    void wholeTextWriteReplacesLongerFile();
    void failedWriteKeepsOldFile_data();
    void failedWriteKeepsOldFile();
    void deleteFile();
    void replaceKeepsOwnerGroupAndMode();
    void namesDifferingInCaseNameOneFile();
    void resolverMatchesComponentsIgnoringCase();
    void resolverMapsDriveLetters();
    void resolverJoinsAtRootFolder();
    void lineFileRoundTrip();
    void lineFileReadFailures();
    void lineWriterLeftOpenKeepsOldFile();
};

void TestFileServices::wholeTextWrite_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty text gives CR LF alone") << QString() << QByteArray("\r\n");
    QTest::newRow("text ending CR LF") << QStringLiteral("abc\r\n") << QByteArray("abc\r\n\r\n");
    QTest::newRow("lone CR stays one byte") << QStringLiteral("a\rb") << QByteArray("a\rb\r\n");
    QTest::newRow("8-bit characters") << QStringLiteral("caf\u00e9 \u00ff") << QByteArray("caf\xe9 \xff\r\n");
}

void TestFileServices::wholeTextWrite()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    Sandbox sandbox;
    Files::writeWholeText(sandbox.programFolder() + QStringLiteral("\\out.txt"), text);
    QCOMPARE(readBytes(sandbox.programFile(QStringLiteral("out.txt"))), bytes);
}

void TestFileServices::wholeTextWriteReplacesLongerFile()
{
    Sandbox sandbox;
    const QString path = sandbox.programFile(QStringLiteral("out.txt"));
    writeBytes(path, QByteArray(5000, 'x'));
    Files::writeWholeText(path, QStringLiteral("short"));
    QCOMPARE(readBytes(path), QByteArray("short\r\n"));
}

void TestFileServices::failedWriteKeepsOldFile_data()
{
    QTest::addColumn<QString>("situation");
    QTest::newRow("missing folder") << QStringLiteral("missing folder");
    QTest::newRow("folder in the file's place") << QStringLiteral("folder in place");
    QTest::newRow("injected failure") << QStringLiteral("injected");
    QTest::newRow("character an 8-bit file cannot hold") << QStringLiteral("unicode");
    QTest::newRow("read-only file, even for root") << QStringLiteral("read-only");
}

void TestFileServices::failedWriteKeepsOldFile()
{
    QFETCH(QString, situation);
    Sandbox sandbox;
    QString target = sandbox.programFile(QStringLiteral("game/AI/AIDefault.ai"));
    const QByteArray old("old content\r\n");
    QString text = QStringLiteral("new content");

    if (situation == QLatin1String("missing folder")) {
        target = sandbox.programFile(QStringLiteral("nowhere/AIDefault.ai"));
    } else if (situation == QLatin1String("folder in place")) {
        QVERIFY(QDir().mkpath(target));
    } else {
        writeBytes(target, old);
        if (situation == QLatin1String("injected"))
            Files::setWriteFault([](const QString&) { return QStringLiteral("disk full"); });
        else if (situation == QLatin1String("read-only"))
            QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        else
            text = QStringLiteral("bots \u263a");
    }

    try {
        Files::writeWholeText(target, text);
        QFAIL("the write reported success");
    } catch (const RuntimeError& error) {
        QVERIFY2(error.text().contains(QStringLiteral("AIDefault.ai")), qPrintable(error.text()));
        QVERIFY(situation != QLatin1String("read-only") || error.text().endsWith(QLatin1String("is read-only")));
    }
    if (!situation.contains(QLatin1String("folder"))) {
        QCOMPARE(readBytes(target), old);
        // No temporary file is left behind either.
        QCOMPARE(QDir(QFileInfo(target).absolutePath()).entryList(QDir::Files),
                 QStringList{QStringLiteral("AIDefault.ai")});
    } else if (situation == QLatin1String("folder in place")) {
        QVERIFY(QFileInfo(target).isDir());
    } else {
        QVERIFY(!QFile::exists(target));
    }
}

void TestFileServices::deleteFile()
{
    Sandbox sandbox;
    QVERIFY_THROWS_EXCEPTION(RuntimeError, Files::deleteFile(sandbox.programFolder() + QStringLiteral("\\none.ini")));

    writeBytes(sandbox.programFile(QStringLiteral("Score.ini")), "1\r\n");
    QFile::setPermissions(sandbox.programFile(QStringLiteral("Score.ini")), QFile::ReadOwner);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, Files::deleteFile(sandbox.programFolder() + QStringLiteral("\\score.ini")));
    QFile::setPermissions(sandbox.programFile(QStringLiteral("Score.ini")), QFile::ReadOwner | QFile::WriteOwner);
    Files::deleteFile(sandbox.programFolder() + QStringLiteral("\\score.ini"));
    QVERIFY(!QFile::exists(sandbox.programFile(QStringLiteral("Score.ini"))));
}

void TestFileServices::replaceKeepsOwnerGroupAndMode()
{
    if (geteuid() != 0)
        QSKIP("only root can give a file to another user");
    Sandbox sandbox;
    const QString target = sandbox.programFile(QStringLiteral("Init.con"));
    writeBytes(target, "old\r\n");
    const QByteArray name = QFile::encodeName(target);
    QVERIFY(chown(name.constData(), 4321, 4322) == 0 && chmod(name.constData(), 0640) == 0);
    Files::writeWholeText(target, QStringLiteral("new"));
    struct stat replaced {};
    QVERIFY(stat(name.constData(), &replaced) == 0);
    QCOMPARE(readBytes(target), QByteArray("new\r\n"));
    QCOMPARE(QList<uint>({replaced.st_uid, replaced.st_gid, replaced.st_mode & 07777}),
             QList<uint>({4321, 4322, 0640}));
}

void TestFileServices::namesDifferingInCaseNameOneFile()
{
    Sandbox sandbox;
    writeBytes(sandbox.programFile(QStringLiteral("Score.ini")), "old\r\n");
    Files::writeWholeText(sandbox.programFolder() + QStringLiteral("\\SCORE.INI"), QStringLiteral("new"));
    QCOMPARE(QDir(sandbox.programFolder()).entryList(QDir::Files), QStringList{QStringLiteral("Score.ini")});
    QCOMPARE(readBytes(sandbox.programFile(QStringLiteral("Score.ini"))), QByteArray("new\r\n"));
}

void TestFileServices::resolverMatchesComponentsIgnoringCase()
{
    Sandbox sandbox;
    writeBytes(sandbox.gameFile(QStringLiteral("Mods/BF2142/Init.con")), "x");
    const QString resolved = WinPath::toHost(sandbox.gameFolder() + QStringLiteral("\\mods\\bf2142\\init.con"));
    QCOMPARE(resolved, sandbox.gameFile(QStringLiteral("Mods/BF2142/Init.con")));

    // An exact match wins over a case variant.
    writeBytes(sandbox.gameFile(QStringLiteral("Mods/bf2142/init.con")), "y");
    QCOMPARE(WinPath::toHost(sandbox.gameFolder() + QStringLiteral("\\Mods\\bf2142\\init.con")),
             sandbox.gameFile(QStringLiteral("Mods/bf2142/init.con")));

    // Below a missing folder the rest stays as written; an empty mod name's
    // double backslash is one separator.
    QCOMPARE(WinPath::toHost(sandbox.gameFolder() + QStringLiteral("\\mods\\\\AI\\BotNames.ai")),
             sandbox.gameFile(QStringLiteral("Mods/AI/BotNames.ai")));
}

void TestFileServices::resolverMapsDriveLetters()
{
    Sandbox sandbox;
    QTemporaryDir driveMap;
    QVERIFY(QFile::link(sandbox.gameFolder(), driveMap.filePath(QStringLiteral("c:"))));
    WinPath::setDriveMapFolder(driveMap.path());
    writeBytes(sandbox.gameFile(QStringLiteral("Games/BF2142/mods/bf2142/init.con")), "x");

    const QString resolved = WinPath::toHost(QStringLiteral("C:\\games\\bf2142\\mods\\bf2142\\init.con"));
    WinPath::setDriveMapFolder(QString());
    QVERIFY2(QFileInfo(resolved).isFile(), qPrintable(resolved));
    QCOMPARE(QFileInfo(resolved).canonicalFilePath(),
             QFileInfo(sandbox.gameFile(QStringLiteral("Games/BF2142/mods/bf2142/init.con"))).canonicalFilePath());
}

void TestFileServices::resolverJoinsAtRootFolder()
{
    QCOMPARE(WinPath::toHost(QStringLiteral("/") + QStringLiteral("\\dir.ini")), QStringLiteral("/dir.ini"));
}

void TestFileServices::lineFileRoundTrip()
{
    Sandbox sandbox;
    const QString path = sandbox.programFolder() + QStringLiteral("\\strategies.ini");
    {
        LineWriter writer(path);
        writer.writeLine(QStringLiteral("40"));
        writer.writeLine(QString());
        writer.writeLine(QStringLiteral("1.5"));
        writer.close();
    }
    QCOMPARE(readBytes(sandbox.programFile(QStringLiteral("strategies.ini"))), QByteArray("40\r\n\r\n1.5\r\n"));

    LineReader reader(path);
    QCOMPARE(reader.readLine(), QStringLiteral("40"));
    QCOMPARE(reader.readLine(), QString());
    QCOMPARE(reader.readLine(), QStringLiteral("1.5"));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, reader.readLine());
}

void TestFileServices::lineFileReadFailures()
{
    Sandbox sandbox;
    const QString path = sandbox.programFolder() + QStringLiteral("\\MaxBots.ini");
    QVERIFY_THROWS_EXCEPTION(RuntimeError, LineReader{path});

    // A short file gives the lines it has; the failed reader is closed, so
    // the same file can be written right away.
    writeBytes(sandbox.programFile(QStringLiteral("MaxBots.ini")), "7");
    LineReader reader(path);
    QCOMPARE(reader.readLine(), QStringLiteral("7"));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, reader.readLine());
    LineWriter writer(path);
    writer.writeLine(QStringLiteral("8"));
    writer.close();
    QCOMPARE(readBytes(sandbox.programFile(QStringLiteral("MaxBots.ini"))), QByteArray("8\r\n"));
}

void TestFileServices::lineWriterLeftOpenKeepsOldFile()
{
    Sandbox sandbox;
    writeBytes(sandbox.programFile(QStringLiteral("Score.ini")), "old\r\n");
    {
        LineWriter writer(sandbox.programFolder() + QStringLiteral("\\Score.ini"));
        writer.writeLine(QStringLiteral("new"));
    }
    QCOMPARE(readBytes(sandbox.programFile(QStringLiteral("Score.ini"))), QByteArray("old\r\n"));
}

QTEST_MAIN(TestFileServices)
#include "tst_fileservices.moc"
