#include "Form2.h"

#include "frmAbout.h"
#include "frmAboutUitbreiding.h"
#include "frmMain.h"
#include "runtime/Dialogs.h"
#include "runtime/Twips.h"
#include "runtime/ErrorModes.h"
#include "runtime/files/FileServices.h"

using namespace runtime;

Form2::Form2()
    : Form(QStringLiteral("Form2"))
{
}

void Form2::createControls(FormWindow& window)
{
    window.setWindowTitle(QStringLiteral(" Select BF2142 Folder"));
    window.setBorderStyle(BorderStyle::FixedToolWindow);
    window.setClientSize(toPixels(7215), toPixels(5190));
    QWidget* client = window.client();

    Drive1 = new DriveList(client);
    placeControl(*Drive1(), 120, 120, 4455, 315);
    Dir1 = new FolderList(client);
    placeControl(*Dir1(), 120, 480, 4455, 4590);
    Label1 = new Label(QStringLiteral("Please select your BF2142 folder."), client);
    placeControl(*Label1(), 4680, 120, 2415, 255);
    Command1 = new CommandButton(QStringLiteral("Select"), client);
    placeControl(*Command1(), 4680, 480, 2415, 495);
    Label2 = new Label(QStringLiteral("Select Mod:"), client);
    placeControl(*Label2(), 4680, 1080, 855, 255);
    Text1 = new RichTextBox(QStringLiteral("BF2142"), client);
    Text1()->setSingleLine(true);
    placeControl(*Text1(), 4680, 1320, 2415, 300);
    Image1 = new Image(QStringLiteral(":/pictures/logo.png"), client);
    placeControl(*Image1(), 6120, 4200, 1020, 900);
    Image1()->setCursor(Qt::PointingHandCursor);

    rtb = new RichTextBox(QString(), client);
    rtb()->hide();
    txtPath = new TextBox(QString(), client);
    txtPath()->hide();

    window.setTabOrder({Drive1(), Dir1(), Command1(), Text1()});

    connect(Command1(), &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Drive1(), &DriveList::changed, this, &Form2::Drive1_Change);
    connect(Image1(), &Label::clicked, this, &Form2::Image1_Click);
}



void Form2::Form_Load()
{
    // 1. Restore; a failure ends the load silently, with no check.
    try {
        LoadPath();
    } catch (const RuntimeError&) {
        return;
    }
    // 2. Folder check, as for "Select".
    Command1_Click();
}

void Form2::LoadPath()
{
    // 1. dir.ini into the load buffer.
    rtb()->loadFile(Files::programFolder() + QStringLiteral("\\dir.ini"), RichTextBox::FileText::Settings);
    // 2. The stored folder; the folder list refuses a text that is no folder.
    Dir1()->setPath(rtb()->text());
    // 3. dirMod.ini into the mod box. A hand-edited file of several lines
    //    gives its first line.
    Text1()->loadFile(Files::programFolder() + QStringLiteral("\\dirMod.ini"), RichTextBox::FileText::Settings);
    const QString mod = Text1()->text();
    const qsizetype lineEnd = mod.indexOf(QLatin1Char('\r'));
    if (lineEnd >= 0)
        Text1()->setText(mod.left(lineEnd));
}

void Form2::Command1_Click()
{
    // 1. Only whether the check file loads matters.
    try {
        rtb()->loadFile(Dir1()->path() + QStringLiteral("\\mods\\bf2142\\init.con"));
    } catch (const RuntimeError&) {
        // 3. Nothing else changes.
        Dialogs::msgBox(QStringLiteral("BF2142 NOT FOUND!"), MsgBoxStyle::OkOnly | MsgBoxStyle::Critical,
                        QStringLiteral("Sorvane"));
        return;
    }
    // 2. Main menu, hide, save.
    frmMain::instance().setVisible(true);
    hide();
    Opslaan();
}

void Form2::Opslaan()
{
    skipOnError([this] { txtPath()->setText(Dir1()->path()); });
    skipOnError([this] {
        Files::writeSettingsText(Files::programFolder() + QStringLiteral("\\dir.ini"), txtPath()->text());
    });
    skipOnError([this] {
        Files::writeSettingsText(Files::programFolder() + QStringLiteral("\\dirMod.ini"), Text1()->text());
    });
}

void Form2::Drive1_Change()
{
    // A drive that is not ready leaves the folder list where it was.
    skipOnError([this] { Dir1()->setPath(Drive1()->drive()); });
}

void Form2::Image1_Click()
{
    frmAbout::instance().show(this);
    frmAboutUitbreiding::instance().show(this);
}
