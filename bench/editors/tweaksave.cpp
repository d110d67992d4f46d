// Times File > Save of the tweak editor holding a 1 MB text, after a
// one-character edit each time, against a bare QSaveFile write of the same
// number of bytes into the same folder, in turns.
//
//   bench/editors/run.sh tweaksave [rounds]

#include "BenchSupport.h"
#include "scripts/frmTweak.h"

#include <QApplication>
#include <QSaveFile>
#include <QTextCursor>

#include <vector>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    BenchGame game;
    const int rounds = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 21;

    QByteArray bytes;
    for (int line = 0; bytes.size() < 1024 * 1024; ++line)
        bytes += "ObjectTemplate.setNetworkableInfo BasicInfo " + QByteArray::number(line) + "\r\n";
    const QString path = game.modFile(QStringLiteral("big.tweak"));
    const QString barePath = game.modFile(QStringLiteral("bare.tweak"));
    writeFile(path, bytes);

    frmTweak& editor = frmTweak::instance();
    editor.show();
    game.dialogs().fileNames = {path};
    editor.mnuFileLoad()->trigger();
    QCoreApplication::processEvents();

    std::vector<double> saves, bare;
    for (int round = 0; round < rounds; ++round) {
        QTextCursor(editor.rtb()->editor()->document()).insertText(QStringLiteral("x"));
        bytes.prepend('x');
        saves.push_back(timeMs([&editor] { editor.mnuFileSave()->trigger(); }));
        bare.push_back(timeMs([&] {
            QSaveFile file(barePath);
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
                qFatal("bare write failed");
        }));
    }
    if (game.dialogs().messages != 0)
        qFatal("a save failed");
    printRatio("saving 1 MB from the tweak editor (median)", median(saves), "a bare QSaveFile", median(bare), 2);
    return 0;
}
