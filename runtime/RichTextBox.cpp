#include "RichTextBox.h"

#include "Controls.h"
#include "files/FileServices.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace runtime {

namespace {

// Every kind of line break as '\n'. A soft break (a line or paragraph
// separator) becomes an ordinary one, so each break of the text is a block
// of the document and the selection mapping counts it.
QString withNewlines(const QString& text)
{
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    plain.replace(QChar::LineSeparator, QLatin1Char('\n'));
    plain.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return plain;
}

bool isLineBreakKey(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

// The editor inside the box. It takes every line break as an ordinary one
// (Shift+Enter included), and in a box one line high it takes none: Enter
// inserts nothing and a paste keeps only its first line.
class RichTextBox::Editor : public QPlainTextEdit
{
public:
    Editor(const RichTextBox& box, QWidget* parent)
        : QPlainTextEdit(parent)
        , m_box(box)
    {
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (!isLineBreakKey(event) || isReadOnly()) {
            QPlainTextEdit::keyPressEvent(event);
            return;
        }
        if (m_box.m_singleLine) {
            event->ignore(); // left to the window, as in a one-line box
            return;
        }
        textCursor().insertBlock();
        ensureCursorVisible();
    }

    void insertFromMimeData(const QMimeData* source) override
    {
        if (!source->hasText())
            return;
        QString text = withNewlines(source->text());
        if (m_box.m_singleLine)
            text.truncate(std::find_if(text.begin(), text.end(), isLineBreak) - text.begin());
        textCursor().insertText(text);
        ensureCursorVisible();
    }

private:
    const RichTextBox& m_box;
};

RichTextBox::RichTextBox(const QString& text, QWidget* parent)
    : QWidget(parent)
    , m_text(withNewlines(text))
{
    setFocusPolicy(Qt::StrongFocus);
}

QPlainTextEdit* RichTextBox::editor()
{
    if (!m_editor) {
        m_editor = new Editor(*this, this);
        m_editor->setLineWrapMode(QPlainTextEdit::NoWrap);
        m_editor->setGeometry(rect());
        setFocusProxy(m_editor);
        setSingleLine(m_singleLine);
        m_editor->setPlainText(m_text);
        m_text.clear();
        connect(m_editor->document(), &QTextDocument::contentsChanged, this, [this] { m_crLfValid = false; });
        m_editor->show();
    }
    return m_editor;
}

void RichTextBox::setSingleLine(bool singleLine)
{
    m_singleLine = singleLine;
    if (!m_editor)
        return;
    const Qt::ScrollBarPolicy policy = singleLine ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded;
    m_editor->setVerticalScrollBarPolicy(policy);
    m_editor->setHorizontalScrollBarPolicy(policy);
    m_editor->setTabChangesFocus(singleLine || m_tabMovesOn);
    if (singleLine)
        m_editor->document()->setDocumentMargin(1);
}

void RichTextBox::setTabMovesOn(bool movesOn)
{
    m_tabMovesOn = movesOn;
    if (m_editor)
        m_editor->setTabChangesFocus(m_singleLine || movesOn);
}

void RichTextBox::showEvent(QShowEvent* event)
{
    editor();
    QWidget::showEvent(event);
}

void RichTextBox::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_editor)
        m_editor->setGeometry(rect());
}

void RichTextBox::loadFile(const QString& path, FileText kind)
{
    const bool settings = kind == FileText::Settings;
    setFileText(Files::readWholeFile(path, settings ? Files::MaxSettingsFile : -1), kind);
}

void RichTextBox::loadFile(const Files::HostPath& path)
{
    setFileText(Files::readWholeFile(path), FileText::EightBit);
}

void RichTextBox::setFileText(const QByteArray& bytes, FileText kind)
{
    QString text = kind == FileText::Settings ? Files::decodeSettingsText(bytes) : Files::decode8Bit(bytes);
    if (text.endsWith(QLatin1String("\r\n")))
        text.chop(2);
    else if (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    setText(text);
}

QString RichTextBox::text() const
{
    // Built in one pass and kept until the text changes: a search reads the
    // whole text on every Find Next, and building a large text each time
    // would cost more than the search itself.
    if (m_crLfValid)
        return m_crLfText;
    const QString held = m_editor ? m_editor->document()->toRawText() : m_text;
    // A line separator (Shift+Enter in the editor) breaks a line too.
    const auto isBreak = [](QChar c) {
        return c == QLatin1Char('\n') || c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
    };
    m_crLfText.resize(held.size() + std::count_if(held.cbegin(), held.cend(), isBreak));
    QChar* out = m_crLfText.data();
    for (const QChar c : held) {
        if (isBreak(c)) {
            *out++ = QLatin1Char('\r');
            *out++ = QLatin1Char('\n');
        } else {
            *out++ = c;
        }
    }
    m_crLfValid = true;
    return m_crLfText;
}

void RichTextBox::setText(const QString& text)
{
    m_crLfValid = false;
    if (m_editor)
        m_editor->setPlainText(withNewlines(text));
    else
        m_text = withNewlines(text);
}

int RichTextBox::toDocumentPosition(int position)
{
    // Each line break before the position stands for two characters of the
    // CR LF text but one of the document.
    int remaining = std::max(0, position);
    for (QTextBlock block = editor()->document()->begin(); block.isValid(); block = block.next()) {
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

int RichTextBox::toTextPosition(int documentPosition)
{
    const QTextBlock block = editor()->document()->findBlock(documentPosition);
    return documentPosition + block.blockNumber();
}

int RichTextBox::selStart()
{
    return toTextPosition(editor()->textCursor().selectionStart());
}

void RichTextBox::setSelStart(int position)
{
    QTextCursor cursor = editor()->textCursor();
    cursor.setPosition(toDocumentPosition(position));
    m_editor->setTextCursor(cursor);
}

int RichTextBox::selLength()
{
    const QTextCursor cursor = editor()->textCursor();
    return toTextPosition(cursor.selectionEnd()) - toTextPosition(cursor.selectionStart());
}

void RichTextBox::setSelLength(int length)
{
    QTextCursor cursor = editor()->textCursor();
    const int start = toTextPosition(cursor.selectionStart());
    cursor.setPosition(cursor.selectionStart());
    cursor.setPosition(toDocumentPosition(start + std::max(0, length)), QTextCursor::KeepAnchor);
    m_editor->setTextCursor(cursor);
}

void RichTextBox::focus()
{
    editor()->setFocus(Qt::OtherFocusReason);
}

} // namespace runtime
