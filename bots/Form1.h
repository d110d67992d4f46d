#pragma once

#include "runtime/Controls.h"
#include "runtime/Form.h"

class QAction;
class QMenu;

// The maximum-bots window: a slider from 0 to 256 whose value Save writes
// into the game's AIDefault.ai and remembers in MaxBots.ini. It refuses to
// close; closing only hides it, so it keeps its state for the whole run.
class Form1 : public runtime::Form
{
    Q_OBJECT
public:
    static Form1& instance() { return instanceOf<Form1>(); }

    runtime::Slider* Slider1();
    runtime::Label* Label1(); // "Selected bots: " and the slider's value
    runtime::Label* Label2(); // "Default bots: 16"
    runtime::Label* Label3(); // the red warning
    runtime::CommandButton* Command1(); // hidden: Save
    runtime::CommandButton* Command2(); // hidden: Reset and Save
    runtime::TextBox* txtLoad(); // hidden: the path of MaxBots.ini
    runtime::TextBox* Text1(); // hidden: assembly buffer of AIDefault.ai
    runtime::TextBox* Text2(); // hidden: stock front piece
    runtime::TextBox* Text3(); // hidden: stock end piece

    QMenu* mnuFile();
    QAction* mnuFileSave();
    QAction* mnuFileReset();
    QMenu* mnuHelp();
    QAction* mnuHelpAbout();

    void Slider1_MouseMove();
    void Slider1_Change();
    void Command1_Click();
    void Command2_Click();
    void mnuFileSave_Click();
    void mnuFileReset_Click();
    void mnuHelpAbout_Click();

protected:
    void createControls(runtime::FormWindow& window) override;
    void releaseControls() override;
    void Form_Load() override;
    void Form_QueryUnload(int& cancel) override;

private:
    friend class runtime::Form;
    Form1();

    void showSelectedBots();
    void LoadIni(const QString& path);
    void SaveIni(const QString& path);

    runtime::Slider* m_Slider1 = nullptr;
    runtime::Label* m_Label1 = nullptr;
    runtime::Label* m_Label2 = nullptr;
    runtime::Label* m_Label3 = nullptr;
    runtime::CommandButton* m_Command1 = nullptr;
    runtime::CommandButton* m_Command2 = nullptr;
    runtime::TextBox* m_txtLoad = nullptr;
    runtime::TextBox* m_Text1 = nullptr;
    runtime::TextBox* m_Text2 = nullptr;
    runtime::TextBox* m_Text3 = nullptr;
    QMenu* m_mnuFile = nullptr;
    QAction* m_mnuFileSave = nullptr;
    QAction* m_mnuFileReset = nullptr;
    QMenu* m_mnuHelp = nullptr;
    QAction* m_mnuHelpAbout = nullptr;
};
