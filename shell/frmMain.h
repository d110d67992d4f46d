#pragma once

#include "runtime/Controls.h"
#include "runtime/Form.h"

#include <array>

// The main menu: a borderless picture window whose labels act as links.
// The label under the pointer is drawn red, the other link labels black.
class frmMain : public runtime::Form
{
    Q_OBJECT
public:
    static frmMain& instance() { return instanceOf<frmMain>(); }

    runtime::FormControl<runtime::Label> Label1{this};  // "Change Max Bots"
    runtime::FormControl<runtime::Label> Label2{this};  // "X"
    runtime::FormControl<runtime::Label> Label3{this};  // contact address
    runtime::FormControl<runtime::Label> Label4{this};  // "Tweak Editor"
    runtime::FormControl<runtime::Label> Label5{this};  // "Change Bot Names"
    runtime::FormControl<runtime::Label> Label6{this};  // "Score Editor"
    runtime::FormControl<runtime::Label> Label7{this};  // "Remove intro"
    runtime::FormControl<runtime::Label> Label8{this};  // version, hidden
    runtime::FormControl<runtime::Label> Label9{this};  // "Forum"
    runtime::FormControl<runtime::Label> Label10{this}; // "Change Bot Strategies"
    runtime::FormControl<runtime::Label> Label11{this}; // "Change mod / BF2142 path"
    runtime::FormControl<runtime::Image> Image1{this};  // logo

    void Form_MouseMove();
    void Label1_MouseMove();
    void Label2_MouseMove();
    void Label4_MouseMove();
    void Label5_MouseMove();
    void Label6_MouseMove();
    void Label7_MouseMove();
    void Label9_MouseMove();
    void Label10_MouseMove();
    void Label11_MouseMove();

    void Label1_Click();
    void Label2_Click();
    void Label4_Click();
    void Label5_Click();
    void Label6_Click();
    void Label7_Click();
    void Label9_Click();
    void Label10_Click();
    void Label11_Click();
    void Image1_Click();

protected:
    void createControls(runtime::FormWindow& window) override;
    void Form_QueryUnload(int& cancel) override;

private:
    friend class runtime::Form;
    frmMain();

    runtime::Label* makeLink(const QString& caption, int top, int width, QWidget* client);
    // Draws `hovered` red and every other link label black; nullptr draws
    // all of them black.
    void highlight(runtime::Label* hovered);
    std::array<runtime::Label*, 9> linkLabels();
};
