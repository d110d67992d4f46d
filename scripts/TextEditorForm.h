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

    // Every load gives the box a new text: its search starts at the start.
    // An editor with a load of its own runs this first.
    void Form_Load() override;

    // Sizes `rtb` to the window, for Form_Resize.
    void fitTextBox();
    // Shows the search window owned by this editor and makes this editor
    // its target.
    void openSearch();
    // The box's text was replaced whole: its search starts at the start.
    void restartSearch();

    // For the editors of one game file, read from the base game and saved
    // into the selected mod; `file` is the file's own part ("\AI\BotNames.ai").
    // The base game's file into the box, for Form_Load. One that
    // cannot be read is reported and leaves the box empty, so that no Save
    // writes a design text into the game's file.
    void loadBaseGameFile(const QString& file);
    // The box's text and CR LF into the mod's file. A failure is reported;
    // the text stays.
    void saveModFile(const QString& file);

private:
    SearchTarget m_target;
};
