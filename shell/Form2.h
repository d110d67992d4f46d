#pragma once

#include "runtime/Controls.h"
#include "runtime/FolderControls.h"
#include "runtime/Form.h"
#include "runtime/RichTextBox.h"

// The start-up window and the one holder of the game location: the game
// folder is the folder list's path, the mod name the mod box's text.
class Form2 : public runtime::Form
{
    Q_OBJECT
public:
    static Form2& instance() { return instanceOf<Form2>(); }

    runtime::FormControl<runtime::DriveList> Drive1{this};
    runtime::FormControl<runtime::FolderList> Dir1{this};
    runtime::FormControl<runtime::Label> Label1{this};
    runtime::FormControl<runtime::CommandButton> Command1{this};
    runtime::FormControl<runtime::Label> Label2{this};
    runtime::FormControl<runtime::RichTextBox> Text1{this};
    runtime::FormControl<runtime::Image> Image1{this};
    runtime::FormControl<runtime::RichTextBox> rtb{this};
    runtime::FormControl<runtime::TextBox> txtPath{this};

    void Command1_Click();
    void Drive1_Change();
    void Image1_Click();

protected:
    void createControls(runtime::FormWindow& window) override;
    void Form_Load() override;

private:
    friend class runtime::Form;
    Form2();

    void LoadPath();
    void Opslaan();
};
