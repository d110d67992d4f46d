#pragma once

#include "frmSearch.h"
#include "runtime/Form.h"
#include "runtime/RichTextBox.h"

// What the free-text editors (bot names, tweak files, the whole scoring
// script) share: a sizable window whose rich text box `rtb` follows the
// window's size, and the editor's half of the search window's protocol.
// Each editor creates `rtb` in its createControls and keeps its own
// handlers, which call these steps.
class TextEditorForm : public runtime::Form
{
    Q_OBJECT
public:
    runtime::FormControl<runtime::RichTextBox> rtb{this}; // searched by the search window

protected:
    TextEditorForm(QString name, SearchTarget target);

    // Sizes `rtb` to the window, for Form_Resize.
    void fitTextBox();
    // Shows the search window owned by this editor and makes this editor
    // its target.
    void openSearch();
    // The box's text was replaced whole: its search starts at the start.
    void restartSearch();

private:
    SearchTarget m_target;
};
