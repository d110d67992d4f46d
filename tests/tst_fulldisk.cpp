#include "bots/Form1.h"
#include "runtime/files/FileServices.h"
#include "runtime/files/RuntimeError.h"
#include "shell/Form2.h"
#include "shell/frmMain.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>

using namespace runtime;

namespace {

// Why this process cannot mount a file system of its own; empty when it can.
QString g_namespaceRefusal;

QString systemError(const char* what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
}

bool writeProcFile(const char* path, const QByteArray& text)
{
    QFile file(QString::fromLatin1(path));
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

// Moves the process into a mount namespace of its own (with a user namespace
// when it is not root), so that its mounts stay private and vanish with it.
// A user namespace needs a single thread: call before QApplication.
QString enterMountNamespace()
{
    const QByteArray uid = QByteArray::number(geteuid());
    const QByteArray gid = QByteArray::number(getegid());
    if (unshare(CLONE_NEWNS) != 0) {
        if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
            return systemError("no mount namespace");
        if (!writeProcFile("/proc/self/setgroups", "deny") || !writeProcFile("/proc/self/uid_map", "0 " + uid + " 1")
            || !writeProcFile("/proc/self/gid_map", "0 " + gid + " 1"))
            return systemError("no user mapping");
    }
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return systemError("mounts not private");
    return {};
}

const QByteArray OldContent = QByteArray("old settings\r\n").repeated(300);

// Replaces `target` with a text of `size` characters, or with twelve lines
// through the line writer; returns the failure's message, empty on success.
// A `limit` lowers the largest file this process may write, with SIGXFSZ
// ignored so that a write beyond it is cut short instead of ending the process.
QString failedWrite(const QString& target, int size, bool lines, rlim_t limit = RLIM_INFINITY)
{
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit lowered{std::min(limit, old.rlim_cur), old.rlim_max};
    setrlimit(RLIMIT_FSIZE, &lowered);
    const auto restore = qScopeGuard([&] {
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
    });
    try {
        if (lines) {
            LineWriter writer(target);
            for (int i = 0; i < 12; ++i)
                writer.writeLine(QStringLiteral("True"));
            writer.close();
        } else {
            Files::writeWholeText(target, QString(size, QLatin1Char('n')));
        }
    } catch (const RuntimeError& error) {
        return error.text();
    }
    return {};
}

// The failure names the file and the cause; the old file is whole and the
// folder holds nothing new.
void verifyFailure(const QString& message, const QString& target, const QString& cause, const QStringList& files)
{
    QVERIFY2(!message.isEmpty(), "the write reported success");
    QVERIFY2(message.contains(QFileInfo(target).fileName()) && message.contains(cause), qPrintable(message));
    QCOMPARE(readBytes(target), OldContent);
    QCOMPARE(QDir(QFileInfo(target).absolutePath()).entryList(QDir::Files | QDir::Hidden | QDir::System), files);
}

// Puts the old file into `folder`, fills the rest of its file system with
// one file, then frees `leaveFree` bytes of it again.
void fillDisk(const QString& folder, const QString& target, qint64 leaveFree)
{
    QFile filler(folder + QStringLiteral("/filler"));
    filler.remove();
    writeBytes(target, OldContent);
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray page(4096, 'f');
    while (filler.write(page) == page.size()) {
    }
    while (filler.write("f", 1) == 1) {
    }
    QVERIFY(filler.resize(filler.size() - leaveFree));
}

} // namespace

class TestFullDisk : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void failedWriteKeepsOldFile_data();
    void failedWriteKeepsOldFile();
    void settingsLineLimit();
    void overlongSettingsFailFast_data();
    void overlongSettingsFailFast();

private:
    QTemporaryDir m_disk;
    QString m_mountRefusal;
};

void TestFullDisk::initTestCase()
{
    m_mountRefusal = g_namespaceRefusal;
    if (m_mountRefusal.isEmpty()
        && mount("sorvane-test", QFile::encodeName(m_disk.path()).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                 "size=256k,mode=0700")
               != 0)
        m_mountRefusal = systemError("cannot mount a tmpfs");
}

void TestFullDisk::cleanupTestCase()
{
    if (m_mountRefusal.isEmpty())
        umount2(QFile::encodeName(m_disk.path()).constData(), MNT_DETACH);
}

void TestFullDisk::failedWriteKeepsOldFile_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("lines");
    QTest::addColumn<int>("leaveFree"); // on the full tmpfs
    QTest::addColumn<int>("limit");     // else a file size limit cuts the write short
    QTest::newRow("100 bytes") << 100 << false << 0 << 0;
    QTest::newRow("3 KiB") << 3 * 1024 << false << 0 << 0;
    QTest::newRow("16 KiB") << 16 * 1024 << false << 0 << 0;
    QTest::newRow("30 KiB") << 30 * 1024 << false << 0 << 0;
    QTest::newRow("line writer") << 0 << true << 0 << 0;
    QTest::newRow("12 KiB cut short after 4 KiB") << 12 * 1024 << false << 4096 << 0;
    QTest::newRow("30 KiB cut short after 8 KiB") << 30 * 1024 << false << 8192 << 0;
    QTest::newRow("limit: 3 KiB from the buffer") << 3 * 1024 << false << 0 << 1024;
    QTest::newRow("limit: 30 KiB written directly") << 30 * 1024 << false << 0 << 20 * 1024;
}

void TestFullDisk::failedWriteKeepsOldFile()
{
    QFETCH(int, size);
    QFETCH(bool, lines);
    QFETCH(int, leaveFree);
    QFETCH(int, limit);
    if (!limit && !m_mountRefusal.isEmpty())
        QSKIP(qPrintable(m_mountRefusal));
    Sandbox sandbox;
    const QString target = (limit ? sandbox.programFolder() : m_disk.path()) + QStringLiteral("/AIDefault.ai");
    QStringList files{QStringLiteral("AIDefault.ai")};
    if (limit) {
        writeBytes(target, OldContent);
    } else {
        fillDisk(m_disk.path(), target, leaveFree);
        files << QStringLiteral("filler");
    }
    verifyFailure(failedWrite(target, size, lines, limit ? rlim_t(limit) : RLIM_INFINITY), target,
                  QString::fromLocal8Bit(std::strerror(limit ? EFBIG : ENOSPC)), files);
}

void TestFullDisk::settingsLineLimit()
{
    Sandbox sandbox;
    const QString path = sandbox.programFile(QStringLiteral("MaxBots.ini"));
    const QByteArray longest(Files::MaxSettingsLine, '7');
    writeBytes(path, longest + "\r\n" + longest + "7\r\n");
    LineReader reader(path);
    QCOMPARE(reader.readLine(), QString::fromLatin1(longest));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, reader.readLine());

    writeBytes(path, longest + "\r\n");
    QCOMPARE(Files::readWholeFile(path, Files::MaxSettingsFile), longest + "\r\n");
    writeBytes(path, longest + "7\r\n");
    QVERIFY_THROWS_EXCEPTION(RuntimeError, Files::readWholeFile(path, Files::MaxSettingsFile));
}

void TestFullDisk::overlongSettingsFailFast_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("MaxBots.ini") << QStringLiteral("MaxBots.ini") << QByteArray("20");
    QTest::newRow("dir.ini") << QStringLiteral("dir.ini") << QByteArray("<game>");
    QTest::newRow("dirMod.ini") << QStringLiteral("dirMod.ini") << QByteArray("BF2142");
}

void TestFullDisk::overlongSettingsFailFast()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, start);
    Sandbox sandbox;
    sandbox.makeGame();
    sandbox.storeLocation(sandbox.gameFolder());
    const bool maxBots = file == QLatin1String("MaxBots.ini");
    const auto load = [maxBots] { maxBots ? Form1::instance().load() : Form2::instance().load(); };
    // Once without the damaged file, so that the timing below is the read's.
    load();
    Form::destroyAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // One line of 200 MB: what it starts with would pass if read whole.
    QFile damaged(sandbox.programFile(file));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write(start == "<game>" ? QFile::encodeName(sandbox.gameFolder()) : start);
    const QByteArray blanks(1024 * 1024, ' ');
    for (int i = 0; i < 200; ++i)
        QCOMPARE(damaged.write(blanks), blanks.size());
    damaged.write("\r\n");
    damaged.close();

    const auto peakMemoryKiB = [] {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        return usage.ru_maxrss;
    };
    const long memoryBefore = peakMemoryKiB();
    QElapsedTimer timer;
    timer.start();
    load();
    QVERIFY2(timer.elapsed() < 100, qPrintable(QStringLiteral("the load took %1 ms").arg(timer.elapsed())));
    QVERIFY2(peakMemoryKiB() - memoryBefore < 16 * 1024, "peak memory grew by 16 MiB or more");
    // The design value stays; the restore fails, so no main menu opens.
    if (maxBots)
        QCOMPARE(Form1::instance().Slider1()->value(), 16);
    else
        QVERIFY(!frmMain::instance().isLoaded());
}

int main(int argc, char* argv[])
{
    g_namespaceRefusal = enterMountNamespace();
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestFullDisk test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fulldisk.moc"
