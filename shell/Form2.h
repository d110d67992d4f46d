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

    runtime::DriveList* Drive1();
    runtime::FolderList* Dir1();
    runtime::Label* Label1();
    runtime::CommandButton* Command1();
    runtime::Label* Label2();
    runtime::RichTextBox* Text1();
    runtime::Image* Image1();
    runtime::RichTextBox* rtb();
    runtime::TextBox* txtPath();

    void Command1_Click();
    void Drive1_Change();
    void Image1_Click();

protected:
    void createControls(runtime::FormWindow& window) override;
    void releaseControls() override;
    void Form_Load() override;

private:
    friend class runtime::Form;
    Form2();

    void LoadPath();
    void Opslaan();

    runtime::DriveList* m_Drive1 = nullptr;
    runtime::FolderList* m_Dir1 = nullptr;
    runtime::Label* m_Label1 = nullptr;
    runtime::CommandButton* m_Command1 = nullptr;
    runtime::Label* m_Label2 = nullptr;
    runtime::RichTextBox* m_Text1 = nullptr;
    runtime::Image* m_Image1 = nullptr;
    runtime::RichTextBox* m_rtb = nullptr;
    runtime::TextBox* m_txtPath = nullptr;
};
