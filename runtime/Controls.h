#pragma once

#include <QColor>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QString>
#include <QTimer>
#include <QWidget>

class QLineEdit;

namespace runtime {

// Colours are 0x00BBGGRR numbers: black 0, red 255, orange 33023.
namespace Colour {
constexpr int Black = 0;
constexpr int Red = 255;
constexpr int Orange = 33023;
constexpr int White = 0xFFFFFF;
constexpr int Grey = 0x808080;
// A label that was never given a colour draws in the system's text colour.
constexpr int SystemText = -1;
QColor toQColor(int bgr);
} // namespace Colour

// Places a control in the client area at a twips rectangle.
void placeControl(QWidget& control, int left, int top, int width, int height);

// A caption. It takes the pointer's moves over its box (so they do not reach
// the window behind it) and reports clicks and moves. Where the font needs
// more room than the design width, the box grows to the right within the
// client area, so no caption is clipped.
class Label : public QLabel
{
    Q_OBJECT
public:
    Label(const QString& caption, QWidget* parent);

    int foreColor() const { return m_foreColor; }
    void setForeColor(int bgr);
    void setText(const QString& caption);

Q_SIGNALS:
    void clicked();
    void mouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    friend void placeControl(QWidget& control, int left, int top, int width, int height);
    void fitCaption();

    int m_foreColor = Colour::SystemText;
    bool m_pressed = false;
    int m_designWidth = -1; // pixels; set when the label is placed
};

// A picture shown at its own size; clickable.
class Image : public Label
{
    Q_OBJECT
public:
    Image(const QString& resource, QWidget* parent);
};

// A button. Enter or Space on the button that has the focus presses it.
class CommandButton : public QPushButton
{
    Q_OBJECT
public:
    CommandButton(const QString& caption, QWidget* parent);
    // Enter anywhere in the window presses the default button; Esc presses
    // the cancel button.
    void makeDefault(QWidget& window);
    void makeCancel(QWidget& window);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// Whether the text layout starts a new line at `c`: CR, LF, the vertical
// tab, the form feed, the next-line character and the line and paragraph
// separators.
bool isLineBreak(QChar c);

// A text box. It keeps its text exactly as set (a lone CR stays one CR), so
// a hidden one serves as a buffer for assembling files. What the user types,
// pastes or drops into it keeps only its first line, as in any one-line box,
// whatever character breaks the line.
class TextBox : public QWidget
{
    Q_OBJECT
public:
    TextBox(const QString& text, QWidget* parent);

    const QString& text() const { return m_text; }
    void setText(const QString& text);
    // Limits what the user types or pastes: of what would make the text
    // longer than `length` characters only the first characters that fit
    // are kept. A longer text set from code is kept and shown whole, and an
    // edit does not make it longer. 0 means no limit.
    void setMaxLength(int length);
    QLineEdit* editor() const { return m_edit; }

Q_SIGNALS:
    // A key that types a character was pressed (Enter is 13); the box then
    // handles the key as usual.
    void keyPress(int keyAscii);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onEdited(const QString& edited);

    QString m_text;
    QLineEdit* m_edit;
    int m_maxLength = 0;
};

// A text box that is never shown: a buffer for a stock text, a path or an
// assembled file.
TextBox* hiddenTextBox(const QString& text, QWidget* parent);

// A horizontal slider that reports the pointer's moves over it.
class Slider : public QSlider
{
    Q_OBJECT
public:
    explicit Slider(QWidget* parent);

Q_SIGNALS:
    void mouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};

// A timer that ticks every `interval` milliseconds while enabled.
class Timer : public QTimer
{
    Q_OBJECT
public:
    Timer(int intervalMs, bool enabled, QObject* parent);
    bool isEnabled() const { return isActive(); }
    void setEnabled(bool enabled);
};

// A straight line between two points of the client area (twips).
class Line : public QWidget
{
    Q_OBJECT
public:
    Line(int x1, int y1, int x2, int y2, int bgr, int widthPixels, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_colour;
    int m_penWidth;
    QLine m_line;
};

} // namespace runtime
