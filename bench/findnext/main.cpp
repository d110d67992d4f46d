// Times Find Next of the search window in the bot-name editor holding a
// 1 MB text of about 30,000 lines: from the click on "Find Next" to the
// match being selected, for a run of matches spread over the whole text,
// with one edit in between.
//
//   bench/findnext/run.sh            (builds in Release, runs offscreen)

#include "bots/frmBotNames.h"
#include "runtime/Application.h"
#include "runtime/Dialogs.h"
#include "runtime/files/FileServices.h"
#include "scripts/frmSearch.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextCursor>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Answers every message box at once, so a run never waits for a user.
class NoDialogs : public runtime::DialogBackend
{
public:
    int messageBox(const QString&, int, const QString&) override { return runtime::MsgBoxResult::Ok; }
    QString openFileName(const QString&, const QString&, const runtime::FileDialogOptions&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const runtime::FileDialogOptions&) override { return {}; }
    void endProgram() override {}
};

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// About 1 MB of name lines with "Needle" on every 1,000th line.
QByteArray bigText()
{
    QByteArray text;
    for (int line = 0; text.size() < 1024 * 1024; ++line) {
        text += "aiSettings.addBotName K. Brimontard";
        text += line % 1000 == 999 ? " needle\r\n" : "\r\n";
    }
    return text;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    runtime::setUpApplicationLook();
    runtime::Dialogs::setBackend(std::make_unique<NoDialogs>());

    QTemporaryDir program;
    QTemporaryDir game;
    runtime::Files::setProgramFolder(program.path());
    writeFile(program.filePath(QStringLiteral("dir.ini")), game.path().toLocal8Bit() + "\r\n");
    writeFile(program.filePath(QStringLiteral("dirMod.ini")), "BF2142\r\n");
    writeFile(game.filePath(QStringLiteral("mods/bf2142/init.con")), "\r\n");
    const QByteArray text = bigText();
    writeFile(game.filePath(QStringLiteral("mods/bf2142/AI/BotNames.ai")), text);

    frmBotNames& editor = frmBotNames::instance();
    editor.show();
    editor.mnuEditSearch()->trigger();
    frmSearch& search = frmSearch::instance();
    search.Text1()->setText(QStringLiteral("NEEDLE"));
    QCoreApplication::processEvents();

    // The first Find Next after the load, and the first after an edit,
    // build the box's CR LF text; the others find it ready.
    const auto findNext = [&search] {
        QElapsedTimer timer;
        timer.start();
        search.Command1()->click();
        const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        QCoreApplication::processEvents();
        return ms;
    };
    const double first = findNext();
    std::vector<double> times;
    double afterEdit = -1;
    while (editor.rtb()->selLength() != 0) { // until "Nothing found!"
        if (times.size() == 10 && afterEdit < 0) {
            QTextCursor start(editor.rtb()->editor()->document());
            start.insertText(QStringLiteral("x"));
            afterEdit = findNext();
        } else {
            times.push_back(findNext());
        }
    }
    std::sort(times.begin(), times.end());
    std::printf("Find Next in %lld bytes: first %.2f ms, after an edit %.2f ms, "
                "the other %zu: median %.2f ms, max %.2f ms\n",
                static_cast<long long>(text.size()), first, afterEdit, times.size(), times[times.size() / 2],
                times.back());
    runtime::Form::destroyAll();
    return 0;
}
