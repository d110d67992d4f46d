// Times opening the score editor against opening the strategy editor, in
// turns: from show() until the shown window has been laid out and painted,
// each window unloaded again after each opening.
//
//   bench/editors/run.sh scoreopen [rounds]

#include "BenchSupport.h"
#include "bots/frmStrategies.h"
#include "scripts/frmScore2.h"

#include <QApplication>

#include <vector>

namespace {

double openMs(runtime::Form& form)
{
    const double ms = timeMs([&form] {
        form.show();
        form.window()->repaint();
        QCoreApplication::processEvents();
    });
    form.unload();
    QCoreApplication::processEvents();
    return ms;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    BenchGame game;
    const int rounds = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 21;
    // One opening of each first, so that neither pays for the first use of
    // the fonts and styles.
    openMs(frmStrategies::instance());
    openMs(frmScore2::instance());
    std::vector<double> score, strategies;
    for (int round = 0; round < rounds; ++round) {
        strategies.push_back(openMs(frmStrategies::instance()));
        score.push_back(openMs(frmScore2::instance()));
    }
    printRatio("opening the score editor (median)", median(score), "the strategy editor", median(strategies), 2);
    return 0;
}
