#pragma once

#include "runtime/Controls.h"
#include "scripts/TextEditorForm.h"

class QAction;
class QMenu;

// The bot-name editor: the game's BotNames.ai as free text in one box,
// read from the base game and saved into the selected mod, with a stock
// list of 100 names to reset to. Its Edit > Search opens the search window
// on its text.
class frmBotNames : public TextEditorForm
{
    Q_OBJECT
public:
    static frmBotNames& instance() { return instanceOf<frmBotNames>(); }

    runtime::FormControl<runtime::TextBox> txtReset{this}; // hidden: the stock list

    runtime::FormControl<QMenu> mnuFile{this};
    runtime::FormControl<QAction> mnuFileSave{this};
    runtime::FormControl<QAction> mnuFileReset{this};
    runtime::FormControl<QAction> streep{this};
    runtime::FormControl<QAction> mnuFileClose{this};
    runtime::FormControl<QMenu> mnuEdit{this};
    runtime::FormControl<QAction> mnuEditSearch{this};

    void mnuFileSave_Click();
    void mnuFileReset_Click();
    void mnuFileClose_Click();
    void mnuEditSearch_Click();

protected:
    void createControls(runtime::FormWindow& window) override;
    void Form_Load() override;
    void Form_Resize() override;

private:
    friend class runtime::Form;
    frmBotNames();
};
