#pragma once

#include <QPlainTextEdit>
#include <QString>

namespace runtime {

// A multi-line plain-text box. Its text is exchanged with CR LF line
// breaks, and selection positions count in that text (a CR LF counts two).
class RichTextBox : public QPlainTextEdit
{
    Q_OBJECT
public:
    RichTextBox(const QString& text, QWidget* parent);

    // Replaces the text with the file's 8-bit text, without one final line
    // end, so that a load followed by a save keeps the file's length.
    // Throws when the file cannot be read; the text is then unchanged.
    void loadFile(const QString& path);

    QString text() const;             // line breaks as CR LF
    void setText(const QString& text); // CR LF, lone CR and LF each break a line

    int selStart() const;
    void setSelStart(int position);
    int selLength() const;
    void setSelLength(int length);
    void focus();

private:
    int toDocumentPosition(int position) const;
    int toTextPosition(int documentPosition) const;
};

} // namespace runtime
