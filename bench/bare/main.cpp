// Smallest Qt Widgets program with a visible window: the baseline for
// bench/startup.sh.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    QWidget window;
    window.setWindowTitle(QStringLiteral("BareWindow"));
    window.resize(800, 533);
    new QLabel(QStringLiteral("Hello"), &window);
    window.show();

    return app.exec();
}
