#pragma once

#include "runtime/Controls.h"
#include "runtime/Form.h"

#include <array>

// The about box: the program's name, version, icon and contact address above
// an "OK" button. It opens as a strip 90 twips high and grows downward on its
// own timer until all its controls are in view.
class frmAbout : public runtime::Form
{
    Q_OBJECT
public:
    static frmAbout& instance() { return instanceOf<frmAbout>(); }

    runtime::FormControl<runtime::Image> picIcon{this};
    runtime::FormControl<runtime::Label> lblTitle{this};
    runtime::FormControl<runtime::Label> lblVersion{this};
    runtime::Line* Line1(int index); // 0: white edge, 1: grey separator
    runtime::FormControl<runtime::Label> Label1{this}; // contact address
    runtime::FormControl<runtime::CommandButton> cmdOK{this};
    runtime::FormControl<runtime::Timer> Timer1{this};

    void Timer1_Timer();
    void cmdOK_Click();

protected:
    void createControls(runtime::FormWindow& window) override;

private:
    friend class runtime::Form;
    frmAbout();
    std::array<runtime::FormControl<runtime::Line>, 2> m_Line1 = {runtime::FormControl<runtime::Line>{this},
                                                                 runtime::FormControl<runtime::Line>{this}};
};
