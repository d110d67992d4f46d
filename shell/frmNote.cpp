#include "frmNote.h"

#include "runtime/Dialogs.h"
#include "runtime/ErrorModes.h"
#include "runtime/Twips.h"
#include "runtime/files/FileServices.h"

using namespace runtime;

namespace {

const QString NotesFile = QStringLiteral("C:\\Windows\\Sorvane_notes.txt");

} // namespace

frmNote::frmNote()
    : Form(QStringLiteral("frmNote"))
{
}

void frmNote::createControls(FormWindow& window)
{
    window.setWindowTitle(QStringLiteral("Personal notes"));
    window.setBorderStyle(BorderStyle::FixedToolWindow);
    window.setClientSize(toPixels(8175), toPixels(5895));
    QWidget* client = window.client();

    rtb = new RichTextBox(QStringLiteral("Type here your notes."), client);
    placeControl(*rtb(), 120, 120, 7935, 5175);
    Command1 = new CommandButton(QStringLiteral("Save"), client);
    placeControl(*Command1(), 120, 5400, 1695, 375);
    window.setTabOrder({rtb(), Command1()});

    connect(Command1(), &QPushButton::clicked, this, &frmNote::Command1_Click);
}

void frmNote::Form_Load()
{
    // 1. From here on a failing step is skipped.
    // 2. The notes; without a readable file the design text stays.
    skipOnError([this] { rtb()->loadFile(NotesFile); });
}

void frmNote::Command1_Click()
{
    // 1. The notes file. The folder may need rights the user lacks: a failed
    //    write is reported, the old file stays whole and the text stays in
    //    the box.
    try {
        Files::writeWholeText(NotesFile, rtb()->text());
    } catch (const RuntimeError& error) {
        Dialogs::reportFailure(error.text());
    }
    // 2. Nothing else: the window stays open.
}
