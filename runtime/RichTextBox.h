#pragma once

#include "files/FileServices.h"

#include <QPlainTextEdit>
#include <QString>
#include <QWidget>

namespace runtime {

// A multi-line plain-text box. Its text is exchanged with CR LF line
// breaks, and selection positions count in that text (a CR LF counts two).
//
// The editor widget is made when the box is first shown or its selection
// is used; until then the box only holds its text, so a hidden load buffer
// or a box on a window that stays hidden costs next to nothing.
class RichTextBox : public QWidget
{
    Q_OBJECT
public:
    RichTextBox(const QString& text, QWidget* parent);

    enum class FileText {
        EightBit, // a game file: every byte one character
        Settings, // a settings file of host paths or names: Latin-1 or UTF-8
    };

    // Replaces the text with the file's text, without one final line end,
    // so that a load followed by a save keeps the file's length. Throws
    // when the file cannot be read, or when a settings file is longer than
    // any settings file can be; the text is then unchanged.
    void loadFile(const QString& path, FileText kind = FileText::EightBit);
    // The same for a game file the user chose in a file dialog.
    void loadFile(const Files::HostPath& path);

    QString text() const; // line breaks as CR LF
    void setText(const QString& text); // CR LF, lone CR and LF each break a line

    // 0-based position, in text(), of the first occurrence of `what` that
    // begins at or after `from`, ignoring case; -1 when there is none or
    // `from` lies outside the text. An empty `what` is found at `from`.
    int find(const QString& what, int from);

    int selStart();
    void setSelStart(int position);
    int selLength();
    void setSelLength(int length);
    void focus();

    // A box one line high: no scroll bars, Tab moves on.
    void setSingleLine(bool singleLine);
    // Tab moves on to the next control rather than typing a TAB; a box one
    // line high always moves on.
    void setTabMovesOn(bool movesOn);
    QPlainTextEdit* editor();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void setFileText(const QByteArray& bytes, FileText kind);
    int toDocumentPosition(int position);
    int toTextPosition(int documentPosition);
    void followDocument(int position, int removed, int added);
    void keepWrapAnywhere(int position, int added);

    class Editor;
    QPlainTextEdit* m_editor = nullptr;
    // Line breaks as '\n': the text while there is no editor, and after it
    // is made a copy of its document's text, kept up to date with each
    // change, that a search reads without copying the document.
    QString m_text;
    bool m_singleLine = false;
    bool m_tabMovesOn = false;
};

} // namespace runtime
