#include "frmInfo.h"

#include "runtime/ErrorModes.h"
#include "runtime/Twips.h"

using namespace runtime;

namespace {

// What the label shows and what the browser opens, each set on its own.
const QString ForumAddressText = QStringLiteral("https://example.org/sorvane");
const QString ForumPage = QStringLiteral("https://example.org/sorvane");

// The frame the window was designed with (caption bar and borders), in
// twips. Window managers draw frames of their own, or none at all, so the
// outer size is taken as the client size plus this frame: the browser then
// keeps its design margins whatever the window manager.
constexpr int DesignFrameWidth = 110;
constexpr int DesignFrameHeight = 510;

} // namespace

frmInfo::frmInfo()
    : Form(QStringLiteral("frmInfo"))
{
}

void frmInfo::createControls(FormWindow& window)
{
    window.setWindowTitle(QStringLiteral("Editor Info"));
    window.setBorderStyle(BorderStyle::Sizable);
    window.setClientSize(toPixels(12255), toPixels(8655));
    QWidget* client = window.client();

    wb = new WebBrowser(client);
    placeControl(*wb(), 120, 720, 12015, 7815);
    Label1 = new Label(QStringLiteral("Forum Address: ") + ForumAddressText, client);
    placeControl(*Label1(), 120, 240, 3855, 255);
}

void frmInfo::Form_Load()
{
    // 1. The forum page.
    wb()->navigate(ForumPage);
}

int frmInfo::outerWidth()
{
    const int frame = toTwips(window()->frameGeometry().width() - window()->width());
    return width() - frame + DesignFrameWidth;
}

int frmInfo::outerHeight()
{
    const int frame = toTwips(window()->frameGeometry().height() - window()->height());
    return height() - frame + DesignFrameHeight;
}

void frmInfo::Form_Resize()
{
    // 1. From here on a failing step is skipped.
    // 2. The width.
    skipOnError([this] { wb()->setWidth(outerWidth() - 350); });
    // 3. The height.
    skipOnError([this] { wb()->setHeight(outerHeight() - 1350); });
}
