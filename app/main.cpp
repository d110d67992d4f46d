#include "runtime/Application.h"
#include "runtime/Form.h"
#include "shell/Form2.h"
#include "shell/frmMain.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sorvane"));
    runtime::setUpApplicationLook();
    QApplication::setQuitOnLastWindowClosed(false);
    runtime::Form::setQuitWhenNoneLoaded(true);

    // The game-folder window starts the program. Its load checks the stored
    // game folder; when that passes, the main menu is already up and the
    // game-folder window has hidden itself, so it is not shown again.
    Form2& startup = Form2::instance();
    startup.load();
    if (startup.isLoaded() && !frmMain::instance().isVisible())
        startup.show();

    const int exitCode = QApplication::exec();
    runtime::Form::destroyAll();
    return exitCode;
}
