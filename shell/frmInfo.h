#pragma once

#include "runtime/Controls.h"
#include "runtime/Form.h"
#include "runtime/WebBrowser.h"

// The forum window: the project's forum page in a browser that follows the
// window's size.
class frmInfo : public runtime::Form
{
    Q_OBJECT
public:
    static frmInfo& instance() { return instanceOf<frmInfo>(); }

    runtime::FormControl<runtime::WebBrowser> wb{this};
    runtime::FormControl<runtime::Label> Label1{this}; // "Forum Address: " and the address

protected:
    void createControls(runtime::FormWindow& window) override;
    void Form_Load() override;
    void Form_Resize() override;

private:
    friend class runtime::Form;
    frmInfo();

    int outerWidth();
    int outerHeight();
};
