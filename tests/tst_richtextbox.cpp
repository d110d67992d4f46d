#include "runtime/RichTextBox.h"
#include "runtime/files/FileServices.h"
#include "runtime/files/RuntimeError.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QRandomGenerator>
#include <QTest>
#include <QTextCursor>

using namespace runtime;

class TestRichTextBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void textComesBackWithCrLf_data();
    void textComesBackWithCrLf();
    void loadDropsOneFinalLineEnd_data();
    void loadDropsOneFinalLineEnd();
    void loadThenSaveKeepsEveryByte();
    void failedLoadKeepsText();
    void selectionCountsCrLfAsTwo();
    void holdsLongTexts();
    void lineBreaksAsTyped_data();
    void lineBreaksAsTyped();
    void findAnswersAsInCrLfText();
    void wrapsAnywhereOnlyWhereNoLineCanBreak_data();
    void wrapsAnywhereOnlyWhereNoLineCanBreak();
};

void TestRichTextBox::textComesBackWithCrLf_data()
{
    QTest::addColumn<QString>("set");
    QTest::addColumn<QString>("got");
    const QList<QPair<const char*, QPair<QString, QString>>> cases = {
        {"CR LF", {QStringLiteral("a\r\nb"), QStringLiteral("a\r\nb")}},
        {"lone CR", {QStringLiteral("a\rb"), QStringLiteral("a\r\nb")}},
        {"lone LF", {QStringLiteral("a\nb"), QStringLiteral("a\r\nb")}},
        {"empty lines kept", {QStringLiteral("\r\n\r\nx\r\n"), QStringLiteral("\r\n\r\nx\r\n")}},
        {"no-break space kept", {QStringLiteral("a\u00a0b"), QStringLiteral("a\u00a0b")}},
        {"tab kept", {QStringLiteral("a\tb"), QStringLiteral("a\tb")}},
    };
    // A box that was never shown holds its text without an editor widget;
    // both must give the same text back.
    for (const char* state : {"hidden", "shown"}) {
        for (const auto& [name, texts] : cases)
            QTest::addRow("%s, %s", name, state) << texts.first << texts.second;
    }
}

void TestRichTextBox::textComesBackWithCrLf()
{
    QFETCH(QString, set);
    QFETCH(QString, got);
    RichTextBox box(QString(), nullptr);
    if (QByteArray(QTest::currentDataTag()).endsWith("shown"))
        box.show();
    box.setText(set);
    QCOMPARE(box.text(), got);
    box.show();
    QCOMPARE(box.text(), got); // the editor made now takes the text over
}

void TestRichTextBox::loadDropsOneFinalLineEnd_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("text");
    QTest::newRow("one line") << QByteArray("BF2142\r\n") << QStringLiteral("BF2142");
    QTest::newRow("no line end") << QByteArray("BF2142") << QStringLiteral("BF2142");
    QTest::newRow("only the last of two") << QByteArray("a\r\nb\r\n\r\n") << QStringLiteral("a\r\nb\r\n");
    QTest::newRow("empty file") << QByteArray() << QString();
    QTest::newRow("CR LF alone") << QByteArray("\r\n") << QString();
}

void TestRichTextBox::loadDropsOneFinalLineEnd()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, text);
    Sandbox sandbox;
    writeBytes(sandbox.programFile(QStringLiteral("f.txt")), file);
    RichTextBox box(QStringLiteral("design"), nullptr);
    box.loadFile(sandbox.programFolder() + QStringLiteral("\\F.TXT"));
    QCOMPARE(box.text(), text);
}

void TestRichTextBox::loadThenSaveKeepsEveryByte()
{
    Sandbox sandbox;
    QByteArray bytes;
    for (int i = 1; i < 256; ++i) {
        if (i != '\r' && i != '\n')
            bytes += char(i);
    }
    bytes += "\r\nsecond line\r\n";
    writeBytes(sandbox.programFile(QStringLiteral("in.tweak")), bytes);

    RichTextBox box(QString(), nullptr);
    box.loadFile(sandbox.programFile(QStringLiteral("in.tweak")));
    Files::writeWholeText(sandbox.programFile(QStringLiteral("out.tweak")), box.text());
    QCOMPARE(readBytes(sandbox.programFile(QStringLiteral("out.tweak"))), bytes);
}

void TestRichTextBox::failedLoadKeepsText()
{
    Sandbox sandbox;
    RichTextBox box(QStringLiteral("Type here your notes."), nullptr);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, box.loadFile(sandbox.programFolder() + QStringLiteral("\\none.txt")));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, box.loadFile(QString()));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, box.loadFile(sandbox.programFolder()));
    QCOMPARE(box.text(), QStringLiteral("Type here your notes."));
}

void TestRichTextBox::selectionCountsCrLfAsTwo()
{
    RichTextBox box(QStringLiteral("first\r\nsecond\r\nthird"), nullptr);
    const QString text = box.text();
    const int start = int(text.indexOf(QStringLiteral("third")));
    QCOMPARE(start, 15);
    box.setSelStart(start);
    box.setSelLength(5);
    QCOMPARE(box.editor()->textCursor().selectedText(), QStringLiteral("third"));
    QCOMPARE(box.selStart(), start);
    QCOMPARE(box.selLength(), 5);

    // A selection across a line break counts the CR LF as two.
    box.setSelStart(3);
    box.setSelLength(6);
    QCOMPARE(box.selLength(), 6);
    QCOMPARE(box.editor()->textCursor().selectedText(), QStringLiteral("st\u2029se"));
}

void TestRichTextBox::holdsLongTexts()
{
    QString text;
    for (int i = 0; i < 2000; ++i)
        text += QStringLiteral("SCORE_LINE_%1 = %2\r\n").arg(i).arg(i * 3);
    QVERIFY(text.size() > 30000);
    RichTextBox box(QString(), nullptr);
    box.setText(text);
    QCOMPARE(box.text(), text);
}

void TestRichTextBox::lineBreaksAsTyped_data()
{
    QTest::addColumn<bool>("oneLine");
    QTest::addColumn<QString>("pasted"); // empty: Shift+Enter is typed
    QTest::addColumn<QString>("expected");
    QTest::newRow("Shift+Enter") << false << QString() << QStringLiteral("ab\r\ncd");
    QTest::newRow("pasted line separator") << false << QStringLiteral("\u2028") << QStringLiteral("ab\r\ncd");
    QTest::newRow("one line, Enter") << true << QString() << QStringLiteral("abcd");
    QTest::newRow("one line, paste of two lines") << true << QStringLiteral("\r\nx") << QStringLiteral("abcd");
}

void TestRichTextBox::lineBreaksAsTyped()
{
    QFETCH(bool, oneLine);
    QFETCH(QString, pasted);
    QFETCH(QString, expected);
    RichTextBox box(QString(), nullptr);
    box.setSingleLine(oneLine);
    box.show();
    QTest::keyClicks(box.editor(), QStringLiteral("ab"));
    if (pasted.isEmpty()) {
        QTest::keyClick(box.editor(), Qt::Key_Return, Qt::ShiftModifier);
        if (oneLine)
            QTest::keyClick(box.editor(), Qt::Key_Enter);
    } else {
        QApplication::clipboard()->setText(pasted);
        box.editor()->paste();
    }
    QTest::keyClicks(box.editor(), QStringLiteral("cd"));
    QCOMPARE(box.text(), expected);
    box.setSelStart(int(expected.size()) - 2); // counted in that text
    box.setSelLength(2);
    QCOMPARE(box.editor()->textCursor().selectedText(), QStringLiteral("cd"));
}

void TestRichTextBox::findAnswersAsInCrLfText()
{
    // Random texts, edited at random (undo included), against the plain
    // search of their CR LF text.
    QRandomGenerator random(19);
    const QString letters = QStringLiteral("aAb \u00e9\u00c9\r\n");
    const auto randomText = [&](int maxLength) {
        QString text;
        for (int i = int(random.bounded(maxLength + 1)); i > 0; --i)
            text += letters.at(int(random.bounded(int(letters.size()))));
        return text;
    };
    RichTextBox box(QString(), nullptr);
    box.show();
    for (int round = 0; round < 300; ++round) {
        QTextDocument* document = box.editor()->document();
        QTextCursor cursor(document);
        cursor.setPosition(int(random.bounded(document->characterCount())));
        switch (random.bounded(4)) {
        case 0:
            box.setText(randomText(40));
            break;
        case 1:
            cursor.insertText(randomText(4));
            break;
        case 2:
            cursor.setPosition(int(random.bounded(document->characterCount())), QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
            break;
        default:
            document->undo();
        }
        const QString text = box.text();
        for (int search = 0; search < 20; ++search) {
            const QString what = randomText(3);
            const int from = int(random.bounded(-1, int(text.size()) + 2));
            const int expected
                = from < 0 || from >= text.size() ? -1 : int(text.indexOf(what, from, Qt::CaseInsensitive));
            QCOMPARE(box.find(what, from), expected);
            // A selection cannot begin or end between a CR and its LF.
            if (expected < 0 || what.isEmpty() || what.startsWith(QLatin1Char('\n'))
                || what.endsWith(QLatin1Char('\r')))
                continue;
            box.setSelStart(expected);
            box.setSelLength(int(what.size()));
            QCOMPARE(box.selStart(), expected);
            QCOMPARE(box.selLength(), int(what.size()));
        }
    }
}

void TestRichTextBox::wrapsAnywhereOnlyWhereNoLineCanBreak_data()
{
    // Breaking anywhere gives other lines as soon as a line can break
    // between words.
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("typed"); // at the start
    QTest::addColumn<bool>("anywhere");
    const QString word(300, QLatin1Char('x'));
    QTest::newRow("one long word") << word << QString() << true;
    QTest::newRow("long words on two lines") << word + QStringLiteral("\r\n") + word << QString() << true;
    QTest::newRow("a space in the text") << word + QStringLiteral(" x") << QString() << false;
    QTest::newRow("a space typed") << word << QStringLiteral("x ") << false;
    QTest::newRow("a hyphen typed") << word << QStringLiteral("x-") << false;
    QTest::newRow("a letter typed") << word << QStringLiteral("x") << true;
}

void TestRichTextBox::wrapsAnywhereOnlyWhereNoLineCanBreak()
{
    QFETCH(QString, text);
    QFETCH(QString, typed);
    QFETCH(bool, anywhere);
    RichTextBox box(QStringLiteral("a hint"), nullptr);
    box.editor()->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box.show();
    box.setText(text);
    box.setSelStart(0);
    QTest::keyClicks(box.editor(), typed);
    QCOMPARE(box.editor()->wordWrapMode() == QTextOption::WrapAnywhere, anywhere);
}

QTEST_MAIN(TestRichTextBox)
#include "tst_richtextbox.moc"
