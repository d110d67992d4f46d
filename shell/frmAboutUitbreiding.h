#pragma once

#include "runtime/Controls.h"
#include "runtime/Form.h"

// The about box's side panel: a narrow borderless window showing a banner
// picture. Its load puts the about box against its right edge; it grows
// downward twice as fast as the about box and reveals it when done.
class frmAboutUitbreiding : public runtime::Form
{
    Q_OBJECT
public:
    static frmAboutUitbreiding& instance() { return instanceOf<frmAboutUitbreiding>(); }

    runtime::FormControl<runtime::Timer> Timer1{this};

    void Timer1_Timer();

protected:
    void createControls(runtime::FormWindow& window) override;
    void Form_Load() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class runtime::Form;
    frmAboutUitbreiding();
};
