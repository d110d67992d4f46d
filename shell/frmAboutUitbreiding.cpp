#include "frmAboutUitbreiding.h"

#include "frmAbout.h"

#include <QEvent>
#include <QIcon>
#include <QPixmap>

using namespace runtime;

frmAboutUitbreiding::frmAboutUitbreiding()
    : Form(QStringLiteral("frmAboutUitbreiding"))
{
}

void frmAboutUitbreiding::createControls(FormWindow& window)
{
    window.setWindowTitle(QStringLiteral("Form3"));
    // No icon of its own: a blank one, so the program's icon is not inherited.
    QPixmap blank(32, 32);
    blank.fill(Qt::transparent);
    window.setWindowIcon(QIcon(blank));
    window.setBorderStyle(BorderStyle::None);
    // The about box beside it keeps the keyboard, so Enter and Esc reach
    // its "OK" without a click: the panel is shown without activating it,
    // and where the window system activates it anyway it hands the
    // activation on.
    window.setAttribute(Qt::WA_ShowWithoutActivating);
    window.installEventFilter(this);
    setStartPosition(StartPosition::Manual);
    setLeft(810);
    setTop(945);
    setWidth(1005);
    setHeight(90);

    // The banner is the window's picture, drawn from the top left corner and
    // cut off by the window's edges.
    auto* picture = new QLabel(window.client());
    picture->setPixmap(QPixmap(QStringLiteral(":/pictures/about_panel.png")));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->move(0, 0);
    picture->adjustSize();
    picture->setAttribute(Qt::WA_TransparentForMouseEvents);

    Timer1 = new Timer(1, true, &window);
    connect(Timer1(), &QTimer::timeout, this, &frmAboutUitbreiding::Timer1_Timer);
}

bool frmAboutUitbreiding::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && frmAbout::instance().isVisible())
        frmAbout::instance().window()->activateWindow();
    return Form::eventFilter(watched, event);
}

void frmAboutUitbreiding::Form_Load()
{
    // The about box goes against the panel's right edge, tops level.
    const int panelWidth = width();
    const int panelLeft = left();
    frmAbout::instance().setLeft(panelWidth + panelLeft);
    frmAbout::instance().setTop(top());
}

void frmAboutUitbreiding::Timer1_Timer()
{
    // Grow by 50; past 3450 stop, reveal the about box and set back to 3450.
    setHeight(height() + 50);
    if (height() >= 3450) {
        Timer1()->setEnabled(false);
        frmAbout::instance().setVisible(true);
        setHeight(3450);
    }
}
