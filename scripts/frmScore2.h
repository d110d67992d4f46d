#pragma once

#include "runtime/Controls.h"
#include "runtime/Form.h"
#include "runtime/HiddenText.h"
#include "runtime/RichTextBox.h"

#include <array>

// The score editor: seven scoring values from which Save assembles the
// selected mod's scoringCommon.py (the stock script's head, seven generated
// lines and the rest of the stock script) and which it remembers in
// Score.ini beside the program.
class frmScore2 : public runtime::Form
{
    Q_OBJECT
public:
    static frmScore2& instance() { return instanceOf<frmScore2>(); }

    runtime::FormControl<runtime::Label> Label1{this}; // "Kill"
    runtime::FormControl<runtime::Label> Label2{this}; // "Teamkill"
    runtime::FormControl<runtime::Label> Label3{this}; // "Suicide"
    runtime::FormControl<runtime::Label> Label4{this}; // "Revive"
    runtime::FormControl<runtime::Label> Label5{this}; // "Heal"
    runtime::FormControl<runtime::Label> Label6{this}; // "Resupply"
    runtime::FormControl<runtime::Label> Label7{this}; // "Repair"
    runtime::FormControl<runtime::TextBox> txtKill{this};
    runtime::FormControl<runtime::TextBox> txtTeamKill{this};
    runtime::FormControl<runtime::TextBox> txtSuicide{this};
    runtime::FormControl<runtime::TextBox> txtRevive{this};
    runtime::FormControl<runtime::TextBox> txtHeal{this};
    runtime::FormControl<runtime::TextBox> txtResupply{this};
    runtime::FormControl<runtime::TextBox> txtRepair{this};
    runtime::FormControl<runtime::CommandButton> Command1{this}; // "Save"
    runtime::FormControl<runtime::CommandButton> Command2{this}; // "Reset and Save"
    runtime::FormControl<runtime::HiddenText> Text1{this}; // hidden: the path of Score.ini
    runtime::FormControl<runtime::HiddenText> txtVoorstuk{this}; // hidden: stock front piece
    runtime::FormControl<runtime::HiddenText> txtEinde{this}; // hidden: stock end piece
    runtime::FormControl<runtime::HiddenText> txtEinde2{this}; // hidden: stock second end piece
    runtime::FormControl<runtime::RichTextBox> txtFinal{this};   // hidden: the assembled script

    void Command1_Click();
    void Command2_Click();

protected:
    void createControls(runtime::FormWindow& window) override;
    void Form_Load() override;

private:
    friend class runtime::Form;
    frmScore2();

    void LoadIni(const QString& path);
    void SaveIni(const QString& path);

    // The seven value boxes, from Kill to Repair: the lines of Score.ini.
    std::array<runtime::TextBox*, 7> valueBoxes();
};
