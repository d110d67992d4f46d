// Times Find Next of the search window in the bot-name editor holding a
// 1 MB text of about 30,000 lines, from the click on "Find Next" to the
// match being selected: the first step after the text is loaded, the first
// after a one-character edit, the steps through all matches (near the top
// and near the end of the text), and a word found nowhere against a bare
// case-insensitive QString::indexOf over the same text.
//
//   bench/editors/run.sh findnext

#include "BenchSupport.h"
#include "bots/frmBotNames.h"
#include "scripts/frmSearch.h"

#include <QApplication>
#include <QTextCursor>

#include <cstdio>
#include <vector>

namespace {

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

constexpr int Rounds = 9;

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    BenchGame game;
    const QByteArray bytes = bigText();
    writeFile(game.modFile(QStringLiteral("AI/BotNames.ai")), bytes);

    frmBotNames& editor = frmBotNames::instance();
    editor.show();
    editor.mnuEditSearch()->trigger();
    frmSearch& search = frmSearch::instance();
    runtime::RichTextBox& box = *editor.rtb();
    QCoreApplication::processEvents();

    const auto findNext = [&search] {
        const double ms = timeMs([&search] { search.Command1()->click(); });
        QCoreApplication::processEvents();
        return ms;
    };
    const auto restart = [&](const QString& what) {
        search.Text1()->setText(what);
        search.restart(SearchTarget::BotNames);
    };

    std::vector<double> first, afterEdit, top, end, all, nowhere, bare;
    const QString loaded = box.text();
    for (int round = 0; round < Rounds; ++round) {
        // The text as a load leaves it.
        box.setText(loaded);
        restart(QStringLiteral("NEEDLE"));
        first.push_back(findNext());
        // One character typed at the top.
        QTextCursor(box.editor()->document()).insertText(QStringLiteral("x"));
        afterEdit.push_back(findNext());
        // The rest, until "Nothing found!".
        std::vector<double> steps;
        while (box.selLength() != 0)
            steps.push_back(findNext());
        steps.pop_back(); // the "Nothing found!"
        const std::size_t tenth = steps.size() / 10;
        top.insert(top.end(), steps.begin(), steps.begin() + static_cast<std::ptrdiff_t>(tenth));
        end.insert(end.end(), steps.end() - static_cast<std::ptrdiff_t>(tenth), steps.end());
        all.insert(all.end(), steps.begin(), steps.end());
        // A word found nowhere, against the bare scan of the same text.
        restart(QStringLiteral("ZQXW"));
        nowhere.push_back(findNext());
        const QString text = box.text();
        qsizetype found = 0;
        bare.push_back(timeMs([&] { found = text.indexOf(QStringLiteral("ZQXW"), 0, Qt::CaseInsensitive); }));
        if (found >= 0)
            qFatal("the absent word was found");
    }

    std::printf("Find Next in %lld bytes, %d rounds, medians:\n", static_cast<long long>(bytes.size()), Rounds);
    printGoal("first step after the load", median(first), 5);
    printGoal("first step after a one-character edit", median(afterEdit), 5);
    printGoal("repeated steps", median(all), 5);
    printGoal("repeated steps, first tenth of the text", median(top), 5);
    printGoal("repeated steps, last tenth of the text", median(end), 5);
    printRatio("a word found nowhere", median(nowhere), "bare indexOf", median(bare), 2);
    return 0;
}
