#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <initializer_list>

#include "FormControl.h"

#include <map>
#include <memory>
#include <typeindex>
#include <vector>

class QMenuBar;
class QVBoxLayout;

namespace runtime {

class Form;

enum class BorderStyle {
    None,            // no border, no title bar
    FixedDialog,     // title bar with close box, not sizable
    FixedToolWindow, // narrow title bar with close box, not sizable, no taskbar button
    Sizable,         // title bar with minimise, maximise and close boxes
};

enum class StartPosition {
    WindowsDefault, // where the window system places a new window
    CenterScreen,
    Manual,         // the design position
};

// The top-level widget of a loaded form: an optional menu bar above the
// client area, in which the controls stand at their twips positions.
class FormWindow : public QWidget
{
    Q_OBJECT
public:
    explicit FormWindow(Form& form);

    QWidget* client() const { return m_client; }
    QMenuBar* menuBar();
    bool isFixedSize() const { return m_fixedSize; }
    void setBorderStyle(BorderStyle style);
    void setClientSize(int widthPixels, int heightPixels);
    // The order in which Tab visits the window's controls, Shift+Tab the
    // other way; from the last control Tab comes round to the first. A
    // control takes the focus in its focus-taking part (a value box in its
    // inner editor); a hidden or disabled one is passed over. The first
    // control has the focus when the window opens, and a text box with
    // other controls beside it passes Tab on instead of typing it.
    void setTabOrder(std::initializer_list<QWidget*> controls);

Q_SIGNALS:
    void mouseMoved();

protected:
    bool focusNextPrevChild(bool next) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    Form& m_form;
    QVBoxLayout* m_layout;
    QWidget* m_client;
    QMenuBar* m_menuBar = nullptr;
    bool m_fixedSize = true;
    QSize m_outerSize; // frame included, as at the last resize handling
    std::vector<QPointer<QWidget>> m_tabOrder;
};

// A window class with one instance for the whole run. Loading builds the
// controls at their design values and runs Form_Load; unloading destroys
// them, so the next load starts from the design values again. Members that
// are not controls live on the instance and survive an unload.
//
// Subclasses declare their controls as FormControl members, whose call
// loads the form first, so a reference to a control of an unloaded window
// loads it.
class Form : public QObject
{
    Q_OBJECT
public:
    ~Form() override;

    template <typename T>
    static T& instanceOf()
    {
        std::unique_ptr<Form>& slot = registry()[std::type_index(typeid(T))];
        if (!slot)
            slot.reset(new T);
        return static_cast<T&>(*slot);
    }
    // Destroys every instance without any close or unload handling: the end
    // of the run, and a fresh start between tests.
    static void destroyAll();
    static bool anyLoaded();
    // The program ends when its last loaded window is unloaded.
    static void setQuitWhenNoneLoaded(bool quit);

    bool isLoaded() const { return m_window != nullptr; }
    void load();
    // Asks Form_QueryUnload first; returns false when the form refused.
    bool unload();

    // Loads when needed and makes the window visible, modeless; with an
    // owner it stays in front of the owner. Without one, a window that is
    // already loaded keeps the owner it has.
    void show(Form* owner = nullptr);
    void hide();
    void setVisible(bool visible);
    bool isVisible() const;

    // Outer position and size in twips; reading or setting loads the form.
    int left();
    int top();
    int width();
    int height();
    void setLeft(int twips);
    void setTop(int twips);
    void setWidth(int twips);
    void setHeight(int twips);

    FormWindow* window();
    const QString& name() const { return m_name; }

protected:
    explicit Form(QString name);

    void ensureLoaded()
    {
        if (!isLoaded())
            load();
    }

    // Builds the window's controls at their design values.
    virtual void createControls(FormWindow& window) = 0;

    virtual void Form_Load() {}
    virtual void Form_QueryUnload(int& cancel) { Q_UNUSED(cancel); }
    virtual void Form_Resize() {}

    void setStartPosition(StartPosition position) { m_startPosition = position; }

private:
    friend class FormWindow;
    friend class FormControlBase;
    void onCloseRequest();
    void onResized();
    void placeForFirstShow();

    static std::map<std::type_index, std::unique_ptr<Form>>& registry();
    static bool s_quitWhenNoneLoaded;

    QString m_name;
    FormWindow* m_window = nullptr;
    std::vector<FormControlBase*> m_controls; // cleared at each unload
    StartPosition m_startPosition = StartPosition::WindowsDefault;
    bool m_placed = false;
    // Twips last set, kept so that a size or position read back after a set
    // gives the exact value while the window still has the matching pixels.
    int m_leftTwips = -1;
    int m_topTwips = -1;
    int m_widthTwips = -1;
    int m_heightTwips = -1;
};

} // namespace runtime
