#include "runtime/files/FileServices.h"
#include "runtime/files/WinPath.h"
#include "shell/frmNote.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace runtime;

namespace {

// A drive C: of its own for one test, holding an empty Windows folder.
class DriveC
{
public:
    DriveC()
    {
        QDir(m_drive.path()).mkdir(QStringLiteral("Windows"));
        QFile::link(m_drive.path(), m_map.filePath(QStringLiteral("c:")));
        WinPath::setDriveMapFolder(m_map.path());
    }
    ~DriveC() { WinPath::setDriveMapFolder(QString()); }
    QString notes() const { return m_drive.filePath(QStringLiteral("Windows/Sorvane_notes.txt")); }

private:
    QTemporaryDir m_map;
    QTemporaryDir m_drive;
};

} // namespace

class TestFrmNote : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void saveWritesPlainText_data();
    void saveWritesPlainText();
    void failedSaveIsReported_data();
    void failedSaveIsReported();
};

void TestFrmNote::saveWritesPlainText_data()
{
    QTest::addColumn<QByteArray>("before"); // the file at load; empty: none
    QTest::addColumn<QString>("typed");     // replaces the text; null: kept
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("no file: the design text") << QByteArray() << QString()
                                              << QByteArray("Type here your notes.\r\n");
    QTest::newRow("abc") << QByteArray() << "abc" << QByteArray("abc\r\n");
    QTest::newRow("empty box") << QByteArray() << "" << QByteArray("\r\n");
    QTest::newRow("load and save keeps length") << QByteArray("x\r\n\r\ny\r\n") << QString()
                                                << QByteArray("x\r\n\r\ny\r\n");
}

void TestFrmNote::saveWritesPlainText()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, typed);
    QFETCH(QByteArray, after);
    Sandbox sandbox;
    DriveC drive;
    if (!before.isEmpty())
        writeBytes(drive.notes(), before);
    frmNote& form = frmNote::instance();
    form.show();
    if (!typed.isNull()) {
        form.rtb()->editor()->selectAll();
        QTest::keyClick(form.rtb()->editor(), Qt::Key_Delete);
        QTest::keyClicks(form.rtb()->editor(), typed);
    }

    QTest::mouseClick(form.Command1(), Qt::LeftButton);
    QCOMPARE(readBytes(drive.notes()), after);
    QVERIFY(sandbox.dialogs().messages.isEmpty());
}

void TestFrmNote::failedSaveIsReported_data()
{
    QTest::addColumn<QByteArray>("old"); // empty: no Windows folder
    QTest::newRow("no Windows folder") << QByteArray();
    QTest::newRow("write fails") << QByteArray("old notes\r\n");
}

void TestFrmNote::failedSaveIsReported()
{
    QFETCH(QByteArray, old);
    Sandbox sandbox;
    DriveC drive;
    if (old.isEmpty()) {
        QVERIFY(QDir(QFileInfo(drive.notes()).path()).removeRecursively());
    } else {
        writeBytes(drive.notes(), old);
        Files::setWriteFault([](const QString&) { return QStringLiteral("No space left on device"); });
    }
    frmNote& form = frmNote::instance();
    form.rtb()->setText(QStringLiteral("new notes"));
    form.Command1_Click();

    QCOMPARE(sandbox.dialogs().messages.size(), 1);
    const ScriptedDialogs::Message message = sandbox.dialogs().messages.first();
    QCOMPARE(message.title, QStringLiteral("Sorvane"));
    QCOMPARE(message.style, MsgBoxStyle::Critical);
    QVERIFY2(message.prompt.contains(QStringLiteral("Sorvane_notes.txt")), qPrintable(message.prompt));
    QCOMPARE(form.rtb()->text(), QStringLiteral("new notes"));
    QCOMPARE(QFile::exists(drive.notes()) ? readBytes(drive.notes()) : QByteArray(), old);
}

QTEST_MAIN(TestFrmNote)
#include "tst_frmnote.moc"
