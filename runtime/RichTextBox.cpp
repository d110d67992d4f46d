#include "RichTextBox.h"

#include "Controls.h"
#include "files/FileServices.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextBoundaryFinder>
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

// Whether a line of the text has a place where it may break other than
// its end (after a space, a hyphen and the like).
bool hasBreakWithinLine(QStringView text)
{
    for (const QStringView line : text.tokenize(QLatin1Char('\n'))) {
        QTextBoundaryFinder finder(QTextBoundaryFinder::Line, line);
        if (line.size() > 1 && finder.toNextBoundary() < line.size())
            return true;
    }
    return false;
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
        connect(m_editor->document(), &QTextDocument::contentsChange, this, &RichTextBox::followDocument);
        if (m_text.size() != m_editor->document()->characterCount() - 1)
            followDocument(0, -1, 0); // the document took the text otherwise than given: copied anew
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
    // Each line break as CR LF, the lines between copied whole. A line
    // separator (Shift+Enter may leave one in the document) breaks a line
    // too.
    const QStringView held = m_text;
    QString crLf;
    crLf.reserve(held.size() + held.size() / 8); // room for the CR of lines of 8 characters or more
    qsizetype newline = held.indexOf(QLatin1Char('\n'));
    qsizetype separator = held.indexOf(QChar::LineSeparator);
    qsizetype lineStart = 0;
    while (newline >= 0 || separator >= 0) {
        const qsizetype lineEnd = separator < 0 || (newline >= 0 && newline < separator) ? newline : separator;
        crLf.append(held.sliced(lineStart, lineEnd - lineStart));
        crLf.append(u"\r\n");
        lineStart = lineEnd + 1;
        if (lineEnd == newline)
            newline = held.indexOf(QLatin1Char('\n'), lineStart);
        else
            separator = held.indexOf(QChar::LineSeparator, lineStart);
    }
    crLf.append(held.sliced(lineStart));
    return crLf;
}

void RichTextBox::setText(const QString& text)
{
    if (!m_editor) {
        m_text = withNewlines(text);
        return;
    }
    const QString plain = withNewlines(text);
    if (m_editor->lineWrapMode() != QPlainTextEdit::NoWrap) {
        // The new text is laid out once, in the mode that suits it.
        const auto mode
            = hasBreakWithinLine(plain) ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::WrapAnywhere;
        if (mode != m_editor->wordWrapMode()) {
            m_editor->clear();
            m_editor->setWordWrapMode(mode);
        }
    }
    m_editor->setPlainText(plain);
}

// A wrapping box breaks its lines at word boundaries, and anywhere where a
// word is wider than the box. Qt lays out a line with no place to break by
// measuring on up to the next such place before it breaks the line
// anywhere, so a long line without one costs time in the square of its
// length: seconds for a 200 KB line, at its load and at each key. While no
// line of the text has a place to break, breaking anywhere gives the very
// same lines at a cost that only grows with the length; the first such
// place typed or pasted brings word boundaries back.
void RichTextBox::keepWrapAnywhere(int position, int added)
{
    if (m_editor->wordWrapMode() != QTextOption::WrapAnywhere || m_editor->lineWrapMode() == QPlainTextEdit::NoWrap)
        return;
    const qsizetype lineStart = m_text.lastIndexOf(QLatin1Char('\n'), std::max(0, position - 1)) + 1;
    qsizetype lineEnd = m_text.indexOf(QLatin1Char('\n'), std::min(position + added, int(m_text.size())));
    if (lineEnd < 0)
        lineEnd = m_text.size();
    if (hasBreakWithinLine(QStringView(m_text).sliced(lineStart, lineEnd - lineStart)))
        m_editor->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
}

void RichTextBox::followDocument(int position, int removed, int added)
{
    // The copy takes the changed part over; a report that does not fit the
    // copy makes it anew from the document.
    QTextDocument* document = m_editor->document();
    const qsizetype length = document->characterCount() - 1; // without the end of the last line
    if (position >= 0 && removed >= 0 && added >= 0 && position + removed <= m_text.size()
        && position + added <= length) {
        QTextCursor cursor(document);
        cursor.setPosition(position);
        cursor.setPosition(position + added, QTextCursor::KeepAnchor);
        QString inserted = cursor.selectedText();
        inserted.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        m_text.replace(position, removed, inserted);
        if (m_text.size() == length) {
            keepWrapAnywhere(position, added);
            return;
        }
    }
    m_text = document->toRawText();
    m_text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    keepWrapAnywhere(0, int(m_text.size()));
}

int RichTextBox::find(const QString& what, int from)
{
    QTextDocument* document = editor()->document();
    const int length = document->characterCount() - 1 + document->blockCount() - 1; // of text()
    if (from < 0 || from >= length)
        return -1;
    // A search text that is empty or holds a line break is looked for in
    // text() itself; any other is found at the same place in the
    // document's text, where a line break is one character.
    const bool simple = !what.isEmpty() && std::none_of(what.cbegin(), what.cend(), [](QChar c) {
        return c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar::ParagraphSeparator
            || c == QChar::LineSeparator;
    });
    if (!simple)
        return static_cast<int>(text().indexOf(what, from, Qt::CaseInsensitive));
    const qsizetype found = m_text.indexOf(what, toDocumentPosition(from), Qt::CaseInsensitive);
    return found < 0 ? -1 : toTextPosition(static_cast<int>(found));
}

int RichTextBox::toDocumentPosition(int position)
{
    // The line in which the position lies: the last one whose start in
    // text() (its start in the document plus one for each line break
    // before it) is not beyond the position.
    position = std::max(0, position);
    const QTextDocument* document = editor()->document();
    int first = 0;
    int last = document->blockCount() - 1;
    while (first < last) {
        const int middle = first + (last - first + 1) / 2;
        if (document->findBlockByNumber(middle).position() + middle <= position)
            first = middle;
        else
            last = middle - 1;
    }
    const QTextBlock block = document->findBlockByNumber(first);
    const int offset = position - (block.position() + first);
    // Inside a line's CR LF the position is the next line's start; beyond
    // the last line, the end of the text.
    if (!block.next().isValid())
        return block.position() + std::min(offset, block.length() - 1);
    return block.position() + offset;
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
