#pragma once

#include <QObject>

namespace runtime {

class Form;

// The untyped half of a control member: what its form needs to forget it.
class FormControlBase
{
public:
    FormControlBase(const FormControlBase&) = delete;
    FormControlBase& operator=(const FormControlBase&) = delete;

protected:
    explicit FormControlBase(Form* form);
    ~FormControlBase() = default;
    // Loads the form when it is not loaded.
    void loadForm();

    Form* m_form;
    QObject* m_object = nullptr;

private:
    friend class Form;
};

// A control (or menu, or menu item) of a form, declared once as a member:
//
//     runtime::FormControl<runtime::Slider> Slider1{this};
//
// `Slider1()` loads the form when it is not loaded (so referring to a
// control of an unloaded window loads it, with its design values) and then
// returns the control. The form's createControls() sets it once
// (`Slider1 = new Slider(client);`); unloading the form clears it.
template <typename T>
class FormControl : public FormControlBase
{
public:
    explicit FormControl(Form* form)
        : FormControlBase(form)
    {
    }

    T* operator()()
    {
        loadForm();
        return static_cast<T*>(m_object);
    }

    FormControl& operator=(T* control)
    {
        m_object = control;
        return *this;
    }
};

} // namespace runtime
