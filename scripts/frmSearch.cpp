#include "frmSearch.h"

#include "TextEditorForm.h"
#include "runtime/Dialogs.h"
#include "runtime/RichTextBox.h"
#include "runtime/Twips.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

using namespace runtime;

namespace {

// Keeps a held Enter in the search box or on "Find Next": its first press
// runs Find Next,
// which hands the focus to the editor, and the key's auto-repeat must not
// follow it there, where it would replace the selected match (or close the
// "Nothing found!" message at once). An auto-repeated press is one marked
// so, or one stamped with the time of the release just before it, which is
// how the window system sends a repeat that was not recognised as one.
class EnterRepeatGuard : public QObject
{
public:
    EnterRepeatGuard(QWidget* searchBox, QWidget* findNext, QObject* parent)
        : QObject(parent)
        , m_searchBox(searchBox)
        , m_findNext(findNext)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        if (event->type() == QEvent::KeyRelease) {
            m_releaseTime = key->timestamp();
            return false;
        }
        if (key->isAutoRepeat() || (m_releaseTime != 0 && key->timestamp() == m_releaseTime))
            return m_heldFromSearchBox;
        // A press reaches the window first, then the focused box.
        if (watched == m_searchBox || watched == m_findNext)
            m_heldFromSearchBox = true;
        else if (watched->isWindowType())
            m_heldFromSearchBox = false;
        return false;
    }

private:
    QWidget* m_searchBox;
    QWidget* m_findNext;
    bool m_heldFromSearchBox = false;
    quint64 m_releaseTime = 0;
};

} // namespace

frmSearch::frmSearch()
    : Form(QStringLiteral("frmSearch"))
{
}

void frmSearch::createControls(FormWindow& window)
{
    window.setWindowTitle(QStringLiteral(" Search"));
    window.setBorderStyle(BorderStyle::FixedToolWindow);
    window.setClientSize(toPixels(2535), toPixels(975));
    // The design position is that of the client area's top-left corner.
    setStartPosition(StartPosition::Manual);
    window.setGeometry(QRect(QPoint(toPixels(10755), toPixels(3390)), window.size()));
    QWidget* client = window.client();

    Text1 = new TextBox(QString(), client);
    placeControl(*Text1(), 120, 120, 2295, 285);
    Command1 = new CommandButton(QStringLiteral("Find Next"), client);
    placeControl(*Command1(), 120, 480, 2295, 375);
    // "Find Next", then the search box, which has the focus when the window
    // opens, so the user can type at once.
    window.setTabOrder({Command1(), Text1()});
    Text1()->setFocus();

    // The target selector: one group, none selected, right of the client
    // area's edge so the user never sees it, and out of the keyboard's reach.
    optTweak = new OptionButton(QStringLiteral("Tweak"), client);
    placeControl(*optTweak(), 2760, 120, 1215, 195);
    optBotNames = new OptionButton(QStringLiteral("Bot Names"), client);
    placeControl(*optBotNames(), 2760, 360, 1215, 195);
    optScore = new OptionButton(QStringLiteral("Score"), client);
    placeControl(*optScore(), 2760, 600, 1215, 255);
    for (OptionButton* option : {optTweak(), optBotNames(), optScore()})
        option->setFocusPolicy(Qt::NoFocus);

    new EnterRepeatGuard(Text1()->editor(), Command1(), &window);

    connect(Command1(), &QPushButton::clicked, this, &frmSearch::Command1_Click);
    connect(Text1(), &TextBox::keyPress, this, &frmSearch::Text1_KeyPress);
}

void frmSearch::Form_Load()
{
    Text1()->setText(QString());
    // A search window opened afresh starts every search at the beginning.
    m_lastMatch.fill(0);
}

OptionButton* frmSearch::option(SearchTarget target)
{
    switch (target) {
    case SearchTarget::Tweak:
        return optTweak();
    case SearchTarget::BotNames:
        return optBotNames();
    case SearchTarget::Score:
        return optScore();
    }
    return nullptr;
}

void frmSearch::setEditor(SearchTarget target, TextEditorForm& editor)
{
    m_editors.at(index(target)) = &editor;
}

void frmSearch::restart(SearchTarget target)
{
    m_lastMatch.at(index(target)) = 0;
}

std::optional<SearchTarget> frmSearch::chosenTarget()
{
    for (const SearchTarget target : {SearchTarget::Tweak, SearchTarget::BotNames, SearchTarget::Score}) {
        if (option(target)->value())
            return target;
    }
    return std::nullopt;
}

void frmSearch::Command1_Click()
{
    // 1. The target: the first selected option, tweak, bot names, score.
    const std::optional<SearchTarget> target = chosenTarget();
    TextEditorForm* editor = target ? m_editors.at(index(*target)).data() : nullptr;
    if (!editor)
        return;
    // The target window is shown first, so that its box can take the focus;
    // one that was closed loads again here, and its load starts its search
    // at the beginning.
    editor->show();
    int& lastMatch = m_lastMatch.at(index(*target));
    RichTextBox* box = editor->rtb();
    // 2. The working position.
    int position = lastMatch;
    // 3. The focus.
    box->focus();
    // 4. The caret to the start.
    box->setSelStart(0);
    // 5. The next match, one character after the previous one.
    const QString what = Text1()->text();
    position = box->find(what, position) + 1;
    if (position < 1) {
        // 6. Nothing found: the caret stays at the start.
        Dialogs::msgBox(QStringLiteral("Nothing found!"), MsgBoxStyle::OkOnly | MsgBoxStyle::Information,
                        QStringLiteral("Sorvane"));
    } else {
        // 7. Select the match.
        lastMatch = position;
        box->setSelStart(position - 1);
        box->setSelLength(static_cast<int>(what.size()));
    }
    // 8. The editor to the front, keeping its owner.
    editor->show();
}

void frmSearch::Text1_KeyPress(int keyAscii)
{
    if (keyAscii == 13)
        Command1_Click();
}
