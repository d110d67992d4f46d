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

    runtime::Label* Label1();  // "Change Max Bots"
    runtime::Label* Label2();  // "X"
    runtime::Label* Label3();  // contact address
    runtime::Label* Label4();  // "Tweak Editor"
    runtime::Label* Label5();  // "Change Bot Names"
    runtime::Label* Label6();  // "Score Editor"
    runtime::Label* Label7();  // "Remove intro"
    runtime::Label* Label8();  // version, hidden
    runtime::Label* Label9();  // "Forum"
    runtime::Label* Label10(); // "Change Bot Strategies"
    runtime::Label* Label11(); // "Change mod / BF2142 path"
    runtime::Image* Image1();  // logo

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
    void releaseControls() override;
    void Form_QueryUnload(int& cancel) override;

private:
    friend class runtime::Form;
    frmMain();

    runtime::Label* makeLink(const QString& caption, int top, int width, QWidget* client);
    // Draws `hovered` red and every other link label black; nullptr draws
    // all of them black.
    void highlight(runtime::Label* hovered);
    std::array<runtime::Label*, 9> linkLabels();

    runtime::Label* m_Label1 = nullptr;
    runtime::Label* m_Label2 = nullptr;
    runtime::Label* m_Label3 = nullptr;
    runtime::Label* m_Label4 = nullptr;
    runtime::Label* m_Label5 = nullptr;
    runtime::Label* m_Label6 = nullptr;
    runtime::Label* m_Label7 = nullptr;
    runtime::Label* m_Label8 = nullptr;
    runtime::Label* m_Label9 = nullptr;
    runtime::Label* m_Label10 = nullptr;
    runtime::Label* m_Label11 = nullptr;
    runtime::Image* m_Image1 = nullptr;
};
