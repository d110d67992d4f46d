#include "Controls.h"

#include "Twips.h"

#include <QLineEdit>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>

#include <limits>

#include <algorithm>

namespace runtime {

QColor Colour::toQColor(int bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

void placeControl(QWidget& control, int left, int top, int width, int height)
{
    control.setGeometry(twipsRect(left, top, width, height));
    if (auto* label = qobject_cast<Label*>(&control)) {
        label->m_designWidth = label->width();
        label->fitCaption();
    }
}

// --------------------------------------------------------------------- Label

Label::Label(const QString& caption, QWidget* parent)
    : QLabel(caption, parent)
{
    setMouseTracking(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Label::setForeColor(int bgr)
{
    m_foreColor = bgr;
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, Colour::toQColor(bgr));
    setPalette(palette);
}

void Label::setText(const QString& caption)
{
    QLabel::setText(caption);
    fitCaption();
}

void Label::fitCaption()
{
    if (m_designWidth < 0 || text().isEmpty())
        return;
    const int needed = sizeHint().width();
    const int room = parentWidget() ? parentWidget()->width() - x() : needed;
    const int fitted = std::max(m_designWidth, std::min(needed, room));
    if (fitted != width())
        resize(fitted, height());
}

void Label::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitCaption();
}

void Label::showEvent(QShowEvent* event)
{
    fitCaption(); // the client area may have its size only now
    QLabel::showEvent(event);
}

void Label::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT mouseMoved();
    event->accept();
}

void Label::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        Q_EMIT clicked();
}

// --------------------------------------------------------------------- Image

Image::Image(const QString& resource, QWidget* parent)
    : Label(QString(), parent)
{
    setPixmap(QPixmap(resource));
}

// ------------------------------------------------------------- CommandButton

CommandButton::CommandButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent)
{
    setAutoDefault(false);
}

namespace {

bool isEnter(const QKeyEvent& key)
{
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)
        && (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

bool CommandButton::event(QEvent* event)
{
    // The focused button takes Enter before the window's default button.
    if (event->type() == QEvent::ShortcutOverride && isEnter(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QPushButton::event(event);
}

void CommandButton::keyPressEvent(QKeyEvent* event)
{
    if (isEnter(*event)) {
        event->accept();
        if (!event->isAutoRepeat()) // a held key presses once
            click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CommandButton::makeDefault(QWidget& window)
{
    setDefault(true);
    for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* shortcut = new QShortcut(QKeySequence(key), &window);
        connect(shortcut, &QShortcut::activated, this, &QPushButton::click);
    }
}

void CommandButton::makeCancel(QWidget& window)
{
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
    connect(shortcut, &QShortcut::activated, this, &QPushButton::click);
}

// ------------------------------------------------------------------- TextBox

bool isLineBreak(QChar c)
{
    switch (c.unicode()) {
    case u'\n':
    case u'\v':
    case u'\f':
    case u'\r':
    case 0x0085: // next line
    case 0x2028: // line separator
    case 0x2029: // paragraph separator
        return true;
    default:
        return false;
    }
}

TextBox::TextBox(const QString& text, QWidget* parent)
    : QWidget(parent)
    , m_text(text)
    , m_edit(new QLineEdit(text, this))
{
    // The line edit would cut its text at 32,767 characters; the box holds
    // and shows any length.
    m_edit->setMaxLength(std::numeric_limits<int>::max());
    setFocusProxy(m_edit);
    m_edit->installEventFilter(this);
    connect(m_edit, &QLineEdit::textEdited, this, &TextBox::onEdited);
}

void TextBox::onEdited(const QString& edited)
{
    // The part the user put in is what lies between the unchanged start and
    // the unchanged end of the text.
    const qsizetype shorter = std::min(m_text.size(), edited.size());
    qsizetype head = 0;
    while (head < shorter && m_text.at(head) == edited.at(head))
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && m_text.at(m_text.size() - 1 - tail) == edited.at(edited.size() - 1 - tail))
        ++tail;
    const QString inserted = edited.mid(head, edited.size() - head - tail);
    // Only the first line of it, and of that what fits the maximum length:
    // the text grows beyond the limit no further than it already was.
    qsizetype kept = std::find_if(inserted.begin(), inserted.end(), isLineBreak) - inserted.begin();
    if (m_maxLength > 0)
        kept = std::clamp(std::max<qsizetype>(m_maxLength, m_text.size()) - head - tail, qsizetype(0), kept);
    if (kept == inserted.size()) {
        m_text = edited;
        return;
    }
    m_text = edited.left(head) + inserted.left(kept) + edited.right(tail);
    m_edit->setText(m_text);
    m_edit->setCursorPosition(static_cast<int>(head + kept));
}

void TextBox::setText(const QString& text)
{
    m_text = text;
    m_edit->setText(text);
}

TextBox* hiddenTextBox(const QString& text, QWidget* parent)
{
    auto* box = new TextBox(text, parent);
    box->hide();
    return box;
}

void TextBox::setMaxLength(int length)
{
    m_maxLength = length;
}

void TextBox::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_edit->setGeometry(rect());
}

bool TextBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            Q_EMIT keyPress(13);
        else if (!key->text().isEmpty())
            Q_EMIT keyPress(key->text().at(0).unicode());
    }
    return QWidget::eventFilter(watched, event);
}

// -------------------------------------------------------------------- Slider

Slider::Slider(QWidget* parent)
    : QSlider(Qt::Horizontal, parent)
{
    setMouseTracking(true);
}

void Slider::mouseMoveEvent(QMouseEvent* event)
{
    QSlider::mouseMoveEvent(event);
    Q_EMIT mouseMoved();
}

// --------------------------------------------------------------------- Timer

Timer::Timer(int intervalMs, bool enabled, QObject* parent)
    : QTimer(parent)
{
    setInterval(intervalMs);
    setTimerType(Qt::PreciseTimer);
    if (enabled)
        start();
}

void Timer::setEnabled(bool enabled)
{
    if (enabled)
        start();
    else
        stop();
}

// ---------------------------------------------------------------------- Line

Line::Line(int x1, int y1, int x2, int y2, int bgr, int widthPixels, QWidget* parent)
    : QWidget(parent)
    , m_colour(Colour::toQColor(bgr))
    , m_penWidth(widthPixels)
{
    const QPoint from(toPixels(x1), toPixels(y1));
    const QPoint to(toPixels(x2), toPixels(y2));
    const QRect box = QRect(from, to).normalized().adjusted(0, 0, widthPixels, widthPixels);
    setGeometry(box);
    m_line = QLine(from - box.topLeft(), to - box.topLeft());
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::paintEvent(QPaintEvent*)
{
    // The pen covers the pixels from the line's own coordinates on, to the
    // right and downward, so a wide line keeps its whole width in the box.
    QPainter painter(this);
    painter.translate(m_penWidth / 2.0, m_penWidth / 2.0);
    painter.setPen(QPen(m_colour, m_penWidth, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(m_line);
}

} // namespace runtime
