#pragma once

#include <QObject>
#include <QString>

namespace runtime {

// A text member of a window that is never shown: a buffer for a stock
// text, a path or an assembled file, with a text box's text() and
// setText(). It keeps its text exactly as set and, unlike a hidden text
// box, lays nothing out, so a window holding long stock texts opens as
// quickly as one without. Made with the window's controls, it goes with
// them when the window unloads.
class HiddenText : public QObject
{
public:
    HiddenText(const QString& text, QObject* parent)
        : QObject(parent)
        , m_text(text)
    { }

    const QString& text() const { return m_text; }
    void setText(const QString& text) { m_text = text; }

private:
    QString m_text;
};

} // namespace runtime
