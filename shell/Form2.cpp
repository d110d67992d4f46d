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

    m_Drive1 = new DriveList(client);
    placeControl(*m_Drive1, 120, 120, 4455, 315);
    m_Dir1 = new FolderList(client);
    placeControl(*m_Dir1, 120, 480, 4455, 4590);
    m_Label1 = new Label(QStringLiteral("Please select your BF2142 folder."), client);
    placeControl(*m_Label1, 4680, 120, 2415, 255);
    m_Command1 = new CommandButton(QStringLiteral("Select"), client);
    placeControl(*m_Command1, 4680, 480, 2415, 495);
    m_Label2 = new Label(QStringLiteral("Select Mod:"), client);
    placeControl(*m_Label2, 4680, 1080, 855, 255);
    m_Text1 = new RichTextBox(QStringLiteral("BF2142"), client);
    m_Text1->setSingleLine(true);
    placeControl(*m_Text1, 4680, 1320, 2415, 300);
    m_Image1 = new Image(QStringLiteral(":/pictures/logo.png"), client);
    placeControl(*m_Image1, 6120, 4200, 1020, 900);
    m_Image1->setCursor(Qt::PointingHandCursor);

    m_rtb = new RichTextBox(QString(), client);
    m_rtb->hide();
    m_txtPath = new TextBox(QString(), client);
    m_txtPath->hide();

    QWidget::setTabOrder(m_Drive1, m_Dir1);
    QWidget::setTabOrder(m_Dir1, m_Command1);
    QWidget::setTabOrder(m_Command1, m_Text1);

    connect(m_Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(m_Drive1, &DriveList::changed, this, &Form2::Drive1_Change);
    connect(m_Image1, &Label::clicked, this, &Form2::Image1_Click);
}

void Form2::releaseControls()
{
    m_Drive1 = nullptr;
    m_Dir1 = nullptr;
    m_Label1 = nullptr;
    m_Command1 = nullptr;
    m_Label2 = nullptr;
    m_Text1 = nullptr;
    m_Image1 = nullptr;
    m_rtb = nullptr;
    m_txtPath = nullptr;
}

// clang-format off
DriveList* Form2::Drive1() { ensureLoaded(); return m_Drive1; }
FolderList* Form2::Dir1() { ensureLoaded(); return m_Dir1; }
Label* Form2::Label1() { ensureLoaded(); return m_Label1; }
CommandButton* Form2::Command1() { ensureLoaded(); return m_Command1; }
Label* Form2::Label2() { ensureLoaded(); return m_Label2; }
RichTextBox* Form2::Text1() { ensureLoaded(); return m_Text1; }
Image* Form2::Image1() { ensureLoaded(); return m_Image1; }
RichTextBox* Form2::rtb() { ensureLoaded(); return m_rtb; }
TextBox* Form2::txtPath() { ensureLoaded(); return m_txtPath; }
// clang-format on

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
    rtb()->loadFile(Files::programFolder() + QStringLiteral("\\dir.ini"));
    // 2. The stored folder; the folder list refuses a text that is no folder.
    Dir1()->setPath(rtb()->text());
    // 3. dirMod.ini into the mod box. A hand-edited file of several lines
    //    gives its first line.
    Text1()->loadFile(Files::programFolder() + QStringLiteral("\\dirMod.ini"));
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
        Files::writeWholeText(Files::programFolder() + QStringLiteral("\\dir.ini"), txtPath()->text());
    });
    skipOnError([this] {
        Files::writeWholeText(Files::programFolder() + QStringLiteral("\\dirMod.ini"), Text1()->text());
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
