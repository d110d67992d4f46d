#pragma once

#include "runtime/Controls.h"
#include "scripts/TextEditorForm.h"

class QAction;
class QMenu;

// The tweak editor: any .tweak file as free text, opened and saved through
// file dialogs. The text is opaque: nothing is added, trimmed or converted
// but the CR LF a save puts after it. Its Edit > Search opens the search
// window on its text.
class frmTweak : public TextEditorForm
{
    Q_OBJECT
public:
    static frmTweak& instance() { return instanceOf<frmTweak>(); }

    runtime::FormControl<runtime::Label> Label1{this}; // the current path; empty: no file

    runtime::FormControl<QMenu> mnuFile{this};
    runtime::FormControl<QAction> mnuFileNew{this};
    runtime::FormControl<QAction> mnuFileLoad{this};
    runtime::FormControl<QAction> mnuFileSave{this};
    runtime::FormControl<QAction> mnuFileSaveAs{this};
    runtime::FormControl<QAction> mnuFileStreep{this};
    runtime::FormControl<QAction> mnuFileTweak{this};
    runtime::FormControl<QMenu> mnuEdit{this};
    runtime::FormControl<QAction> mnuEditSearch{this};

    void mnuFileNew_Click();
    void mnuFileLoad_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFileTweak_Click();
    void mnuEditSearch_Click();

protected:
    void createControls(runtime::FormWindow& window) override;
    void Form_Resize() override;

private:
    friend class runtime::Form;
    frmTweak();
};
