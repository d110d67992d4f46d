#include "TextEditorForm.h"

#include "runtime/Twips.h"

using namespace runtime;

TextEditorForm::TextEditorForm(QString name, SearchTarget target)
    : Form(std::move(name))
    , m_target(target)
{
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
