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

    runtime::FormControl<runtime::Slider> Slider1{this};
    runtime::FormControl<runtime::Label> Label1{this}; // "Selected bots: " and the slider's value
    runtime::FormControl<runtime::Label> Label2{this}; // "Default bots: 16"
    runtime::FormControl<runtime::Label> Label3{this}; // the red warning
    runtime::FormControl<runtime::CommandButton> Command1{this}; // hidden: Save
    runtime::FormControl<runtime::CommandButton> Command2{this}; // hidden: Reset and Save
    runtime::FormControl<runtime::TextBox> txtLoad{this}; // hidden: the path of MaxBots.ini
    runtime::FormControl<runtime::TextBox> Text1{this}; // hidden: assembly buffer of AIDefault.ai
    runtime::FormControl<runtime::TextBox> Text2{this}; // hidden: stock front piece
    runtime::FormControl<runtime::TextBox> Text3{this}; // hidden: stock end piece

    runtime::FormControl<QMenu> mnuFile{this};
    runtime::FormControl<QAction> mnuFileSave{this};
    runtime::FormControl<QAction> mnuFileReset{this};
    runtime::FormControl<QMenu> mnuHelp{this};
    runtime::FormControl<QAction> mnuHelpAbout{this};

    void Slider1_MouseMove();
    void Slider1_Change();
    void Command1_Click();
    void Command2_Click();
    void mnuFileSave_Click();
    void mnuFileReset_Click();
    void mnuHelpAbout_Click();

protected:
    void createControls(runtime::FormWindow& window) override;
    void Form_Load() override;
    void Form_QueryUnload(int& cancel) override;

private:
    friend class runtime::Form;
    Form1();

    void showSelectedBots();
    void LoadIni(const QString& path);
    void SaveIni(const QString& path);
};
