// Times a .tweak file of one long line in the tweak editor: File > Load
// until the box is laid out and painted, then one typed key at the start
// of the line until it is painted again. Each size runs once without any
// space (nowhere to break the line but inside words) and once with a space
// every 60 characters, the baseline.
//
//   bench/editors/run.sh longline [KB ...]      default: 50 100 200 1000
//
// BENCH_WRAP=anywhere (break lines anywhere) or BENCH_WRAP=none (no wrap)
// try the box with another wrap setting than its own, for comparison.

#include "BenchSupport.h"
#include "scripts/frmTweak.h"

#include <QApplication>
#include <QTest>

#include <cstdio>

namespace {

struct Figures {
    double load;
    double key;
};

Figures measure(BenchGame& game, const QByteArray& line)
{
    const QString path = game.modFile(QStringLiteral("long.tweak"));
    writeFile(path, line);
    frmTweak& editor = frmTweak::instance();
    editor.show();
    QCoreApplication::processEvents();
    QPlainTextEdit* box = editor.rtb()->editor();
    const QByteArray wrap = qgetenv("BENCH_WRAP");
    if (wrap == "anywhere")
        box->setWordWrapMode(QTextOption::WrapAnywhere);
    else if (wrap == "none")
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
    game.dialogs().fileNames = {path};
    Figures figures{};
    figures.load = timeMs([&] {
        editor.mnuFileLoad()->trigger();
        QCoreApplication::processEvents();
        box->viewport()->repaint();
    });
    box->moveCursor(QTextCursor::Start);
    figures.key = timeMs([&] {
        QTest::keyClick(box, Qt::Key_A);
        QCoreApplication::processEvents();
        box->viewport()->repaint();
    });
    if (!editor.rtb()->text().startsWith(QLatin1Char('a')))
        qFatal("the key did not reach the box");
    editor.unload();
    QCoreApplication::processEvents();
    return figures;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    BenchGame game;
    QList<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.append(QByteArray(argv[i]).toInt());
    if (sizes.isEmpty())
        sizes = {50, 100, 200, 1000};

    std::printf("%8s   %23s   %23s\n", "", "no space", "a space every 60");
    std::printf("%8s   %11s %11s   %11s %11s\n", "KB", "load ms", "key ms", "load ms", "key ms");
    for (const int kb : sizes) {
        QByteArray solid(kb * 1000, 'x');
        QByteArray spaced = solid;
        for (qsizetype i = 59; i < spaced.size(); i += 60)
            spaced[i] = ' ';
        const Figures bare = measure(game, solid);
        const Figures base = measure(game, spaced);
        std::printf("%8d   %11.1f %11.1f   %11.1f %11.1f  %s\n", kb, bare.load, bare.key, base.load, base.key,
                    bare.load <= 1000 && bare.key <= 100 ? "PASS (load <= 1 s, key <= 100 ms)"
                                                         : "OVER (load <= 1 s, key <= 100 ms)");
    }
    return 0;
}
