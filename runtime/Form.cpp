#include "Form.h"

#include "RichTextBox.h"
#include "Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QMetaMethod>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

namespace runtime {

namespace {

// Hands a window's owner to the window manager, which keeps an owned window
// above its owner. On X11 Qt writes the owner (WM_TRANSIENT_FOR) only for
// dialog and tool windows and only when a window is first shown, and clears
// it at every show of any other window; an owned sizable or borderless
// window would sink behind its owner at a click on the owner.
void announceOwner(QWindow& window)
{
#if QT_CONFIG(xcb)
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    const QWindow* owner = window.transientParent();
    if (!x11 || !x11->connection() || !owner || !window.handle() || !owner->handle())
        return;
    const auto ownerId = static_cast<xcb_window_t>(owner->winId());
    xcb_change_property(x11->connection(), XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window.winId()),
                        XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 32, 1, &ownerId);
    xcb_flush(x11->connection());
#else
    Q_UNUSED(window);
#endif
}

} // namespace

// ---------------------------------------------------------------- FormWindow

FormWindow::FormWindow(Form& form)
    : QWidget(nullptr, Qt::Window)
    , m_form(form)
    , m_layout(new QVBoxLayout(this))
    , m_client(new QWidget(this))
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setObjectName(form.name());
    setMouseTracking(true);
    m_client->setMouseTracking(true);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->addWidget(m_client);
    m_layout->setSizeConstraint(QLayout::SetFixedSize);
}

QMenuBar* FormWindow::menuBar()
{
    if (!m_menuBar) {
        m_menuBar = new QMenuBar(this);
        m_menuBar->setNativeMenuBar(false);
        m_layout->setMenuBar(m_menuBar);
    }
    return m_menuBar;
}

void FormWindow::setBorderStyle(BorderStyle style)
{
    Qt::WindowFlags flags = Qt::Window;
    switch (style) {
    case BorderStyle::None:
        flags |= Qt::FramelessWindowHint;
        break;
    case BorderStyle::FixedDialog:
        flags |= Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
        break;
    case BorderStyle::FixedToolWindow:
        flags |= Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
        break;
    case BorderStyle::Sizable:
        flags |= Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
            | Qt::WindowCloseButtonHint;
        break;
    }
    setWindowFlags(flags);
    m_fixedSize = style != BorderStyle::Sizable;
    m_layout->setSizeConstraint(m_fixedSize ? QLayout::SetFixedSize : QLayout::SetDefaultConstraint);
}

void FormWindow::setClientSize(int widthPixels, int heightPixels)
{
    if (m_fixedSize) {
        m_client->setFixedSize(widthPixels, heightPixels);
        adjustSize();
    } else {
        m_client->setMinimumSize(0, 0);
        const int menuHeight = m_menuBar ? m_menuBar->sizeHint().height() : 0;
        resize(widthPixels, heightPixels + menuHeight);
    }
}

namespace {

QWidget* focusPart(QWidget* control)
{
    while (control->focusProxy())
        control = control->focusProxy();
    return control;
}

} // namespace

void FormWindow::setTabOrder(std::initializer_list<QWidget*> controls)
{
    m_tabOrder.assign(controls.begin(), controls.end());
    for (QWidget* control : controls) {
        if (auto* box = qobject_cast<RichTextBox*>(control))
            box->setTabMovesOn(controls.size() > 1);
    }
    if (controls.size() > 0)
        focusPart(*controls.begin())->setFocus();
}

bool FormWindow::focusNextPrevChild(bool next)
{
    if (m_tabOrder.empty())
        return QWidget::focusNextPrevChild(next);
    const auto count = static_cast<int>(m_tabOrder.size());
    const QWidget* focused = focusWidget();
    int current = next ? count - 1 : 0; // none of them: the first, or the last
    for (int i = 0; i < count; ++i) {
        const QWidget* control = m_tabOrder[static_cast<std::size_t>(i)];
        if (control && focused && (control == focused || control->isAncestorOf(focused)))
            current = i;
    }
    for (int step = 1; step <= count; ++step) {
        const int index = (current + (next ? step : count - step)) % count;
        QWidget* control = m_tabOrder[static_cast<std::size_t>(index)];
        if (control && control->isVisibleTo(this) && control->isEnabled()) {
            focusPart(control)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

void FormWindow::closeEvent(QCloseEvent* event)
{
    // The form decides; it unloads itself when it agrees to close.
    event->ignore();
    m_form.onCloseRequest();
}

void FormWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_outerSize = frameGeometry().size();
    m_form.onResized();
}

void FormWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    // The window system's frame often arrives after the first display; it
    // changes the outer size, which the resize handling works from.
    if (frameGeometry().size() != m_outerSize) {
        m_outerSize = frameGeometry().size();
        m_form.onResized();
    }
}

void FormWindow::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT mouseMoved();
    event->accept();
}

// ----------------------------------------------------------- FormControlBase

FormControlBase::FormControlBase(Form* form)
    : m_form(form)
{
    form->m_controls.push_back(this);
}

void FormControlBase::loadForm()
{
    m_form->ensureLoaded();
}

// ---------------------------------------------------------------------- Form

Form::Form(QString name)
    : m_name(std::move(name))
{
}

Form::~Form()
{
    delete m_window;
}

bool Form::s_quitWhenNoneLoaded = false;

void Form::setQuitWhenNoneLoaded(bool quit)
{
    s_quitWhenNoneLoaded = quit;
}

std::map<std::type_index, std::unique_ptr<Form>>& Form::registry()
{
    static std::map<std::type_index, std::unique_ptr<Form>> forms;
    return forms;
}

void Form::destroyAll()
{
    auto forms = std::move(registry());
    registry().clear();
    forms.clear();
}

bool Form::anyLoaded()
{
    for (const auto& entry : registry()) {
        if (entry.second && entry.second->isLoaded())
            return true;
    }
    return false;
}

void Form::load()
{
    if (isLoaded())
        return;
    m_placed = false;
    m_leftTwips = m_topTwips = m_widthTwips = m_heightTwips = -1;
    m_window = new FormWindow(*this);
    createControls(*m_window);
    Form_Load();
}

namespace {

// Disconnects every signal of `object` except `destroyed`, on which Qt's own
// bookkeeping relies until the object is gone.
void cutSignals(QObject* object)
{
    const QMetaObject* meta = object->metaObject();
    const QMetaMethod destroyed = QMetaMethod::fromSignal(&QObject::destroyed);
    for (int i = 0; i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.methodType() == QMetaMethod::Signal && method.name() != destroyed.name())
            QObject::disconnect(object, method, nullptr, QMetaMethod());
    }
}

} // namespace

bool Form::unload()
{
    if (!isLoaded())
        return true;
    int cancel = 0;
    Form_QueryUnload(cancel);
    if (cancel != 0)
        return false;
    FormWindow* window = m_window;
    m_window = nullptr;
    // The widgets are deleted later, once the running handler has finished.
    // Until then nothing of theirs may run a handler: a timer tick already
    // due or a signal still on its way would refer to the window and load
    // it again.
    const auto timers = window->findChildren<QTimer*>();
    for (QTimer* timer : timers)
        timer->stop();
    cutSignals(window);
    for (FormControlBase* control : m_controls) {
        if (control->m_object)
            cutSignals(control->m_object);
        control->m_object = nullptr;
    }
    window->hide();
    window->deleteLater();
    // Looked at once the running handler has finished: it may still load or
    // show another window after this unload.
    if (s_quitWhenNoneLoaded) {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [] {
                if (s_quitWhenNoneLoaded && !anyLoaded())
                    QCoreApplication::exit(0);
            },
            Qt::QueuedConnection);
    }
    return true;
}

void Form::onCloseRequest()
{
    unload();
}

void Form::onResized()
{
    Form_Resize();
}

void Form::placeForFirstShow()
{
    if (m_placed)
        return;
    m_placed = true;
    if (m_startPosition == StartPosition::CenterScreen) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (screen) {
            const QRect area = screen->availableGeometry();
            QRect frame = m_window->frameGeometry();
            frame.moveCenter(area.center());
            m_window->move(frame.topLeft());
        }
    }
}

void Form::show(Form* owner)
{
    ensureLoaded();
    m_window->winId(); // the native window carries the owner relation
    if (owner && owner != this) {
        owner->window()->winId();
        m_window->windowHandle()->setTransientParent(owner->window()->windowHandle());
    }
    setVisible(true);
    m_window->raise();
    // A window that stands beside another (the about box's panel) leaves the
    // activation where it is.
    if (!m_window->testAttribute(Qt::WA_ShowWithoutActivating))
        m_window->activateWindow();
}

void Form::hide()
{
    if (isLoaded())
        m_window->hide();
}

void Form::setVisible(bool visible)
{
    ensureLoaded();
    if (visible) {
        placeForFirstShow();
        m_window->show();
        if (m_window->windowHandle())
            announceOwner(*m_window->windowHandle());
    } else {
        m_window->hide();
    }
}

bool Form::isVisible() const
{
    return isLoaded() && m_window->isVisible();
}

FormWindow* Form::window()
{
    ensureLoaded();
    return m_window;
}

namespace {

// Twips kept from the last set while the pixels still match them.
int readBack(int keptTwips, int pixels)
{
    if (keptTwips >= 0 && toPixels(keptTwips) == pixels)
        return keptTwips;
    return toTwips(pixels);
}

} // namespace

int Form::left()
{
    ensureLoaded();
    return readBack(m_leftTwips, m_window->pos().x());
}

int Form::top()
{
    ensureLoaded();
    return readBack(m_topTwips, m_window->pos().y());
}

int Form::width()
{
    ensureLoaded();
    return readBack(m_widthTwips, m_window->frameGeometry().width());
}

int Form::height()
{
    ensureLoaded();
    return readBack(m_heightTwips, m_window->frameGeometry().height());
}

void Form::setLeft(int twips)
{
    ensureLoaded();
    m_leftTwips = twips;
    m_placed = true;
    m_window->move(toPixels(twips), m_window->pos().y());
}

void Form::setTop(int twips)
{
    ensureLoaded();
    m_topTwips = twips;
    m_placed = true;
    m_window->move(m_window->pos().x(), toPixels(twips));
}

void Form::setWidth(int twips)
{
    ensureLoaded();
    m_widthTwips = twips;
    const int frame = m_window->frameGeometry().width() - m_window->width();
    const int client = std::max(0, toPixels(twips) - frame);
    if (m_window->isFixedSize())
        m_window->setClientSize(client, m_window->client()->height());
    else
        m_window->resize(client, m_window->height());
}

void Form::setHeight(int twips)
{
    ensureLoaded();
    m_heightTwips = twips;
    const int frame = m_window->frameGeometry().height() - m_window->height();
    const int menu = m_window->height() - m_window->client()->height();
    const int outer = std::max(0, toPixels(twips) - frame);
    if (m_window->isFixedSize())
        m_window->setClientSize(m_window->client()->width(), std::max(0, outer - menu));
    else
        m_window->resize(m_window->width(), outer);
}

} // namespace runtime
