#pragma once

#include "runtime/Controls.h"
#include "scripts/TextEditorForm.h"

class QAction;
class QMenu;

// The whole scoring script as free text: read from the base game, saved
// into the selected mod, with the stock script to reset to. Only the search
// window opens it, once this editor's own Edit > Search has made it the
// target.
class frmScore : public TextEditorForm
{
    Q_OBJECT
public:
    static frmScore& instance() { return instanceOf<frmScore>(); }

    runtime::FormControl<runtime::TextBox> txtReset{this}; // hidden: the stock script

    runtime::FormControl<QMenu> mnuFile{this};
    runtime::FormControl<QAction> mnuFileSave{this};
    runtime::FormControl<QAction> mnuReset{this};
    runtime::FormControl<QAction> streep{this};
    runtime::FormControl<QAction> mnuFileClose{this};
    runtime::FormControl<QMenu> mnuEdit{this};
    runtime::FormControl<QAction> mnuEditSearch{this};

    void mnuFileSave_Click();
    void mnuReset_Click();
    void mnuFileClose_Click();
    void mnuEditSearch_Click();

protected:
    void createControls(runtime::FormWindow& window) override;
    void Form_Load() override;
    void Form_Resize() override;

private:
    friend class runtime::Form;
    frmScore();
};
