#include "frmScore.h"

#include "runtime/Resources.h"
#include "runtime/Twips.h"

#include <QMenu>
#include <QMenuBar>

using namespace runtime;

frmScore::frmScore()
    : TextEditorForm(QStringLiteral("frmScore"), SearchTarget::Score)
{
}

void frmScore::createControls(FormWindow& window)
{
    window.setWindowTitle(QStringLiteral("Score Editor"));
    window.setBorderStyle(BorderStyle::Sizable);

    QMenuBar* menuBar = window.menuBar();
    mnuFile = menuBar->addMenu(QStringLiteral("File"));
    mnuFileSave = mnuFile()->addAction(QStringLiteral("Save"));
    mnuFileSave()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuReset = mnuFile()->addAction(QStringLiteral("Reset and Save"));
    mnuReset()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    streep = mnuFile()->addSeparator();
    mnuFileClose = mnuFile()->addAction(QStringLiteral("Close"));
    mnuEdit = menuBar->addMenu(QStringLiteral("Edit"));
    mnuEditSearch = mnuEdit()->addAction(QStringLiteral("Search"));
    mnuEditSearch()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));

    window.setClientSize(toPixels(10965), toPixels(6750));
    QWidget* client = window.client();

    rtb = new RichTextBox(QStringLiteral("RichTextBox1"), client);
    placeControl(*rtb(), 0, 0, 4095, 2295);
    rtb()->setFocus();
    txtReset = new TextBox(stockText(QStringLiteral(":/stock/scoringCommon.py")), client);
    txtReset()->hide();

    connect(mnuFileSave(), &QAction::triggered, this, &frmScore::mnuFileSave_Click);
    connect(mnuReset(), &QAction::triggered, this, &frmScore::mnuReset_Click);
    connect(mnuFileClose(), &QAction::triggered, this, &frmScore::mnuFileClose_Click);
    connect(mnuEditSearch(), &QAction::triggered, this, &frmScore::mnuEditSearch_Click);
}

void frmScore::Form_Load()
{
    // The base game's script. One that cannot be read is reported, and the
    // box is left empty: its design text must never reach the mod's script
    // through a Save.
    TextEditorForm::Form_Load();
    loadBaseGameFile(QStringLiteral("\\python\\game\\scoringCommon.py"));
}

void frmScore::Form_Resize()
{
    fitTextBox();
}

void frmScore::mnuFileSave_Click()
{
    // The mod's script: the box's text and CR LF. A failure is reported;
    // the text stays.
    saveModFile(QStringLiteral("\\python\\game\\scoringCommon.py"));
}

void frmScore::mnuReset_Click()
{
    // 1. The stock script, a new text to search.
    rtb()->setText(txtReset()->text());
    restartSearch();
    // 2. Save.
    mnuFileSave_Click();
}

void frmScore::mnuFileClose_Click()
{
    unload();
}

void frmScore::mnuEditSearch_Click()
{
    // 1. The search window is loaded; one already loaded keeps its search
    // text.
    frmSearch::instance().load();
    // 2. and 3. Shown, owned by this editor, targeting it.
    openSearch();
}
