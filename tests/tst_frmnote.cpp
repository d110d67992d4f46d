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
    void save_data();
    void save();
};

void TestFrmNote::save_data()
{
    QTest::addColumn<QByteArray>("before"); // the file at load; null: none
    QTest::addColumn<QString>("typed");     // replaces the text; null: kept
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QByteArray>("after");
    const QByteArray none;
    const QString kept;
    QTest::newRow("no file: the design text") << none << kept << "" << QByteArray("Type here your notes.\r\n");
    QTest::newRow("abc") << none << "abc" << "" << QByteArray("abc\r\n");
    QTest::newRow("empty box") << none << "" << "" << QByteArray("\r\n");
    QTest::newRow("load and save keeps length") << QByteArray("x\r\n\r\ny\r\n") << kept << "" << QByteArray("x\r\n\r\ny\r\n");
    QTest::newRow("no Windows folder") << none << "new notes" << "no folder" << QByteArray("<missing>");
    QTest::newRow("write fails") << QByteArray("old\r\n") << "new notes" << "disk full" << QByteArray("old\r\n");
}

void TestFrmNote::save()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, typed);
    QFETCH(QString, fault);
    QFETCH(QByteArray, after);
    Sandbox sandbox;
    DriveC drive;
    if (!before.isNull())
        writeBytes(drive.notes(), before);
    if (fault == QLatin1String("no folder"))
        QVERIFY(QDir(QFileInfo(drive.notes()).path()).removeRecursively());
    else if (!fault.isEmpty())
        Files::setWriteFault([](const QString&) { return QStringLiteral("No space left on device"); });
    frmNote& form = frmNote::instance();
    form.show();
    if (!typed.isNull()) {
        form.rtb()->editor()->selectAll();
        QTest::keyClick(form.rtb()->editor(), Qt::Key_Delete);
        QTest::keyClicks(form.rtb()->editor(), typed);
    }

    QTest::mouseClick(form.Command1(), Qt::LeftButton);
    QCOMPARE(readBytes(drive.notes()), after);
    QCOMPARE(sandbox.dialogs().messages.size(), fault.isEmpty() ? 0 : 1);
    if (!fault.isEmpty()) { // reported, and the text stays
        const ScriptedDialogs::Message message = sandbox.dialogs().messages.first();
        QCOMPARE(message.title, QStringLiteral("Sorvane"));
        QCOMPARE(message.style, MsgBoxStyle::Critical);
        QVERIFY2(message.prompt.contains(QStringLiteral("Sorvane_notes.txt")), qPrintable(message.prompt));
        QCOMPARE(form.rtb()->text(), typed);
    }
}

QTEST_MAIN(TestFrmNote)
#include "tst_frmnote.moc"
