#include "TextEditorForm.h"

#include "runtime/Dialogs.h"
#include "runtime/Twips.h"
#include "runtime/files/FileServices.h"
#include "runtime/files/RuntimeError.h"
#include "shell/Form2.h"

using namespace runtime;

TextEditorForm::TextEditorForm(QString name, SearchTarget target)
    : Form(std::move(name))
    , m_target(target)
{
}

void TextEditorForm::Form_Load()
{
    restartSearch();
}

void TextEditorForm::fitTextBox()
{
    // 1. The box refuses a negative size; that dimension stays as it was.
    // 2. Width: the outer width less 100 twips.
    const int boxWidth = width() - 100;
    if (boxWidth >= 0)
        rtb()->resize(toPixels(boxWidth), rtb()->height());
    // 3. Height: the outer height less 800 twips.
    const int boxHeight = height() - 800;
    if (boxHeight >= 0)
        rtb()->resize(rtb()->width(), toPixels(boxHeight));
}

void TextEditorForm::openSearch()
{
    frmSearch& search = frmSearch::instance();
    search.setEditor(m_target, *this);
    // 1. The search window, modeless, owned by this editor.
    search.show(this);
    // 2. This editor's option makes it the target.
    search.option(m_target)->setValue(true);
}

void TextEditorForm::restartSearch()
{
    frmSearch::instance().restart(m_target);
}

void TextEditorForm::loadBaseGameFile(const QString& file)
{
    try {
        rtb()->loadFile(Form2::instance().Dir1()->path() + QStringLiteral("\\mods\\bf2142") + file);
    } catch (const RuntimeError& error) {
        rtb()->setText(QString());
        Dialogs::reportFailure(error.text());
    }
}

void TextEditorForm::saveModFile(const QString& file)
{
    const QString path = Form2::instance().Dir1()->path() + QStringLiteral("\\mods\\")
        + Form2::instance().Text1()->text() + file;
    try {
        Files::writeWholeText(path, rtb()->text());
    } catch (const RuntimeError& error) {
        Dialogs::reportFailure(error.text());
    }
}
