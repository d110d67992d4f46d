#include "RichTextBox.h"

#include "files/FileServices.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace runtime {

namespace {

// The document's own text with paragraph breaks as '\n'.
QString documentText(const QTextDocument& document)
{
    QString text = document.toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

} // namespace

RichTextBox::RichTextBox(const QString& text, QWidget* parent)
    : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setText(text);
}

void RichTextBox::loadFile(const QString& path)
{
    QString text = Files::decode8Bit(Files::readWholeFile(path));
    if (text.endsWith(QLatin1String("\r\n")))
        text.chop(2);
    else if (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    setText(text);
}

QString RichTextBox::text() const
{
    QString text = documentText(*document());
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

void RichTextBox::setText(const QString& text)
{
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setPlainText(plain);
}

int RichTextBox::toDocumentPosition(int position) const
{
    // Each line break before the position stands for two characters of the
    // CR LF text but one of the document.
    int remaining = std::max(0, position);
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const int length = block.length() - 1; // without the break
        if (remaining <= length || !block.next().isValid())
            return block.position() + std::min(remaining, length);
        remaining -= length;
        if (remaining < 2)
            return block.position() + length + remaining; // inside the CR LF
        remaining -= 2;
    }
    return 0;
}

int RichTextBox::toTextPosition(int documentPosition) const
{
    const QTextBlock block = document()->findBlock(documentPosition);
    return documentPosition + block.blockNumber();
}

int RichTextBox::selStart() const
{
    return toTextPosition(textCursor().selectionStart());
}

void RichTextBox::setSelStart(int position)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(toDocumentPosition(position));
    setTextCursor(cursor);
}

int RichTextBox::selLength() const
{
    const QTextCursor cursor = textCursor();
    return toTextPosition(cursor.selectionEnd()) - toTextPosition(cursor.selectionStart());
}

void RichTextBox::setSelLength(int length)
{
    QTextCursor cursor = textCursor();
    const int start = toTextPosition(cursor.selectionStart());
    cursor.setPosition(cursor.selectionStart());
    cursor.setPosition(toDocumentPosition(start + std::max(0, length)), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void RichTextBox::focus()
{
    setFocus(Qt::OtherFocusReason);
}

} // namespace runtime
