#include "Form1.h"

#include "runtime/Dialogs.h"
#include "runtime/ErrorModes.h"
#include "runtime/Resources.h"
#include "runtime/Twips.h"
#include "runtime/files/FileServices.h"
#include "shell/Form2.h"
#include "shell/frmAbout.h"

#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>

#include <algorithm>

using namespace runtime;

namespace {

constexpr int MinBots = 0;
constexpr int MaxBots = 256;
constexpr int DefaultBots = 16;

// The remembered number as a slider value. A whole decimal number is taken,
// with blanks around it and a sign allowed, and one beyond 0 to 256 is
// clamped to the nearer end. Anything else (an empty line, a fraction, other
// text) fails like any other read error, so the slider keeps its value.
int toBotCount(const QString& line)
{
    static const QRegularExpression wholeNumber(QStringLiteral("^\\s*([+-]?)0*(\\d+)\\s*$"));
    const QRegularExpressionMatch match = wholeNumber.match(line);
    if (!match.hasMatch())
        throw RuntimeError(QStringLiteral("\"%1\" is not a whole number").arg(line));
    if (match.captured(1) == QLatin1String("-"))
        return MinBots;
    const QString digits = match.captured(2);
    // More than three significant digits is beyond the range in any case.
    return digits.size() > 3 ? MaxBots : std::min(digits.toInt(), MaxBots);
}

} // namespace

Form1::Form1()
    : Form(QStringLiteral("Form1"))
{
}

void Form1::createControls(FormWindow& window)
{
    window.setWindowTitle(QStringLiteral("Keldrith"));
    window.setBorderStyle(BorderStyle::FixedDialog);

    QMenuBar* menuBar = window.menuBar();
    mnuFile = menuBar->addMenu(QStringLiteral("File"));
    mnuFileSave = mnuFile()->addAction(QStringLiteral("Save"));
    mnuFileReset = mnuFile()->addAction(QStringLiteral("Reset and save"));
    mnuHelp = menuBar->addMenu(QStringLiteral("Help"));
    mnuHelpAbout = mnuHelp()->addAction(QStringLiteral("About"));
    // Stored unavailable: shown greyed out, so "About" cannot be chosen.
    mnuHelp()->menuAction()->setEnabled(false);

    window.setClientSize(toPixels(6255), toPixels(1605));
    QWidget* client = window.client();

    Slider1 = new Slider(client);
    Slider1()->setRange(MinBots, MaxBots);
    Slider1()->setValue(DefaultBots);
    Slider1()->setPageStep(5);
    Slider1()->setSingleStep(1);
    Slider1()->setTickPosition(QSlider::TicksBelow);
    Slider1()->setTickInterval(8);
    placeControl(*Slider1(), 0, 120, 6255, 675);

    Label1 = new Label(QStringLiteral("Selected bots: 16"), client);
    placeControl(*Label1(), 120, 840, 1695, 255);
    Label2 = new Label(QStringLiteral("Default bots: 16"), client);
    placeControl(*Label2(), 120, 1080, 1335, 255);
    Label3 = new Label(QStringLiteral("Warning: 256 bots can make the game very slow!!!"), client);
    Label3()->setForeColor(Colour::Red);
    placeControl(*Label3(), 120, 1320, 3735, 255);

    Command1 = new CommandButton(QStringLiteral("Save"), client);
    Command1()->hide();
    Command2 = new CommandButton(QStringLiteral("Reset and Save"), client);
    Command2()->hide();
    txtLoad = hiddenTextBox(QString(), client);
    Text1 = hiddenTextBox(QString(), client);
    Text2 = hiddenTextBox(stockText(QStringLiteral(":/stock/AIDefault_front.txt")), client);
    Text3 = hiddenTextBox(stockText(QStringLiteral(":/stock/AIDefault_end.txt")), client);

    connect(Slider1(), &Slider::mouseMoved, this, &Form1::Slider1_MouseMove);
    connect(Slider1(), &QSlider::valueChanged, this, &Form1::Slider1_Change);
    connect(Command1(), &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2(), &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(mnuFileSave(), &QAction::triggered, this, &Form1::mnuFileSave_Click);
    connect(mnuFileReset(), &QAction::triggered, this, &Form1::mnuFileReset_Click);
    connect(mnuHelpAbout(), &QAction::triggered, this, &Form1::mnuHelpAbout_Click);
}



void Form1::Form_Load()
{
    // 1. The settings file beside the program.
    txtLoad()->setText(Files::programFolder() + QStringLiteral("\\MaxBots.ini"));
    // 2. From here on a failing step is skipped silently.
    // 3. The remembered value.
    skipOnError([this] { LoadIni(txtLoad()->text()); });
    // 4. The label.
    showSelectedBots();
}

void Form1::showSelectedBots()
{
    Label1()->setText(QStringLiteral("Selected bots: %1").arg(Slider1()->value()));
}

void Form1::LoadIni(const QString& path)
{
    LineReader reader(path);
    const QString line = reader.readLine();
    Slider1()->setValue(toBotCount(line));
    reader.close();
}

void Form1::SaveIni(const QString& path)
{
    LineWriter writer(path);
    writer.writeLine(QString::number(Slider1()->value()));
    writer.close();
}

void Form1::Slider1_MouseMove()
{
    showSelectedBots();
}

// A change made with the keyboard, the wheel or a click on the track moves
// no pointer over the slider; without this the label would show another
// number than Save writes.
void Form1::Slider1_Change()
{
    showSelectedBots();
}

void Form1::Command1_Click()
{
    // 1. The front piece.
    Text1()->setText(Text2()->text());
    // 2. The generated line, closed by a lone CR, and the end piece.
    Text1()->setText(Text1()->text() + QStringLiteral("aiSettings.setMaxNBots ")
                     + QString::number(Slider1()->value()) + QLatin1Char('\r') + Text3()->text());
    // 3. The game file. When it cannot be written, the settings file is left
    //    as it is.
    try {
        Files::writeWholeText(Form2::instance().Dir1()->path() + QStringLiteral("\\mods\\bf2142\\AI\\AIDefault.ai"),
                              Text1()->text());
    } catch (const RuntimeError& error) {
        Dialogs::reportFailure(error.text());
        return;
    }
    // 4. The settings file.
    try {
        SaveIni(txtLoad()->text());
    } catch (const RuntimeError& error) {
        Dialogs::reportFailure(error.text());
    }
}

void Form1::Command2_Click()
{
    // 1. The label.
    Label1()->setText(QStringLiteral("Selected bots: 16"));
    // 2. The slider.
    Slider1()->setValue(DefaultBots);
    // 3. Save.
    Command1_Click();
}

void Form1::mnuFileSave_Click()
{
    Command1_Click();
}

void Form1::mnuFileReset_Click()
{
    Command2_Click();
}

void Form1::mnuHelpAbout_Click()
{
    // The about box alone, without its side panel.
    frmAbout::instance().load();
    frmAbout::instance().show(this);
}

void Form1::Form_QueryUnload(int& cancel)
{
    // Refuses every close and hides instead: the window stays loaded, and
    // the slider where the user left it, for the rest of the run.
    cancel = 1;
    hide();
}
