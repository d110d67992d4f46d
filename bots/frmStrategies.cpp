#include "frmStrategies.h"

#include "runtime/Dialogs.h"
#include "runtime/ErrorModes.h"
#include "runtime/Resources.h"
#include "runtime/Twips.h"
#include "runtime/files/FileServices.h"
#include "shell/Form2.h"

using namespace runtime;

namespace {

// The tops of the three rows of every tab.
constexpr int RowTops[] = {600, 960, 1320};

// One tab's three rows, each a label at the left and its value box with
// its design value (one character of `designValues`).
void makeRows(QWidget* page, FormControl<Label>& agressionLabel, FormControl<Label>& attackLabel,
              FormControl<Label>& defenceLabel, FormControl<TextBox>& agression, FormControl<TextBox>& attacks,
              FormControl<TextBox>& defences, const char (&designValues)[4])
{
    const QString captions[] = {QStringLiteral("Agression:"), QStringLiteral("Attack:"), QStringLiteral("Defence:")};
    FormControl<Label>* labels[] = {&agressionLabel, &attackLabel, &defenceLabel};
    FormControl<TextBox>* boxes[] = {&agression, &attacks, &defences};
    for (int row = 0; row < 3; ++row) {
        auto* label = new Label(captions[row], page);
        placeControl(*label, 120, RowTops[row], 1695, 255);
        *labels[row] = label;
        auto* box = new TextBox(QString(QLatin1Char(designValues[row])), page);
        placeControl(*box, 1920, RowTops[row], 975, 285);
        *boxes[row] = box;
    }
}

// Runs one step of a write; a failure is reported and ends the handler.
template <typename Step>
bool writeSucceeds(Step&& step)
{
    try {
        step();
    } catch (const RuntimeError& error) {
        Dialogs::reportFailure(error.text());
        return false;
    }
    return true;
}

HiddenText* makeStockBox(const QString& resource, QWidget* client)
{
    return new HiddenText(stockText(resource), client);
}

} // namespace

frmStrategies::frmStrategies()
    : Form(QStringLiteral("frmStrategies"))
{
}

void frmStrategies::createControls(FormWindow& window)
{
    window.setWindowTitle(QStringLiteral("Bot Strategie editor"));
    window.setBorderStyle(BorderStyle::FixedDialog);
    window.setClientSize(toPixels(7575), toPixels(2415));
    QWidget* client = window.client();

    SSTab1 = new TabControl({QStringLiteral("Attack Enemy Base"), QStringLiteral("Attack Neutral Base"),
                             QStringLiteral("Guard"), QStringLiteral("Defend")},
                            client);
    placeControl(*SSTab1(), 0, 0, 7605, 1815);

    makeRows(SSTab1()->page(0), Label1, Label2, Label3, txtAttackEnemyAgression, txtAttackEnemyAttacks,
             txtAttackEnemyDefences, "130");
    makeRows(SSTab1()->page(1), Label4, Label5, Label6, txtAttackNeutralAgression, txtAttackNeutralAttacks,
             txtAttackNeutralDefences, "130");
    makeRows(SSTab1()->page(2), Label7, Label8, Label9, txtGuardAgression, txtGuardAttacks, txtGuardDefences, "004");
    makeRows(SSTab1()->page(3), Label10, Label11, Label12, txtDefendAgression, txtDefendAttacks, txtDefendDefences,
             "013");

    Command1 = new CommandButton(QStringLiteral("Save"), client);
    placeControl(*Command1(), 120, 1920, 1335, 375);
    Command2 = new CommandButton(QStringLiteral("Reset and Save"), client);
    placeControl(*Command2(), 1680, 1920, 1335, 375);
    Label13 = new Label(QStringLiteral("If you don't know what this does exactly, don't change anything here!"), client);
    Label13()->setForeColor(Colour::Red);
    Label13()->setWordWrap(true);
    placeControl(*Label13(), 3120, 1920, 4335, 495);

    // The keyboard's order. On the first tab it goes from Agression to
    // Defences and then to Attacks; on the others row by row.
    window.setTabOrder({
        SSTab1()->tabBar(),          txtAttackEnemyAgression(),   txtAttackEnemyDefences(),
        txtAttackEnemyAttacks(),     Command1(),                  Command2(),
        txtAttackNeutralAgression(), txtAttackNeutralAttacks(),   txtAttackNeutralDefences(),
        txtGuardAgression(),         txtGuardAttacks(),           txtGuardDefences(),
        txtDefendAgression(),        txtDefendAttacks(),          txtDefendDefences(),
    });

    Text1 = new TextBox(QString(), client);
    Text1()->setGeometry(client->width(), 0, 65, 19); // right of the client area
    Text1()->hide();
    txtReset = makeStockBox(QStringLiteral(":/stock/Strategies_reset.txt"), client);
    txtVoorstuk = makeStockBox(QStringLiteral(":/stock/Strategies_front.txt"), client);
    txtTussenstuk1 = makeStockBox(QStringLiteral(":/stock/Strategies_middle1.txt"), client);
    txtTussenstuk2 = makeStockBox(QStringLiteral(":/stock/Strategies_middle2.txt"), client);
    txtTussenstuk3 = makeStockBox(QStringLiteral(":/stock/Strategies_middle3.txt"), client);
    txtEinde = makeStockBox(QStringLiteral(":/stock/Strategies_end.txt"), client);
    txtFinal = new RichTextBox(QString(), client);
    txtFinal()->hide();

    connect(Command1(), &QPushButton::clicked, this, &frmStrategies::Command1_Click);
    connect(Command2(), &QPushButton::clicked, this, &frmStrategies::Command2_Click);
}

void frmStrategies::Form_Load()
{
    // 1. The settings file beside the program.
    Text1()->setText(Files::programFolder() + QStringLiteral("\\strategies.ini"));
    // 2. The remembered values; a file that cannot be read is no matter.
    skipOnError([this] { LoadIni(Text1()->text()); });
}

std::array<TextBox*, 12> frmStrategies::settingsOrder()
{
    return {txtAttackEnemyAgression(),   txtAttackEnemyAttacks(),   txtAttackEnemyDefences(),
            txtAttackNeutralAgression(), txtAttackNeutralAttacks(), txtAttackNeutralDefences(),
            txtDefendAgression(),        txtDefendAttacks(),        txtDefendDefences(),
            txtGuardAgression(),         txtGuardAttacks(),         txtGuardDefences()};
}

void frmStrategies::LoadIni(const QString& path)
{
    // Each line goes into its box before the next is read, so a short file
    // fills the first boxes and leaves the others as they are.
    LineReader reader(path);
    for (TextBox* box : settingsOrder())
        box->setText(reader.readLine());
    reader.close();
}

void frmStrategies::SaveIni(const QString& path)
{
    LineWriter writer(path);
    for (TextBox* box : settingsOrder())
        writer.writeLine(box->text());
    writer.close();
}

// The three generated lines of a strategy, each closed by a lone CR.
QString frmStrategies::valueBlock(TextBox* agression, TextBox* attacks, TextBox* defences)
{
    return QStringLiteral("aiStrategy.Aggression ") + agression->text() + QLatin1Char('\r')
        + QStringLiteral("aiStrategy.NumberOfAttacks ") + attacks->text() + QLatin1Char('\r')
        + QStringLiteral("aiStrategy.NumberOfDefences ") + defences->text() + QLatin1Char('\r');
}

QString frmStrategies::gameFilePath()
{
    return Form2::instance().Dir1()->path() + QStringLiteral("\\mods\\") + Form2::instance().Text1()->text()
        + QStringLiteral("\\AI\\AIDefaultStrategies.ai");
}

void frmStrategies::check8BitTexts()
{
    Files::check8Bit(gameFilePath(), txtFinal()->text());
    for (TextBox* box : settingsOrder())
        Files::check8Bit(Text1()->text(), box->text());
}

void frmStrategies::Command1_Click()
{
    // 1. The assembled text, guard's block first.
    txtFinal()->setText(txtVoorstuk()->text()
                        + valueBlock(txtGuardAgression(), txtGuardAttacks(), txtGuardDefences())
                        + txtTussenstuk1()->text()
                        + valueBlock(txtAttackEnemyAgression(), txtAttackEnemyAttacks(), txtAttackEnemyDefences())
                        + txtTussenstuk2()->text()
                        + valueBlock(txtAttackNeutralAgression(), txtAttackNeutralAttacks(),
                                     txtAttackNeutralDefences())
                        + txtTussenstuk3()->text()
                        + valueBlock(txtDefendAgression(), txtDefendAttacks(), txtDefendDefences())
                        + txtEinde()->text());
    // 2. and 3. The game file in the selected mod, once every text of the
    //    save is known to fit its file. When it cannot be written,
    //    strategies.ini is left as it is.
    if (!writeSucceeds([this] {
            check8BitTexts();
            Files::writeWholeText(gameFilePath(), txtFinal()->text());
        }))
        return;
    // 4. The remembered values.
    writeSucceeds([this] { SaveIni(Text1()->text()); });
}

void frmStrategies::Command2_Click()
{
    // 1. The stock script.
    txtFinal()->setText(txtReset()->text());
    // 2. The game file, once the values that step 3 writes are known to fit
    //    strategies.ini. A step that fails is reported and ends the reset,
    //    so the window stays with the user's values.
    if (!writeSucceeds([this] {
            check8BitTexts();
            Files::writeWholeText(gameFilePath(), txtFinal()->text());
        }))
        return;
    // 3. The remembered values.
    if (!writeSucceeds([this] { SaveIni(Text1()->text()); }))
        return;
    // 4. Forget them, under every name the reload could read them from.
    if (!writeSucceeds([] { Files::deleteFile(Files::programFolder() + QStringLiteral("\\strategies.ini")); }))
        return;
    // 5. Load afresh, with the design values and without an owner. The
    //    window's widgets are deleted only once this click has been handled.
    unload();
    show();
}
