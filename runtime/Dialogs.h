#pragma once

#include "files/FileServices.h"

#include <QString>

#include <memory>

class QWidget;

namespace runtime {

// Message box styles and answers, as numbers the windows pass around.
namespace MsgBoxStyle {
constexpr int OkOnly = 0;
constexpr int YesNo = 4;
constexpr int Critical = 16;
constexpr int Question = 32;
constexpr int Exclamation = 48;
constexpr int Information = 64;
} // namespace MsgBoxStyle

namespace MsgBoxResult {
constexpr int Ok = 1;
constexpr int Cancel = 2;
constexpr int Yes = 6;
constexpr int No = 7;
} // namespace MsgBoxResult

// How an open or save dialog treats the name the user chooses or types.
struct FileDialogOptions {
    bool fileMustExist = false;        // only an existing file can be chosen
    bool replaceWithoutAsking = false; // no question before replacing a file
    QString defaultSuffix;             // added to a name typed without one
};

// The modal interactions of the program behind one seam: message boxes,
// file dialogs and the end of the program. The program uses the real Qt
// dialogs; tests install a backend that answers from a script.
class DialogBackend
{
public:
    virtual ~DialogBackend() = default;
    virtual int messageBox(const QString& prompt, int style, const QString& title) = 0;
    // Empty result: the user cancelled.
    // `filter` is in the form "Tweak files (*.tweak)|*.tweak|".
    virtual QString openFileName(const QString& title, const QString& filter, const FileDialogOptions& options) = 0;
    virtual QString saveFileName(const QString& title, const QString& filter, const FileDialogOptions& options) = 0;
    virtual void endProgram() = 0;
};

namespace Dialogs {

int msgBox(const QString& prompt, int style, const QString& title);
// The file the user chose, as the host names it; an empty path when the
// user cancelled.
Files::HostPath openFileName(const QString& title, const QString& filter, const FileDialogOptions& options = {});
Files::HostPath saveFileName(const QString& title, const QString& filter, const FileDialogOptions& options = {});
// A filter of the form "Tweak files (*.tweak)|*.tweak|" in Qt's form,
// "Tweak files (*.tweak)".
QString qtFileFilter(const QString& filter);
// Ends the program at once: no window's close or unload handling runs.
void endProgram();

// Reports a failed write or delete: "Sorvane", critical icon, the reason.
void reportFailure(const QString& reason);

// Installs a backend; nullptr restores the real dialogs.
void setBackend(std::unique_ptr<DialogBackend> backend);
DialogBackend& backend();

} // namespace Dialogs

} // namespace runtime
