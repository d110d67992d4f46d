#include "frmAbout.h"

#include "frmAboutUitbreiding.h"
#include "frmMain.h"
#include "runtime/Resources.h"

#include <QFont>
#include <QIcon>

using namespace runtime;

frmAbout::frmAbout()
    : Form(QStringLiteral("frmAbout"))
{
}

void frmAbout::createControls(FormWindow& window)
{
    window.setWindowTitle(QStringLiteral("About"));
    window.setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.png")));
    window.setBorderStyle(BorderStyle::None);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    window.setFont(font);
    // Design position and the collapsed strip the timer grows from.
    setStartPosition(StartPosition::Manual);
    setLeft(2295);
    setTop(1500);
    setWidth(5730);
    setHeight(90);
    QWidget* client = window.client();

    // The only control that takes focus, so it is first in the tab order.
    cmdOK = new CommandButton(QStringLiteral("OK"), client);
    placeControl(*cmdOK(), 4245, 1200, 1260, 345);
    cmdOK()->makeDefault(window);
    cmdOK()->makeCancel(window);

    // A picture box sized to the 32 x 32 icon inside its sunken border.
    picIcon = new Image(QStringLiteral(":/pictures/icon.png"), client);
    picIcon()->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    picIcon()->setAlignment(Qt::AlignCenter);
    placeControl(*picIcon(), 120, 240, 540, 540);

    lblTitle = new Label(QStringLiteral("Sorvane"), client);
    lblTitle()->setForeColor(Colour::Black);
    placeControl(*lblTitle(), 960, 240, 1605, 240);

    lblVersion = new Label(QStringLiteral("Version 3.4.0"), client);
    placeControl(*lblVersion(), 960, 600, 1005, 225);

    // An etched separator: a grey line with a white edge under it.
    m_Line1[1] = new Line(90, 1005, 5654, 1005, Colour::Grey, 1, client);
    m_Line1[0] = new Line(105, 1020, 5654, 1020, Colour::White, 2, client);

    Label1 = new Label(contactAddress(), client);
    placeControl(*Label1(), 960, 1200, 1935, 255);

    Timer1 = new Timer(1, true, &window);

    connect(cmdOK(), &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(Timer1(), &QTimer::timeout, this, &frmAbout::Timer1_Timer);
}


// clang-format off
Line* frmAbout::Line1(int index)
{
    return m_Line1.at(static_cast<std::size_t>(index))();
}
// clang-format on

void frmAbout::Timer1_Timer()
{
    // Grow by 25; stop at the first height read back at or above 1665.
    setHeight(height() + 25);
    if (height() >= 1665)
        Timer1()->setEnabled(false);
}

void frmAbout::cmdOK_Click()
{
    frmAboutUitbreiding::instance().unload();
    unload();
    frmMain::instance().show(nullptr);
}
