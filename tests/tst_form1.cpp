#include "bots/Form1.h"
#include "runtime/Dialogs.h"
#include "runtime/files/FileServices.h"
#include "shell/Form2.h"
#include "shell/frmMain.h"
#include "shell/frmAbout.h"
#include "shell/frmAboutUitbreiding.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWindow>

using namespace runtime;

namespace {

QByteArray resourceBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing resource>");
    return file.readAll();
}

QByteArray frontPiece()
{
    return resourceBytes(QStringLiteral(":/stock/AIDefault_front.txt"));
}

QByteArray endPiece()
{
    return resourceBytes(QStringLiteral(":/stock/AIDefault_end.txt"));
}

// AIDefault.ai as Save must write it for `bots`.
QByteArray expectedGameFile(int bots)
{
    return frontPiece() + "aiSettings.setMaxNBots " + QByteArray::number(bots) + "\r" + endPiece() + "\r\n";
}

QByteArray expectedSettings(int bots)
{
    return QByteArray::number(bots) + "\r\n";
}

// A game folder that passes the check, stored where Form2 restores it from.
void prepareGame(const Sandbox& sandbox, bool withAiFolder = true)
{
    sandbox.makeGame();
    if (withAiFolder)
        QDir().mkpath(sandbox.gameFile(QStringLiteral("mods/bf2142/AI")));
    sandbox.storeLocation(sandbox.gameFolder());
}

QString gameFilePath(const Sandbox& sandbox)
{
    return sandbox.gameFile(QStringLiteral("mods/bf2142/AI/AIDefault.ai"));
}

QString settingsPath(const Sandbox& sandbox)
{
    return sandbox.programFile(QStringLiteral("MaxBots.ini"));
}

QString selected(int bots)
{
    return QStringLiteral("Selected bots: %1").arg(bots);
}

// The lines of a text whose line ends are CR LF, without the final empty one.
QList<QByteArray> crLfLines(const QByteArray& bytes)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype end = bytes.indexOf("\r\n"); end >= 0; end = bytes.indexOf("\r\n", start)) {
        lines.append(bytes.mid(start, end - start));
        start = end + 2;
    }
    if (start < bytes.size())
        lines.append(bytes.mid(start));
    return lines;
}

int loneCrCount(const QByteArray& bytes)
{
    int count = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes.at(i) == '\r' && (i + 1 == bytes.size() || bytes.at(i + 1) != '\n'))
            ++count;
    }
    return count;
}

QRect sliderHandle(QSlider* slider)
{
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.subControls = QStyle::SC_None;
    option.activeSubControls = QStyle::SC_None;
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    option.singleStep = slider->singleStep();
    option.pageStep = slider->pageStep();
    option.tickPosition = slider->tickPosition();
    option.tickInterval = slider->tickInterval();
    option.upsideDown = false;
    option.direction = slider->layoutDirection();
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider);
}

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void stockPieceStructure_data();
    void stockPieceStructure();
    void stockPieceLines_data();
    void stockPieceLines();
    void window();
    void loadRestoresRememberedValue_data();
    void loadRestoresRememberedValue();
    void saveWritesGameFileAndSettings_data();
    void saveWritesGameFileAndSettings();
    void resetAndSave_data();
    void resetAndSave();
    void saveIgnoresSelectedMod_data();
    void saveIgnoresSelectedMod();
    void gameFileIsWrittenFirst();
    void failedWriteIsReported_data();
    void failedWriteIsReported();
    void closingOnlyHides_data();
    void closingOnlyHides();
    void keysMoveSliderAndLabel_data();
    void keysMoveSliderAndLabel();
    void mouseOverSliderRefreshesLabel();
    void draggingToTheRightEndGives256();
    void helpAboutOpensTheAboutBoxAlone();
};

void TestForm1::stockPieceStructure_data()
{
    QTest::addColumn<QByteArray>("piece");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("lineEnds");
    QTest::addColumn<QByteArray>("begins");
    QTest::addColumn<QByteArray>("ends");
    QTest::newRow("front") << frontPiece() << 915 << 22 << QByteArray("echo ")
                           << QByteArray("aiSettings.maxBotsIncludeHumans 0\r\n");
    QTest::newRow("end") << endPiece() << 215 << 16 << QByteArray("\r\nrem aiSettings.setBotSkill 1.0\r\n")
                         << QByteArray("\r\nrem EOF\r\n");
}

void TestForm1::stockPieceStructure()
{
    QFETCH(QByteArray, piece);
    QFETCH(int, size);
    QFETCH(int, lineEnds);
    QFETCH(QByteArray, begins);
    QFETCH(QByteArray, ends);
    QCOMPARE(piece.size(), size);
    // Every line end is CR LF: no lone CR, no bare LF.
    QCOMPARE(piece.count("\r\n"), lineEnds);
    QCOMPARE(piece.count('\r'), lineEnds);
    QCOMPARE(piece.count('\n'), lineEnds);
    QCOMPARE(crLfLines(piece).size(), lineEnds);
    QVERIFY(piece.startsWith(begins));
    QVERIFY(piece.endsWith(ends));
}

void TestForm1::stockPieceLines_data()
{
    QTest::addColumn<QByteArray>("piece");
    QTest::addColumn<int>("line");
    QTest::addColumn<QByteArray>("text");
    const QByteArray front = frontPiece();
    const QByteArray end = endPiece();
    const QByteArray banner = "echo " + QByteArray(89, '*');

    QTest::newRow("front 1 banner") << front << 1 << banner;
    QTest::newRow("front 2 banner title") << front << 2 << QByteArray("echo AIDefault.ai " + QByteArray(76, '*'));
    QTest::newRow("front 3 banner") << front << 3 << banner;
    for (const int line : {4, 8, 12, 18, 20})
        QTest::addRow("front %d empty", line) << front << line << QByteArray();
    QTest::newRow("front 5") << front << 5 << QByteArray("aiSettings.setNSides 2");
    QTest::newRow("front 6") << front << 6 << QByteArray("aiSettings.setAutoSpawnBots 1");
    QTest::newRow("front 7") << front << 7 << QByteArray("aiSettings.setMaxNAutoControllers 64");
    QTest::newRow("front 9") << front << 9 << QByteArray("aiSettings.maxBotsIncludeHumans 0");
    QTest::newRow("front 10 stock bot count") << front << 10 << QByteArray("aiSettings.setMaxNBots 16");
    QTest::newRow("front 11") << front << 11 << QByteArray("aiSettings.setBotSkill 0.4");
    QTest::newRow("front 14 bare word") << front << 14 << QByteArray("above.");
    QTest::newRow("front 19") << front << 19 << QByteArray("rem Example for 32 bot game with expert bots");
    QTest::newRow("front 21") << front << 21 << QByteArray("aiSettings.overrideMenuSettings 1");
    QTest::newRow("front 22 last") << front << 22 << QByteArray("aiSettings.maxBotsIncludeHumans 0");

    for (const int line : {1, 3, 5, 8, 11, 12, 15})
        QTest::addRow("end %d empty", line) << end << line << QByteArray();
    QTest::newRow("end 2") << end << 2 << QByteArray("rem aiSettings.setBotSkill 1.0");
    QTest::newRow("end 4") << end << 4 << QByteArray("run BotNames.ai");
    QTest::newRow("end 6 broken command") << end << 6 << QByteArray("aiSettings.setInformationGrid");
    QTest::newRow("end 9 broken command") << end << 9 << QByteArray("aiSettings.setDiscoverCloake");
    QTest::newRow("end 13") << end << 13 << QByteArray("run AIPathFinding.ai");
    QTest::newRow("end 14") << end << 14 << QByteArray("run AutoControllers.ai");
    QTest::newRow("end 16 last") << end << 16 << QByteArray("rem EOF");
}

void TestForm1::stockPieceLines()
{
    QFETCH(QByteArray, piece);
    QFETCH(int, line);
    QFETCH(QByteArray, text);
    const QList<QByteArray> lines = crLfLines(piece);
    QVERIFY(line <= lines.size());
    QCOMPARE(lines.at(line - 1), text);
    if (text.startsWith("echo"))
        QCOMPARE(text.size(), 94);
}

void TestForm1::window()
{
    Sandbox sandbox;
    Form1& form = Form1::instance();
    form.show();
    FormWindow* window = form.window();
    QCOMPARE(window->windowTitle(), QStringLiteral("Keldrith"));
    QCOMPARE(window->client()->size(), QSize(417, 107));

    QSlider* slider = form.Slider1();
    QCOMPARE(slider->minimum(), 0);
    QCOMPARE(slider->maximum(), 256);
    QCOMPARE(slider->value(), 16);
    QCOMPARE(slider->pageStep(), 5);
    QCOMPARE(slider->singleStep(), 1);
    QCOMPARE(form.Label3()->text(), QStringLiteral("Warning: 256 bots can make the game very slow!!!"));
    QCOMPARE(form.Label3()->foreColor(), 255);
    for (QWidget* hidden : std::initializer_list<QWidget*>{form.Command1(), form.Command2(), form.txtLoad(),
                                                           form.Text1(), form.Text2(), form.Text3()})
        QVERIFY(hidden->isHidden());

    // The Help menu is there but greyed out, so "About" cannot be chosen.
    QCOMPARE(window->menuBar()->actions(),
             (QList<QAction*>{form.mnuFile()->menuAction(), form.mnuHelp()->menuAction()}));
    QVERIFY(form.mnuFile()->menuAction()->isEnabled());
    QVERIFY(form.mnuHelp()->menuAction()->isVisible());
    QVERIFY(!form.mnuHelp()->menuAction()->isEnabled());
    QCOMPARE(form.mnuFileReset()->text(), QStringLiteral("Reset and save"));
}

void TestForm1::loadRestoresRememberedValue_data()
{
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<int>("bots");
    QTest::newRow("first run, no file") << false << QByteArray() << 16;
    QTest::newRow("40") << true << QByteArray("40\r\n") << 40;
    QTest::newRow("lowest") << true << QByteArray("0\r\n") << 0;
    QTest::newRow("highest") << true << QByteArray("256\r\n") << 256;
    QTest::newRow("no line end") << true << QByteArray("40") << 40;
    QTest::newRow("only the first line counts") << true << QByteArray("40\r\n99\r\n") << 40;
    QTest::newRow("empty file") << true << QByteArray() << 16;
    QTest::newRow("empty line") << true << QByteArray("\r\n") << 16;
    QTest::newRow("garbage") << true << QByteArray("many\r\n") << 16;
    QTest::newRow("trailing garbage") << true << QByteArray("40 bots\r\n") << 16;
    QTest::newRow("fraction") << true << QByteArray("12.5\r\n") << 16;
    QTest::newRow("exponent") << true << QByteArray("1e2\r\n") << 16;
    QTest::newRow("blanks around") << true << QByteArray(" 40\t\r\n") << 40;
    QTest::newRow("plus sign") << true << QByteArray("+40\r\n") << 40;
    QTest::newRow("leading zeros") << true << QByteArray("0040\r\n") << 40;
    QTest::newRow("above range clamped") << true << QByteArray("257\r\n") << 256;
    QTest::newRow("far above range clamped") << true << QByteArray("99999999999999999999\r\n") << 256;
    QTest::newRow("negative clamped") << true << QByteArray("-5\r\n") << 0;
}

void TestForm1::loadRestoresRememberedValue()
{
    QFETCH(bool, fileExists);
    QFETCH(QByteArray, settings);
    QFETCH(int, bots);
    Sandbox sandbox;
    prepareGame(sandbox);
    if (fileExists)
        writeBytes(settingsPath(sandbox), settings);

    frmMain::instance().Label1_Click();
    Form1& form = Form1::instance();
    QVERIFY(form.isVisible());
    QCOMPARE(form.Slider1()->value(), bots);
    QCOMPARE(form.Label1()->text(), selected(bots));
    QVERIFY(sandbox.dialogs().messages.isEmpty());

    // Whatever the read left behind, the next Save replaces the file.
    form.mnuFileSave()->trigger();
    QVERIFY(sandbox.dialogs().messages.isEmpty());
    QCOMPARE(readBytes(settingsPath(sandbox)), expectedSettings(bots));
    QCOMPARE(readBytes(gameFilePath(sandbox)), expectedGameFile(bots));
}

void TestForm1::saveWritesGameFileAndSettings_data()
{
    QTest::addColumn<int>("bots");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("byButton");
    QTest::newRow("0") << 0 << 1157 << false;
    QTest::newRow("9") << 9 << 1157 << true;
    QTest::newRow("10") << 10 << 1158 << false;
    QTest::newRow("16") << 16 << 1158 << false;
    QTest::newRow("16 by the hidden button") << 16 << 1158 << true;
    QTest::newRow("99") << 99 << 1158 << false;
    QTest::newRow("100") << 100 << 1159 << true;
    QTest::newRow("256") << 256 << 1159 << false;
}

void TestForm1::saveWritesGameFileAndSettings()
{
    QFETCH(int, bots);
    QFETCH(int, size);
    QFETCH(bool, byButton);
    Sandbox sandbox;
    prepareGame(sandbox);
    writeBytes(gameFilePath(sandbox), QByteArray(3000, 'x'));
    writeBytes(settingsPath(sandbox), "200\r\n");

    Form1& form = Form1::instance();
    form.show();
    form.Slider1()->setValue(bots);
    // Save reads the game folder from the game-folder window, loading it.
    QVERIFY(!Form2::instance().isLoaded());
    if (byButton)
        form.Command1()->click();
    else
        form.mnuFileSave()->trigger();
    QVERIFY(Form2::instance().isLoaded());
    QVERIFY(sandbox.dialogs().messages.isEmpty());

    const QByteArray written = readBytes(gameFilePath(sandbox));
    QCOMPARE(written, expectedGameFile(bots));
    QCOMPARE(written.size(), size);
    const QByteArray generated = "aiSettings.setMaxNBots " + QByteArray::number(bots);
    QCOMPARE(written.mid(written.lastIndexOf(generated) + generated.size(), 33),
             QByteArray("\r\r\nrem aiSettings.setBotSkill 1.0"));
    QVERIFY(written.endsWith("rem EOF\r\n\r\n"));
    QCOMPARE(loneCrCount(written), 1);
    QCOMPARE(crLfLines(written).at(22), generated + "\r");
    // The stock line 10 stays, before the generated one.
    QCOMPARE(crLfLines(written).at(9), QByteArray("aiSettings.setMaxNBots 16"));

    QCOMPARE(readBytes(settingsPath(sandbox)), expectedSettings(bots));
    QVERIFY(form.isVisible());
}

void TestForm1::resetAndSave_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("byButton");
    QTest::newRow("from 0") << 0 << false;
    QTest::newRow("from 15") << 15 << false;
    QTest::newRow("from 16") << 16 << false;
    QTest::newRow("from 200 by the hidden button") << 200 << true;
    QTest::newRow("from 256") << 256 << false;
}

void TestForm1::resetAndSave()
{
    QFETCH(int, start);
    QFETCH(bool, byButton);
    Sandbox sandbox;
    prepareGame(sandbox);
    writeBytes(settingsPath(sandbox), "77\r\n");

    Form1& form = Form1::instance();
    form.show();
    QCOMPARE(form.Slider1()->value(), 77);
    form.Slider1()->setValue(start);
    form.Label1()->setText(QStringLiteral("stale"));
    if (byButton)
        form.Command2()->click();
    else
        form.mnuFileReset()->trigger();

    QVERIFY(sandbox.dialogs().messages.isEmpty());
    QCOMPARE(form.Label1()->text(), QStringLiteral("Selected bots: 16"));
    QCOMPARE(form.Slider1()->value(), 16);
    QCOMPARE(readBytes(gameFilePath(sandbox)), expectedGameFile(16));
    QCOMPARE(readBytes(settingsPath(sandbox)), expectedSettings(16));
}

void TestForm1::saveIgnoresSelectedMod_data()
{
    QTest::addColumn<QString>("mod");
    QTest::newRow("another mod") << QStringLiteral("Project Reality");
    QTest::newRow("empty mod name") << QString();
}

void TestForm1::saveIgnoresSelectedMod()
{
    QFETCH(QString, mod);
    Sandbox sandbox;
    prepareGame(sandbox);
    QDir().mkpath(sandbox.gameFile(QStringLiteral("mods/%1/AI").arg(mod)));
    Form2::instance().Text1()->setText(mod);

    Form1& form = Form1::instance();
    form.show();
    form.Slider1()->setValue(64);
    form.mnuFileSave()->trigger();

    QCOMPARE(readBytes(gameFilePath(sandbox)), expectedGameFile(64));
    const QStringList modFolders =
        QDir(sandbox.gameFile(QStringLiteral("mods"))).entryList(QDir::AllDirs | QDir::NoDotAndDotDot);
    for (const QString& folder : modFolders) {
        if (folder != QLatin1String("bf2142"))
            QVERIFY2(QDir(sandbox.gameFile(QStringLiteral("mods/%1/AI").arg(folder))).isEmpty(), qPrintable(folder));
    }
}

void TestForm1::gameFileIsWrittenFirst()
{
    Sandbox sandbox;
    prepareGame(sandbox);
    Form1& form = Form1::instance();
    form.show();
    Form2::instance().load(); // its own files are written before the recording starts

    QStringList written;
    Files::setWriteFault([&written](const QString& hostPath) {
        written << QFileInfo(hostPath).fileName();
        return QString();
    });
    form.mnuFileSave()->trigger();
    Files::setWriteFault({});
    QCOMPARE(written, (QStringList{QStringLiteral("AIDefault.ai"), QStringLiteral("MaxBots.ini")}));
}

void TestForm1::failedWriteIsReported_data()
{
    QTest::addColumn<QString>("cause");
    QTest::addColumn<QString>("failingFile");
    QTest::newRow("AI folder missing") << QStringLiteral("no AI folder") << QStringLiteral("AIDefault.ai");
    QTest::newRow("folder in place of AIDefault.ai") << QStringLiteral("folder") << QStringLiteral("AIDefault.ai");
    QTest::newRow("game file write fails") << QStringLiteral("fault") << QStringLiteral("AIDefault.ai");
    QTest::newRow("folder in place of MaxBots.ini") << QStringLiteral("folder") << QStringLiteral("MaxBots.ini");
    QTest::newRow("settings write fails") << QStringLiteral("fault") << QStringLiteral("MaxBots.ini");
}

void TestForm1::failedWriteIsReported()
{
    QFETCH(QString, cause);
    QFETCH(QString, failingFile);
    Sandbox sandbox;
    const bool gameFails = failingFile == QLatin1String("AIDefault.ai");
    prepareGame(sandbox, cause != QLatin1String("no AI folder"));
    const QString failingPath = gameFails ? gameFilePath(sandbox) : settingsPath(sandbox);
    if (cause == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(failingPath));
    else
        writeBytes(settingsPath(sandbox), "40\r\n");
    const QByteArray settingsBefore = readBytes(settingsPath(sandbox));

    frmMain::instance().Label1_Click();
    Form1& form = Form1::instance();
    form.Slider1()->setValue(120);
    if (cause == QLatin1String("fault")) {
        Files::setWriteFault([failingFile](const QString& hostPath) {
            return hostPath.endsWith(failingFile) ? QStringLiteral("disk full") : QString();
        });
    }
    form.mnuFileSave()->trigger();

    QCOMPARE(sandbox.dialogs().messages.size(), 1);
    const ScriptedDialogs::Message message = sandbox.dialogs().messages.at(0);
    QCOMPARE(message.title, QStringLiteral("Sorvane"));
    QCOMPARE(message.style, MsgBoxStyle::OkOnly | MsgBoxStyle::Critical);
    QVERIFY2(message.prompt.contains(failingFile), qPrintable(message.prompt));
    if (gameFails) {
        QCOMPARE(readBytes(settingsPath(sandbox)), settingsBefore);
        QVERIFY(!QFileInfo(gameFilePath(sandbox)).isFile());
    } else {
        QCOMPARE(readBytes(gameFilePath(sandbox)), expectedGameFile(120));
        QVERIFY(!QFileInfo(settingsPath(sandbox)).isFile() || readBytes(settingsPath(sandbox)) == settingsBefore);
    }

    // The window stays usable: once the cause is gone, Save works.
    QVERIFY(form.isVisible());
    Files::setWriteFault({});
    if (cause == QLatin1String("folder"))
        QVERIFY(QDir(failingPath).removeRecursively());
    if (cause == QLatin1String("no AI folder"))
        QVERIFY(QDir().mkpath(sandbox.gameFile(QStringLiteral("mods/bf2142/AI"))));
    form.Slider1()->setValue(121);
    form.mnuFileSave()->trigger();
    QCOMPARE(sandbox.dialogs().messages.size(), 1);
    QCOMPARE(readBytes(gameFilePath(sandbox)), expectedGameFile(121));
    QCOMPARE(readBytes(settingsPath(sandbox)), expectedSettings(121));
}

void TestForm1::closingOnlyHides_data()
{
    QTest::addColumn<bool>("byCloseBox");
    QTest::newRow("close box") << true;
    QTest::newRow("unload") << false;
}

void TestForm1::closingOnlyHides()
{
    QFETCH(bool, byCloseBox);
    Sandbox sandbox;
    prepareGame(sandbox);
    writeBytes(settingsPath(sandbox), "40\r\n");

    frmMain& menu = frmMain::instance();
    menu.Label1_Click();
    Form1& form = Form1::instance();
    QVERIFY(form.isVisible());
    QCOMPARE(form.window()->windowHandle()->transientParent(), menu.window()->windowHandle());
    QCOMPARE(form.Slider1()->value(), 40);
    form.Slider1()->setValue(99); // not saved

    if (byCloseBox)
        QVERIFY(!form.window()->close());
    else
        QVERIFY(!form.unload());
    QVERIFY(form.isLoaded());
    QVERIFY(!form.isVisible());

    // The settings file is not read again while the run lasts.
    QVERIFY(QFile::remove(settingsPath(sandbox)));
    menu.Label1_Click();
    QVERIFY(form.isVisible());
    QCOMPARE(form.Slider1()->value(), 99);
    QCOMPARE(form.Label1()->text(), selected(99));
    QVERIFY(!QFile::exists(settingsPath(sandbox)));
    QVERIFY(!QFile::exists(gameFilePath(sandbox)));
}

void TestForm1::keysMoveSliderAndLabel_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("bots");
    QTest::newRow("right") << 16 << int(Qt::Key_Right) << 17;
    QTest::newRow("left") << 16 << int(Qt::Key_Left) << 15;
    QTest::newRow("page up: large change") << 16 << int(Qt::Key_PageUp) << 21;
    QTest::newRow("page down: large change") << 16 << int(Qt::Key_PageDown) << 11;
    QTest::newRow("page down stops at 0") << 3 << int(Qt::Key_PageDown) << 0;
    QTest::newRow("right stops at 256") << 256 << int(Qt::Key_Right) << 256;
    QTest::newRow("home") << 16 << int(Qt::Key_Home) << 0;
    QTest::newRow("end") << 16 << int(Qt::Key_End) << 256;
}

void TestForm1::keysMoveSliderAndLabel()
{
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, bots);
    Sandbox sandbox;
    Form1& form = Form1::instance();
    form.show();
    form.Slider1()->setValue(start);
    QTest::keyClick(form.Slider1(), Qt::Key(key));
    QCOMPARE(form.Slider1()->value(), bots);
    QCOMPARE(form.Label1()->text(), selected(bots));
}

void TestForm1::mouseOverSliderRefreshesLabel()
{
    Sandbox sandbox;
    Form1& form = Form1::instance();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(form.window()));
    form.Slider1()->setValue(33);
    form.Label1()->setText(QStringLiteral("stale"));
    QTest::mouseMove(form.Slider1(), QPoint(5, 5));
    QCOMPARE(form.Label1()->text(), selected(33));
}

void TestForm1::draggingToTheRightEndGives256()
{
    Sandbox sandbox;
    Form1& form = Form1::instance();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(form.window()));
    Slider* slider = form.Slider1();
    const QPoint thumb = sliderHandle(slider).center();
    const QPoint rightEnd(slider->width() - 1, thumb.y());
    QTest::mousePress(slider, Qt::LeftButton, {}, thumb);
    QTest::mouseMove(slider, (thumb + rightEnd) / 2);
    QTest::mouseMove(slider, rightEnd);
    QTest::mouseRelease(slider, Qt::LeftButton, {}, rightEnd);
    QCOMPARE(slider->value(), 256);
    QCOMPARE(form.Label1()->text(), selected(256));
}

void TestForm1::helpAboutOpensTheAboutBoxAlone()
{
    Sandbox sandbox;
    Form1& form = Form1::instance();
    form.show();
    // The Help menu is stored unavailable; its item keeps its action.
    QVERIFY(!form.mnuHelp()->menuAction()->isEnabled());
    form.mnuHelpAbout()->trigger();

    QVERIFY(frmAbout::instance().isVisible());
    QVERIFY(!frmAboutUitbreiding::instance().isLoaded());
    QCOMPARE(frmAbout::instance().window()->windowHandle()->transientParent(), form.window()->windowHandle());
    QCOMPARE(frmAbout::instance().left(), 2295); // never moved next to a panel
    QCOMPARE(frmAbout::instance().top(), 1500);
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
