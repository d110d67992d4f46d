#include "frmIntro.h"

#include "runtime/Dialogs.h"
#include "runtime/ErrorModes.h"
#include "runtime/Resources.h"
#include "runtime/Twips.h"
#include "runtime/files/FileServices.h"
#include "shell/Form2.h"

#include <QRegularExpression>

#include <algorithm>

using namespace runtime;

namespace {

constexpr int ClientWidth = 2295;
constexpr int ClientHeight = 1695;

// A line of intro.ini as an option state: "True" or "False" in any letter
// case, or a number (zero is False, any other number True), blanks around
// allowed. Anything else, an empty line included, fails like any other
// read error.
bool toBoolean(const QString& line)
{
    const QString value = line.trimmed();
    if (value.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (value.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    if (!number.match(value).hasMatch())
        throw RuntimeError(QStringLiteral("\"%1\" is not True or False").arg(line));
    return value.toDouble() != 0.0;
}

QString toText(bool selected)
{
    return selected ? QStringLiteral("True") : QStringLiteral("False");
}

// Places an option at its design box, widened within the client area when
// the caption would not fit in the program's font.
void placeOption(OptionButton& option, int left, int top, int width, int height)
{
    placeControl(option, left, top, width, height);
    const int room = toPixels(ClientWidth) - option.x();
    if (option.sizeHint().width() > option.width())
        option.resize(std::min(option.sizeHint().width(), room), option.height());
}

} // namespace

frmIntro::frmIntro()
    : Form(QStringLiteral("frmIntro"))
{ }

void frmIntro::createControls(FormWindow& window)
{
    window.setWindowTitle(QStringLiteral("Remove Intro"));
    window.setBorderStyle(BorderStyle::FixedDialog);
    window.setClientSize(toPixels(ClientWidth), toPixels(ClientHeight));
    QWidget* client = window.client();

    cmdRemove = new CommandButton(QStringLiteral("Remove!"), client);
    placeControl(*cmdRemove(), 120, 1080, 2055, 495);

    optEscTrue = new OptionButton(QStringLiteral("Skip intro with Esc"), client);
    placeOption(*optEscTrue(), 120, 120, 1695, 255);
    optEscTrue()->setValue(true);
    optComplete = new OptionButton(QStringLiteral("Remove complete intro"), client);
    placeOption(*optComplete(), 120, 360, 1935, 255);
    optReset = new OptionButton(QStringLiteral("Reset"), client);
    placeOption(*optReset(), 120, 600, 735, 255);

    // Buffers beyond the right edge of the client area, never shown, so
    // they take neither focus nor input.
    txtEscTrue = new TextBox(stockText(QStringLiteral(":/stock/Intro_EscTrue.txt")), client);
    placeControl(*txtEscTrue(), 2880, 120, 1695, 285);
    txtComplete = new TextBox(stockText(QStringLiteral(":/stock/Intro_Complete.txt")), client);
    placeControl(*txtComplete(), 2880, 480, 1695, 285);
    txtReset = new TextBox(stockText(QStringLiteral(":/stock/Intro_Reset.txt")), client);
    placeControl(*txtReset(), 2880, 840, 1695, 285);
    Text1 = new TextBox(QStringLiteral("Text1"), client);
    placeControl(*Text1(), 2880, 1200, 1215, 285);
    for (TextBox* buffer : { txtEscTrue(), txtComplete(), txtReset(), Text1() }) {
        buffer->setFocusPolicy(Qt::NoFocus);
        buffer->hide();
    }

    window.setTabOrder({cmdRemove(), optEscTrue(), optComplete(), optReset()});

    connect(cmdRemove(), &QPushButton::clicked, this, &frmIntro::cmdRemove_Click);
}

void frmIntro::Form_Load()
{
    // 1. The options take the window's background colour.
    const QColor background = window()->palette().color(QPalette::Window);
    for (OptionButton* option : { optEscTrue(), optComplete(), optReset() }) {
        QPalette palette = option->palette();
        palette.setColor(QPalette::Window, background);
        option->setPalette(palette);
        option->setAutoFillBackground(true);
    }
    // 2. The settings file beside the program.
    Text1()->setText(Files::programFolder() + QStringLiteral("\\intro.ini"));
    // 3. From here on a failing step is skipped silently.
    // 4. The remembered options.
    skipOnError([this] { LoadIni(Text1()->text()); });
}

void frmIntro::LoadIni(const QString& path)
{
    // A failing line ends the reading; the reader releases the file at once,
    // so the next SaveIni can replace it.
    LineReader reader(path);
    optEscTrue()->setValue(toBoolean(reader.readLine()));
    optComplete()->setValue(toBoolean(reader.readLine()));
    optReset()->setValue(toBoolean(reader.readLine()));
    reader.close();
}

void frmIntro::SaveIni(const QString& path)
{
    LineWriter writer(path);
    writer.writeLine(toText(optEscTrue()->value()));
    writer.writeLine(toText(optComplete()->value()));
    writer.writeLine(toText(optReset()->value()));
    writer.close();
}

void frmIntro::cmdRemove_Click()
{
    // 1. The first selected option chooses its stock text.
    TextBox* chosen = nullptr;
    if (optEscTrue()->value())
        chosen = txtEscTrue();
    else if (optComplete()->value())
        chosen = txtComplete();
    else if (optReset()->value())
        chosen = txtReset();
    // 2. Replace the mod's Init.con. The write is atomic, so the old file
    //    stays whole when it fails; then intro.ini is left as it is too.
    // 3. With no option selected no game file is written.
    if (chosen) {
        Form2& location = Form2::instance();
        const QString path = location.Dir1()->path() + QStringLiteral("\\mods\\") + location.Text1()->text()
            + QStringLiteral("\\Init.con");
        try {
            Files::writeWholeText(path, chosen->text());
        } catch (const RuntimeError& error) {
            Dialogs::reportFailure(error.text());
            return;
        }
    }
    // 4. The settings file.
    try {
        SaveIni(Text1()->text());
    } catch (const RuntimeError& error) {
        Dialogs::reportFailure(error.text());
    }
    // 5. The window stays open with its selection.
}
