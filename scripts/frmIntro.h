#pragma once

#include "runtime/ChoiceControls.h"
#include "runtime/Controls.h"
#include "runtime/Form.h"

// The intro remover: three options and "Remove!", which replaces the
// selected mod's Init.con with the matching stock script and remembers the
// options in intro.ini beside the program.
class frmIntro : public runtime::Form
{
    Q_OBJECT
public:
    static frmIntro& instance() { return instanceOf<frmIntro>(); }

    runtime::FormControl<runtime::CommandButton> cmdRemove { this };
    runtime::FormControl<runtime::OptionButton> optEscTrue { this };
    runtime::FormControl<runtime::OptionButton> optComplete { this };
    runtime::FormControl<runtime::OptionButton> optReset { this };
    runtime::FormControl<runtime::TextBox> txtEscTrue { this }; // hidden: movies skippable with Esc
    runtime::FormControl<runtime::TextBox> txtComplete { this }; // hidden: no intro movie
    runtime::FormControl<runtime::TextBox> txtReset { this }; // hidden: the game's stock Init.con
    runtime::FormControl<runtime::TextBox> Text1 { this }; // hidden: the path of intro.ini

    void cmdRemove_Click();

protected:
    void createControls(runtime::FormWindow& window) override;
    void Form_Load() override;

private:
    friend class runtime::Form;
    frmIntro();

    void LoadIni(const QString& path);
    void SaveIni(const QString& path);
};
