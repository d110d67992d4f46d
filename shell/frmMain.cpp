#include "frmMain.h"

#include "Form2.h"
#include "bots/Form1.h"
#include "bots/frmStrategies.h"
#include "bots/frmBotNames.h"
#include "frmAbout.h"
#include "frmAboutUitbreiding.h"
#include "frmInfo.h"
#include "runtime/Dialogs.h"
#include "runtime/Twips.h"
#include "runtime/Resources.h"
#include "scripts/frmIntro.h"
#include "scripts/frmScore2.h"
#include "scripts/frmTweak.h"

#include <QFont>
#include <QPaintEvent>
#include <QPainter>

using namespace runtime;

namespace {

QFont sansSerif(qreal pointSize, int weight)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setWeight(static_cast<QFont::Weight>(weight));
    return font;
}

// The background picture, painted as it lies in memory; the pointer's
// moves and clicks go through it to the window.
class Background : public QWidget
{
public:
    Background(QImage picture, QWidget* parent)
        : QWidget(parent)
        , m_picture(std::move(picture))
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        painter.drawImage(event->rect(), m_picture, event->rect());
    }

private:
    QImage m_picture;
};

} // namespace

frmMain::frmMain()
    : Form(QStringLiteral("frmMain"))
{
}

Label* frmMain::makeLink(const QString& caption, int top, int width, QWidget* client)
{
    auto* label = new Label(caption, client);
    label->setFont(sansSerif(24, 400));
    placeControl(*label, 240, top, width, 615);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

void frmMain::createControls(FormWindow& window)
{
    window.setWindowTitle(QStringLiteral("Sorvane"));
    window.setBorderStyle(BorderStyle::None);
    window.setClientSize(toPixels(12000), toPixels(7995));
    setStartPosition(StartPosition::CenterScreen);
    QWidget* client = window.client();

    auto* background = new Background(resourcePicture(QStringLiteral(":/pictures/background.bmp")), client);
    background->setGeometry(0, 0, 800, 533);

    // The eight links, top to bottom, 720 twips apart.
    Label5 = makeLink(QStringLiteral("Change Bot Names"), 240, 4215, client);
    Label10 = makeLink(QStringLiteral("Change Bot Strategies"), 960, 4815, client);
    Label1 = makeLink(QStringLiteral("Change Max Bots"), 1680, 3855, client);
    Label7 = makeLink(QStringLiteral("Remove intro"), 2400, 2895, client);
    Label6 = makeLink(QStringLiteral("Score Editor"), 3120, 2775, client);
    Label4 = makeLink(QStringLiteral("Tweak Editor"), 3840, 2895, client);
    Label9 = makeLink(QStringLiteral("Forum"), 4560, 1455, client);
    Label11 = makeLink(QStringLiteral("Change mod / BF2142 path"), 5280, 6015, client);
    for (Label* label : {Label5(), Label1(), Label7(), Label6(), Label4(), Label9()})
        label->setForeColor(Colour::Black);
    // "Change Bot Strategies", "Change mod / BF2142 path" and "X" start in
    // the system's text colour.

    Label2 = new Label(QStringLiteral("X"), client);
    Label2()->setFont(sansSerif(24, 400));
    Label2()->setAlignment(Qt::AlignCenter);
    Label2()->setCursor(Qt::PointingHandCursor);
    placeControl(*Label2(), 11400, 120, 375, 495);

    Image1 = new Image(QStringLiteral(":/pictures/logo.png"), client);
    Image1()->setCursor(Qt::PointingHandCursor);
    placeControl(*Image1(), 10800, 720, 1020, 900);

    Label3 = new Label(contactAddress(), client);
    Label3()->setFont(sansSerif(12, 700));
    Label3()->setForeColor(Colour::Orange);
    placeControl(*Label3(), 8640, 7560, 3255, 375);

    Label8 = new Label(QStringLiteral("V3.4"), client);
    Label8()->setFont(sansSerif(9.75, 700));
    Label8()->setForeColor(Colour::Orange);
    placeControl(*Label8(), 120, 7680, 495, 255);
    Label8()->hide();

    connect(&window, &FormWindow::mouseMoved, this, &frmMain::Form_MouseMove);
    const std::pair<Label*, void (frmMain::*)()> moves[] = {
        {Label1(), &frmMain::Label1_MouseMove}, {Label2(), &frmMain::Label2_MouseMove},
        {Label4(), &frmMain::Label4_MouseMove}, {Label5(), &frmMain::Label5_MouseMove},
        {Label6(), &frmMain::Label6_MouseMove}, {Label7(), &frmMain::Label7_MouseMove},
        {Label9(), &frmMain::Label9_MouseMove}, {Label10(), &frmMain::Label10_MouseMove},
        {Label11(), &frmMain::Label11_MouseMove},
    };
    for (const auto& [label, handler] : moves)
        connect(label, &Label::mouseMoved, this, handler);
    const std::pair<Label*, void (frmMain::*)()> clicks[] = {
        {Label1(), &frmMain::Label1_Click}, {Label2(), &frmMain::Label2_Click},
        {Label4(), &frmMain::Label4_Click}, {Label5(), &frmMain::Label5_Click},
        {Label6(), &frmMain::Label6_Click}, {Label7(), &frmMain::Label7_Click},
        {Label9(), &frmMain::Label9_Click}, {Label10(), &frmMain::Label10_Click},
        {Label11(), &frmMain::Label11_Click}, {Image1(), &frmMain::Image1_Click},
    };
    for (const auto& [label, handler] : clicks)
        connect(label, &Label::clicked, this, handler);
}



std::array<Label*, 9> frmMain::linkLabels()
{
    return {Label1(), Label2(), Label4(), Label5(), Label6(), Label7(), Label9(), Label10(), Label11()};
}

void frmMain::highlight(Label* hovered)
{
    for (Label* label : linkLabels())
        label->setForeColor(label == hovered ? Colour::Red : Colour::Black);
}

// clang-format off
void frmMain::Form_MouseMove() { highlight(nullptr); }
void frmMain::Label1_MouseMove() { highlight(Label1()); }
void frmMain::Label2_MouseMove() { highlight(Label2()); }
void frmMain::Label4_MouseMove() { highlight(Label4()); }
void frmMain::Label5_MouseMove() { highlight(Label5()); }
void frmMain::Label6_MouseMove() { highlight(Label6()); }
void frmMain::Label7_MouseMove() { highlight(Label7()); }
void frmMain::Label9_MouseMove() { highlight(Label9()); }
void frmMain::Label10_MouseMove() { highlight(Label10()); }
void frmMain::Label11_MouseMove() { highlight(Label11()); }
// clang-format on

void frmMain::Label5_Click()
{
    Label5()->setForeColor(Colour::Black);
    frmBotNames::instance().show(this);
}

void frmMain::Label10_Click()
{
    // The link keeps its colour.
    frmStrategies::instance().show(this);
}

void frmMain::Label1_Click()
{
    Label1()->setForeColor(Colour::Black);
    Form1::instance().show(this);
}

void frmMain::Label7_Click()
{
    Label7()->setForeColor(Colour::Black);
    frmIntro::instance().show(this);
}

void frmMain::Label6_Click()
{
    Label6()->setForeColor(Colour::Black);
    frmScore2::instance().show(this);
}

void frmMain::Label4_Click()
{
    // The link keeps its colour.
    frmTweak::instance().show(this);
}

void frmMain::Label9_Click()
{
    Label9()->setForeColor(Colour::Black);
    frmInfo::instance().show(this);
}

void frmMain::Label11_Click()
{
    Label11()->setForeColor(Colour::Black);
    Form2::instance().show(this);
}

void frmMain::Image1_Click()
{
    frmAbout::instance().show(this);
    frmAboutUitbreiding::instance().show(this);
}

void frmMain::Label2_Click()
{
    // 1. Ask; 2. Yes ends the program at once; 3. No changes nothing.
    const int answer = Dialogs::msgBox(QStringLiteral("Are you sure you want exit?"),
                                       MsgBoxStyle::YesNo | MsgBoxStyle::Information, QStringLiteral("Sorvane"));
    if (answer == MsgBoxResult::Yes)
        Dialogs::endProgram();
}

void frmMain::Form_QueryUnload(int& cancel)
{
    // Closed by the window system (Alt+F4, the session): the same question as
    // "X". The window itself never goes away; Yes ends the whole program.
    cancel = 1;
    Label2_Click();
}
