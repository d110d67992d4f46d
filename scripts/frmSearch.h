#pragma once

#include "runtime/ChoiceControls.h"
#include "runtime/Controls.h"
#include "runtime/Form.h"

#include <QPointer>

#include <array>
#include <optional>

class TextEditorForm;

// The editors the search window can search, in the order in which
// Find Next tests their options.
enum class SearchTarget { Tweak, BotNames, Score };

// A small tool window with a search box and "Find Next", which selects the
// next match of the search text in its target editor, ignoring case. The
// target is chosen by three hidden options that the editors select when
// they open the window; each target keeps its own last match, on the
// instance, so it outlives the window's unload.
class frmSearch : public runtime::Form
{
    Q_OBJECT
public:
    static frmSearch& instance() { return instanceOf<frmSearch>(); }

    runtime::FormControl<runtime::TextBox> Text1{this};
    runtime::FormControl<runtime::CommandButton> Command1{this}; // "Find Next"
    runtime::FormControl<runtime::OptionButton> optTweak{this};
    runtime::FormControl<runtime::OptionButton> optBotNames{this};
    runtime::FormControl<runtime::OptionButton> optScore{this};

    void Command1_Click();
    void Text1_KeyPress(int keyAscii);

    // The option that makes `target` the search target.
    runtime::OptionButton* option(SearchTarget target);
    // The editor window of `target`; each editor sets its own when it opens
    // the search window.
    void setEditor(SearchTarget target, TextEditorForm& editor);
    // The target's text was replaced whole: its next search starts at the
    // start of the text.
    void restart(SearchTarget target);
    // 1-based position of the target's last match; 0 while there is none.
    int lastMatch(SearchTarget target) const { return m_lastMatch.at(index(target)); }

protected:
    void createControls(runtime::FormWindow& window) override;
    void Form_Load() override;

private:
    friend class runtime::Form;
    frmSearch();

    static std::size_t index(SearchTarget target) { return static_cast<std::size_t>(target); }
    std::optional<SearchTarget> chosenTarget();

    std::array<QPointer<TextEditorForm>, 3> m_editors;
    std::array<int, 3> m_lastMatch{};
};
