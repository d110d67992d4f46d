#include "frmTweak.h"

#include "runtime/Dialogs.h"
#include "runtime/Twips.h"
#include "runtime/files/FileServices.h"
#include "runtime/files/RuntimeError.h"

#include <QMenu>
#include <QMenuBar>

using namespace runtime;

namespace {

const QString tweakFilter = QStringLiteral("Tweak files (*.tweak)|*.tweak|");

// Only an existing file can be opened; a save replaces a file without a
// question; a name is taken as typed, no extension added.
const FileDialogOptions openOptions{.fileMustExist = true, .replaceWithoutAsking = false, .defaultSuffix = {}};
const FileDialogOptions saveOptions{.fileMustExist = false, .replaceWithoutAsking = true, .defaultSuffix = {}};

} // namespace

frmTweak::frmTweak()
    : TextEditorForm(QStringLiteral("frmTweak"), SearchTarget::Tweak)
{
}

void frmTweak::createControls(FormWindow& window)
{
    window.setWindowTitle(QStringLiteral("Tweak Editor"));
    window.setBorderStyle(BorderStyle::Sizable);

    QMenuBar* menuBar = window.menuBar();
    mnuFile = menuBar->addMenu(QStringLiteral("File"));
    mnuFileNew = mnuFile()->addAction(QStringLiteral("New"));
    mnuFileNew()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuFileLoad = mnuFile()->addAction(QStringLiteral("Load"));
    mnuFileLoad()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFileSave = mnuFile()->addAction(QStringLiteral("Save"));
    mnuFileSave()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFileSaveAs = mnuFile()->addAction(QStringLiteral("Save as"));
    mnuFileSaveAs()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    mnuFileStreep = mnuFile()->addSeparator();
    mnuFileTweak = mnuFile()->addAction(QStringLiteral("Close"));
    mnuEdit = menuBar->addMenu(QStringLiteral("Edit"));
    mnuEditSearch = mnuEdit()->addAction(QStringLiteral("Search"));
    mnuEditSearch()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));

    window.setClientSize(toPixels(11745), toPixels(7020));
    QWidget* client = window.client();

    // The path label first, so that the box, fitted to the window, lies
    // above it.
    Label1 = new Label(QString(), client);
    placeControl(*Label1(), 120, 3360, 6735, 255);
    Label1()->setTextFormat(Qt::PlainText); // a path, never markup
    rtb = new RichTextBox(QStringLiteral("Tweak files can be found in this folder:   "
                                         "Battlefield 2142\\mods\\bf2142\\Objects\\ in the zip files."),
                          client);
    placeControl(*rtb(), 0, 0, 6855, 2895);
    // A vertical scroll bar only: long lines wrap at the box's edge.
    rtb()->editor()->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rtb()->editor()->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    rtb()->setFocus();

    connect(mnuFileNew(), &QAction::triggered, this, &frmTweak::mnuFileNew_Click);
    connect(mnuFileLoad(), &QAction::triggered, this, &frmTweak::mnuFileLoad_Click);
    connect(mnuFileSave(), &QAction::triggered, this, &frmTweak::mnuFileSave_Click);
    connect(mnuFileSaveAs(), &QAction::triggered, this, &frmTweak::mnuFileSaveAs_Click);
    connect(mnuFileTweak(), &QAction::triggered, this, &frmTweak::mnuFileTweak_Click);
    connect(mnuEditSearch(), &QAction::triggered, this, &frmTweak::mnuEditSearch_Click);
}

void frmTweak::Form_Resize()
{
    fitTextBox();
}

void frmTweak::mnuFileNew_Click()
{
    // 1. An empty box, a new text to search.
    rtb()->setText(QString());
    restartSearch();
    // 2. The dialogs keep no file name between uses.
    // 3. No current file.
    Label1()->setText(QString());
}

void frmTweak::mnuFileLoad_Click()
{
    // 1. and 2. The open dialog, for existing tweak files. A cancel changes
    // nothing.
    const Files::HostPath file = Dialogs::openFileName(QString(), tweakFilter, openOptions);
    if (file.path.isEmpty())
        return;
    // 3. and 4. The file replaces the text and becomes the current file,
    // once it has been read. A file that cannot be read is reported; the
    // text and the current file stay, so no later Save writes this text
    // over a file it never read.
    try {
        rtb()->loadFile(file);
    } catch (const RuntimeError& error) {
        Dialogs::reportFailure(error.text());
        return;
    }
    restartSearch();
    Label1()->setText(file.path);
    // 5. The dialog's file name is not kept.
}

void frmTweak::mnuFileSave_Click()
{
    // 1. The current file, the path as the dialog gave it; with none, Save
    //    asks for one as Save as does.
    const Files::HostPath file{Label1()->text()};
    if (file.path.isEmpty()) {
        mnuFileSaveAs_Click();
        return;
    }
    // 2. The box's text and CR LF. A failure is reported; the text stays.
    try {
        Files::writeWholeText(file, rtb()->text());
    } catch (const RuntimeError& error) {
        Dialogs::reportFailure(error.text());
    }
    // 3. No dialog file name is kept.
}

void frmTweak::mnuFileSaveAs_Click()
{
    // 1. to 3. The save dialog; it replaces an existing file without a
    // question and adds no extension. A cancel changes nothing.
    const Files::HostPath file = Dialogs::saveFileName(QString(), tweakFilter, saveOptions);
    if (file.path.isEmpty())
        return;
    // 4. The box's text and CR LF. A failure is reported; the text and the
    // current file stay.
    try {
        Files::writeWholeText(file, rtb()->text());
    } catch (const RuntimeError& error) {
        Dialogs::reportFailure(error.text());
        return;
    }
    // 5. The new current file, named as chosen.
    Label1()->setText(file.path);
    // 6. The dialog's file name is not kept.
}

void frmTweak::mnuFileTweak_Click()
{
    unload();
}

void frmTweak::mnuEditSearch_Click()
{
    // 1. and 2. The search window, owned by this editor, targeting it.
    openSearch();
}
