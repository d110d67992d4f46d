#include "frmBotNames.h"

#include "runtime/Resources.h"
#include "runtime/Twips.h"

#include <QMenu>
#include <QMenuBar>

using namespace runtime;

frmBotNames::frmBotNames()
    : TextEditorForm(QStringLiteral("frmBotNames"), SearchTarget::BotNames)
{
}

void frmBotNames::createControls(FormWindow& window)
{
    window.setWindowTitle(QStringLiteral("Change Bot Names"));
    window.setBorderStyle(BorderStyle::Sizable);

    QMenuBar* menuBar = window.menuBar();
    mnuFile = menuBar->addMenu(QStringLiteral("File"));
    mnuFileSave = mnuFile()->addAction(QStringLiteral("Save"));
    mnuFileSave()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFileReset = mnuFile()->addAction(QStringLiteral("Reset and Save"));
    mnuFileReset()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    streep = mnuFile()->addSeparator();
    mnuFileClose = mnuFile()->addAction(QStringLiteral("Close"));
    mnuEdit = menuBar->addMenu(QStringLiteral("Edit"));
    mnuEditSearch = mnuEdit()->addAction(QStringLiteral("Search"));
    mnuEditSearch()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));

    window.setClientSize(toPixels(7785), toPixels(5730));
    QWidget* client = window.client();

    rtb = new RichTextBox(QString(), client);
    placeControl(*rtb(), 0, 0, 7785, 5730);
    rtb()->setFocus();
    txtReset = new TextBox(stockText(QStringLiteral(":/stock/BotNames.txt")), client);
    txtReset()->hide();

    connect(mnuFileSave(), &QAction::triggered, this, &frmBotNames::mnuFileSave_Click);
    connect(mnuFileReset(), &QAction::triggered, this, &frmBotNames::mnuFileReset_Click);
    connect(mnuFileClose(), &QAction::triggered, this, &frmBotNames::mnuFileClose_Click);
    connect(mnuEditSearch(), &QAction::triggered, this, &frmBotNames::mnuEditSearch_Click);
}

void frmBotNames::Form_Load()
{
    // The base game's list. One that cannot be read is reported, and the
    // editor opens with an empty box.
    TextEditorForm::Form_Load();
    loadBaseGameFile(QStringLiteral("\\AI\\BotNames.ai"));
}

void frmBotNames::Form_Resize()
{
    fitTextBox();
}

void frmBotNames::mnuFileSave_Click()
{
    // 1. The mod's file; 2. the box's text and CR LF. A failure is reported;
    // the text stays.
    saveModFile(QStringLiteral("\\AI\\BotNames.ai"));
}

void frmBotNames::mnuFileReset_Click()
{
    // 1. The stock list, a new text to search.
    rtb()->setText(txtReset()->text());
    restartSearch();
    // 2. Save.
    mnuFileSave_Click();
}

void frmBotNames::mnuFileClose_Click()
{
    unload();
}

void frmBotNames::mnuEditSearch_Click()
{
    // 1. and 2.: the search window, owned by this editor, targeting it.
    openSearch();
}
