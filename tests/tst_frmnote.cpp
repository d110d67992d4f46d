#include "runtime/files/FileServices.h"
#include "runtime/files/WinPath.h"
#include "shell/frmNote.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace runtime;

namespace {

// A drive C: of its own for one test, so the fixed notes path lands in a
// temporary folder: <drive>/Windows/Sorvane_notes.txt.
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
    QString windows() const { return m_drive.filePath(QStringLiteral("Windows")); }

private:
    QTemporaryDir m_map;
    QTemporaryDir m_drive;
};

} // namespace

class TestFrmNote : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void window();
    void loadShowsFileOrDesignText_data();
    void loadShowsFileOrDesignText();
    void saveWritesPlainText_data();
    void saveWritesPlainText();
    void failedSaveIsReported_data();
    void failedSaveIsReported();
};

void TestFrmNote::window()
{
    Sandbox sandbox;
    DriveC drive;
    frmNote& form = frmNote::instance();
    form.show();
    QCOMPARE(form.window()->windowTitle(), QStringLiteral("Personal notes"));
    QVERIFY(form.window()->windowFlags().testFlag(Qt::Tool));
    QCOMPARE(form.window()->client()->size(), QSize(545, 393));
    QCOMPARE(form.Command1()->text(), QStringLiteral("Save"));
    QCOMPARE(form.Command1()->geometry(), QRect(8, 360, 113, 25));
}

void TestFrmNote::loadShowsFileOrDesignText_data()
{
    QTest::addColumn<QString>("file"); // "none", "folder" or the file's bytes
    QTest::addColumn<QString>("text");
    QTest::newRow("no file") << "none" << "Type here your notes.";
    QTest::newRow("folder in its place") << "folder" << "Type here your notes.";
    QTest::newRow("notes") << "one\r\ntwo\r\n" << "one\r\ntwo";
    QTest::newRow("empty file") << "" << "";
}

void TestFrmNote::loadShowsFileOrDesignText()
{
    QFETCH(QString, file);
    QFETCH(QString, text);
    Sandbox sandbox;
    DriveC drive;
    if (file == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(drive.notes()));
    else if (file != QLatin1String("none"))
        writeBytes(drive.notes(), file.toLatin1());

    QCOMPARE(frmNote::instance().rtb()->text(), text);
    QVERIFY(sandbox.dialogs().messages.isEmpty());
}

void TestFrmNote::saveWritesPlainText_data()
{
    QTest::addColumn<QByteArray>("before"); // the file at load; empty: none
    QTest::addColumn<QString>("typed");     // replaces the box's text
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("abc") << QByteArray() << "abc" << QByteArray("abc\r\n");
    QTest::newRow("empty box") << QByteArray() << "" << QByteArray("\r\n");
    QTest::newRow("two lines") << QByteArray() << "a\nb" << QByteArray("a\r\nb\r\n");
    QTest::newRow("load and save keeps length")
        << QByteArray("x\r\n\r\ny\r\n") << "<keep>" << QByteArray("x\r\n\r\ny\r\n");
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
    if (typed != QLatin1String("<keep>")) {
        QPlainTextEdit* editor = form.rtb()->editor();
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Delete);
        const QStringList lines = typed.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(editor, Qt::Key_Return);
            QTest::keyClicks(editor, lines.at(i));
        }
    }

    QTest::mouseClick(form.Command1(), Qt::LeftButton);
    QCOMPARE(readBytes(drive.notes()), after);
    QVERIFY(sandbox.dialogs().messages.isEmpty());
    QVERIFY(form.isVisible());
}

void TestFrmNote::failedSaveIsReported_data()
{
    QTest::addColumn<QString>("cause");
    QTest::newRow("no Windows folder") << "missing folder";
    QTest::newRow("write fails") << "fault";
}

void TestFrmNote::failedSaveIsReported()
{
    QFETCH(QString, cause);
    Sandbox sandbox;
    DriveC drive;
    QByteArray old;
    if (cause == QLatin1String("missing folder")) {
        QVERIFY(QDir(drive.windows()).removeRecursively());
    } else {
        old = "old notes\r\n";
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
