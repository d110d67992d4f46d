#pragma once

#include "runtime/ChoiceControls.h"
#include "runtime/Controls.h"
#include "runtime/Form.h"
#include "runtime/HiddenText.h"
#include "runtime/RichTextBox.h"

#include <array>

// The strategy editor: three values for each of the four basic bot
// strategies, on four tabs. Save assembles the mod's AIDefaultStrategies.ai
// from five stock pieces and the values, and remembers the values in
// strategies.ini; "Reset and Save" writes the stock script, forgets the
// values and shows the window afresh. The values are plain text, never
// tested or converted. Closing the window unloads it.
class frmStrategies : public runtime::Form
{
    Q_OBJECT
public:
    static frmStrategies& instance() { return instanceOf<frmStrategies>(); }

    runtime::FormControl<runtime::TabControl> SSTab1{this};
    runtime::FormControl<runtime::CommandButton> Command1{this}; // "Save"
    runtime::FormControl<runtime::CommandButton> Command2{this}; // "Reset and Save"
    runtime::FormControl<runtime::Label> Label13{this};          // the red warning

    // "Attack Enemy Base"
    runtime::FormControl<runtime::Label> Label1{this};
    runtime::FormControl<runtime::Label> Label2{this};
    runtime::FormControl<runtime::Label> Label3{this};
    runtime::FormControl<runtime::TextBox> txtAttackEnemyAgression{this};
    runtime::FormControl<runtime::TextBox> txtAttackEnemyAttacks{this};
    runtime::FormControl<runtime::TextBox> txtAttackEnemyDefences{this};
    // "Attack Neutral Base"
    runtime::FormControl<runtime::Label> Label4{this};
    runtime::FormControl<runtime::Label> Label5{this};
    runtime::FormControl<runtime::Label> Label6{this};
    runtime::FormControl<runtime::TextBox> txtAttackNeutralAgression{this};
    runtime::FormControl<runtime::TextBox> txtAttackNeutralAttacks{this};
    runtime::FormControl<runtime::TextBox> txtAttackNeutralDefences{this};
    // "Guard"
    runtime::FormControl<runtime::Label> Label7{this};
    runtime::FormControl<runtime::Label> Label8{this};
    runtime::FormControl<runtime::Label> Label9{this};
    runtime::FormControl<runtime::TextBox> txtGuardAgression{this};
    runtime::FormControl<runtime::TextBox> txtGuardAttacks{this};
    runtime::FormControl<runtime::TextBox> txtGuardDefences{this};
    // "Defend"
    runtime::FormControl<runtime::Label> Label10{this};
    runtime::FormControl<runtime::Label> Label11{this};
    runtime::FormControl<runtime::Label> Label12{this};
    runtime::FormControl<runtime::TextBox> txtDefendAgression{this};
    runtime::FormControl<runtime::TextBox> txtDefendAttacks{this};
    runtime::FormControl<runtime::TextBox> txtDefendDefences{this};

    runtime::FormControl<runtime::TextBox> Text1{this};          // hidden: the path of strategies.ini
    runtime::FormControl<runtime::HiddenText> txtReset{this}; // hidden: the stock strategy script
    runtime::FormControl<runtime::HiddenText> txtVoorstuk{this}; // hidden: front piece
    runtime::FormControl<runtime::HiddenText> txtTussenstuk1{this}; // hidden: middle pieces
    runtime::FormControl<runtime::HiddenText> txtTussenstuk2{this};
    runtime::FormControl<runtime::HiddenText> txtTussenstuk3{this};
    runtime::FormControl<runtime::HiddenText> txtEinde{this}; // hidden: end piece
    runtime::FormControl<runtime::RichTextBox> txtFinal{this};   // hidden: the text a write sends

    void Command1_Click();
    void Command2_Click();

protected:
    void createControls(runtime::FormWindow& window) override;
    void Form_Load() override;

private:
    friend class runtime::Form;
    frmStrategies();

    void LoadIni(const QString& path);
    void SaveIni(const QString& path);

    // The twelve value boxes in the order of the lines of strategies.ini.
    std::array<runtime::TextBox*, 12> settingsOrder();
    QString valueBlock(runtime::TextBox* agression, runtime::TextBox* attacks, runtime::TextBox* defences);
    QString gameFilePath();
    // Fails, naming the file and the character, when a text of a save
    // cannot be written: the game file's, then each line of strategies.ini.
    void check8BitTexts();
};
