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

    runtime::Image* picIcon();
    runtime::Label* lblTitle();
    runtime::Label* lblVersion();
    runtime::Line* Line1(int index); // 0: white edge, 1: grey separator
    runtime::Label* Label1(); // contact address
    runtime::CommandButton* cmdOK();
    runtime::Timer* Timer1();

    void Timer1_Timer();
    void cmdOK_Click();

protected:
    void createControls(runtime::FormWindow& window) override;
    void releaseControls() override;

private:
    friend class runtime::Form;
    frmAbout();

    runtime::Image* m_picIcon = nullptr;
    runtime::Label* m_lblTitle = nullptr;
    runtime::Label* m_lblVersion = nullptr;
    std::array<runtime::Line*, 2> m_Line1 = {};
    runtime::Label* m_Label1 = nullptr;
    runtime::CommandButton* m_cmdOK = nullptr;
    runtime::Timer* m_Timer1 = nullptr;
};
