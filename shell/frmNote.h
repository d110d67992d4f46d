#pragma once

#include "runtime/Controls.h"
#include "runtime/Form.h"
#include "runtime/RichTextBox.h"

// The personal-notes window: one fixed notes file, loaded at open and
// written by "Save". Nothing in the program opens it.
class frmNote : public runtime::Form
{
    Q_OBJECT
public:
    static frmNote& instance() { return instanceOf<frmNote>(); }

    runtime::FormControl<runtime::RichTextBox> rtb{this};
    runtime::FormControl<runtime::CommandButton> Command1{this}; // "Save"

    void Command1_Click();

protected:
    void createControls(runtime::FormWindow& window) override;
    void Form_Load() override;

private:
    friend class runtime::Form;
    frmNote();
};
