#include "frmScore2.h"

#include "runtime/Dialogs.h"
#include "runtime/ErrorModes.h"
#include "runtime/Resources.h"
#include "runtime/Twips.h"
#include "runtime/files/FileServices.h"
#include "runtime/files/WinPath.h"
#include "shell/Form2.h"

#include <QFileInfo>

using namespace runtime;

namespace {

// The stock scoring script without its lines 9 to 16 (the empty line after
// the head and the seven scoring constants), which Save generates.
struct StockPieces {
    QString front; // lines 1 to 8
    QString end;   // the first 28,000 characters of lines 17 to the end
    QString end2;  // the rest
};

constexpr qsizetype EndPieceLength = 28000;

// The position just after the `count`-th CR LF of the text.
qsizetype afterLines(const QString& text, int count)
{
    qsizetype position = 0;
    for (int line = 0; line < count; ++line)
        position = text.indexOf(QLatin1String("\r\n"), position) + 2;
    return position;
}

StockPieces stockPieces()
{
    const QString script = stockText(QStringLiteral(":/stock/scoringCommon.py"));
    const QString rest = script.mid(afterLines(script, 16));
    return {script.left(afterLines(script, 8)), rest.left(EndPieceLength), rest.mid(EndPieceLength)};
}

} // namespace

frmScore2::frmScore2()
    : Form(QStringLiteral("frmScore2"))
{
}

void frmScore2::createControls(FormWindow& window)
{
    window.setWindowTitle(QStringLiteral("Score Editor"));
    window.setBorderStyle(BorderStyle::FixedDialog);
    window.setClientSize(toPixels(1935), toPixels(3855));
    QWidget* client = window.client();

    // Row k: a label at left 120 and its value box at left 960, 360 twips apart.
    const struct {
        FormControl<Label>& label;
        const char* caption;
        int labelWidth;
        FormControl<TextBox>& box;
        const char* value;
    } rows[] = {
        {Label1, "Kill", 255, txtKill, "1"},         {Label2, "Teamkill", 735, txtTeamKill, "-3"},
        {Label3, "Suicide", 615, txtSuicide, "-2"},  {Label4, "Revive", 615, txtRevive, "1"},
        {Label5, "Heal", 375, txtHeal, "1"},         {Label6, "Resupply", 735, txtResupply, "1"},
        {Label7, "Repair", 495, txtRepair, "1"},
    };
    int top = 120;
    for (const auto& row : rows) {
        row.label = new Label(QString::fromLatin1(row.caption), client);
        placeControl(*row.label(), 120, top, row.labelWidth, 255);
        row.box = new TextBox(QString::fromLatin1(row.value), client);
        row.box()->setMaxLength(3);
        placeControl(*row.box(), 960, top, 855, 285);
        top += 360;
    }

    Command1 = new CommandButton(QStringLiteral("Save"), client);
    placeControl(*Command1(), 120, 2640, 1695, 495);
    Command2 = new CommandButton(QStringLiteral("Reset and Save"), client);
    placeControl(*Command2(), 120, 3240, 1695, 495);

    // "Save" first and focused, then the values from Kill to Repair, then
    // "Reset and Save".
    window.setTabOrder({Command1(), txtKill(), txtTeamKill(), txtSuicide(), txtRevive(), txtHeal(), txtResupply(),
                        txtRepair(), Command2()});

    const StockPieces stock = stockPieces();
    Text1 = new HiddenText(QStringLiteral("Text1"), client);
    txtVoorstuk = new HiddenText(stock.front, client);
    txtEinde = new HiddenText(stock.end, client);
    txtEinde2 = new HiddenText(stock.end2, client);
    txtFinal = new RichTextBox(QString(), client);
    txtFinal()->hide();

    connect(Command1(), &QPushButton::clicked, this, &frmScore2::Command1_Click);
    connect(Command2(), &QPushButton::clicked, this, &frmScore2::Command2_Click);
}

void frmScore2::Form_Load()
{
    // 1. The settings file beside the program.
    Text1()->setText(Files::programFolder() + QStringLiteral("\\Score.ini"));
    // 2. From here on a failing step is skipped silently: the remembered values.
    skipOnError([this] { LoadIni(Text1()->text()); });
}

std::array<TextBox*, 7> frmScore2::valueBoxes()
{
    return {txtKill(), txtTeamKill(), txtSuicide(), txtRevive(), txtHeal(), txtResupply(), txtRepair()};
}

void frmScore2::LoadIni(const QString& path)
{
    // 1. Open; 2. one line per box, kept whole; 3. close. A read that stops
    // early closes the file at once.
    LineReader reader(path);
    for (TextBox* box : valueBoxes())
        box->setText(reader.readLine());
    reader.close();
}

void frmScore2::SaveIni(const QString& path)
{
    // 1. Create; 2. one line per box; 3. close.
    LineWriter writer(path);
    for (TextBox* box : valueBoxes())
        writer.writeLine(box->text());
    writer.close();
}

void frmScore2::Command1_Click()
{
    // 1. The front piece and a lone CR (an empty line), the seven generated
    //    lines each closed by a lone CR, then the two end pieces.
    const QChar cr(u'\r');
    const QString text = txtVoorstuk()->text() + cr                                  //
        + QStringLiteral("SCORE_KILL = ") + txtKill()->text() + cr                   //
        + QStringLiteral("SCORE_TEAMKILL = ") + txtTeamKill()->text() + cr           //
        + QStringLiteral("SCORE_SUICIDE = ") + txtSuicide()->text() + cr             //
        + QStringLiteral("SCORE_REVIVE = ") + txtRevive()->text() + cr               //
        + QStringLiteral("SCORE_HEAL = ") + txtHeal()->text() + cr                   //
        + QStringLiteral("SCORE_RESUPPLY = ") + txtResupply()->text() + cr           //
        + QStringLiteral("SCORE_REPAIR = ") + txtRepair()->text() + cr               //
        + txtEinde()->text() + txtEinde2()->text();
    // 2. Through the rich text box.
    txtFinal()->setText(text);
    // 3. The mod's scoring script.
    Form2& location = Form2::instance();
    const QString path = location.Dir1()->path() + QStringLiteral("\\mods\\") + location.Text1()->text()
        + QStringLiteral("\\python\\game\\scoringCommon.py");
    // 4. Written whole, once every text of the save is known to fit its
    //    file (a line separator in a value passes the script as a line
    //    break, but not Score.ini); when it cannot be, the settings file is
    //    left as it is.
    try {
        Files::check8Bit(path, txtFinal()->text());
        for (TextBox* box : valueBoxes())
            Files::check8Bit(Text1()->text(), box->text());
        Files::writeWholeText(path, txtFinal()->text());
    } catch (const RuntimeError& error) {
        Dialogs::reportFailure(error.text());
        return;
    }
    // 5. The settings file.
    try {
        SaveIni(Text1()->text());
    } catch (const RuntimeError& error) {
        Dialogs::reportFailure(error.text());
    }
}

void frmScore2::Command2_Click()
{
    // 1. The settings file, under every name that differs from it only in
    //    letter case. Without one there is nothing to delete; one that
    //    stays would be read back by the reload, so the reset stops there.
    const QString settings = Files::programFolder() + QStringLiteral("\\score.ini");
    try {
        Files::deleteFile(settings);
    } catch (const RuntimeError& error) {
        if (QFileInfo::exists(WinPath::toHost(settings))) {
            Dialogs::reportFailure(error.text());
            return;
        }
    }
    // 2. Unload: the controls go with their values.
    unload();
    // 3. Loaded afresh with the design values, now without an owner.
    show();
    // 4. Save.
    Command1_Click();
}
