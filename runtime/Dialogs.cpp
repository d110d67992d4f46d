#include "Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QWidget>

namespace runtime {

namespace {

// A modal file dialog; an empty result when the user cancelled.
QString runFileDialog(QFileDialog::AcceptMode mode, const QString& title, const QString& filter,
                      const FileDialogOptions& options)
{
    QFileDialog dialog(QApplication::activeWindow(), title, QString(), Dialogs::qtFileFilter(filter));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(options.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, options.replaceWithoutAsking);
    dialog.setDefaultSuffix(options.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

class QtDialogBackend : public DialogBackend
{
public:
    int messageBox(const QString& prompt, int style, const QString& title) override
    {
        QMessageBox box(QApplication::activeWindow());
        box.setWindowTitle(title);
        box.setText(prompt);
        switch (style & 0x70) {
        case MsgBoxStyle::Critical: box.setIcon(QMessageBox::Critical); break;
        case MsgBoxStyle::Question: box.setIcon(QMessageBox::Question); break;
        case MsgBoxStyle::Exclamation: box.setIcon(QMessageBox::Warning); break;
        case MsgBoxStyle::Information: box.setIcon(QMessageBox::Information); break;
        default: break;
        }
        if ((style & 0x0F) == MsgBoxStyle::YesNo) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
        } else {
            box.setStandardButtons(QMessageBox::Ok);
        }
        const int answer = box.exec();
        if (answer == QMessageBox::Yes)
            return MsgBoxResult::Yes;
        if (answer == QMessageBox::No)
            return MsgBoxResult::No;
        return MsgBoxResult::Ok;
    }

    QString openFileName(const QString& title, const QString& filter, const FileDialogOptions& options) override
    {
        return runFileDialog(QFileDialog::AcceptOpen, title, filter, options);
    }

    QString saveFileName(const QString& title, const QString& filter, const FileDialogOptions& options) override
    {
        return runFileDialog(QFileDialog::AcceptSave, title, filter, options);
    }

    void endProgram() override
    {
        // Every window goes at once; hiding sends no close request, so no
        // window's close handling runs.
        const auto windows = QApplication::topLevelWidgets();
        for (QWidget* window : windows)
            window->hide();
        QCoreApplication::exit(0);
    }
};

std::unique_ptr<DialogBackend>& currentBackend()
{
    static std::unique_ptr<DialogBackend> backend = std::make_unique<QtDialogBackend>();
    return backend;
}

} // namespace

namespace Dialogs {

void setBackend(std::unique_ptr<DialogBackend> backend)
{
    currentBackend() = backend ? std::move(backend) : std::make_unique<QtDialogBackend>();
}

DialogBackend& backend()
{
    return *currentBackend();
}

int msgBox(const QString& prompt, int style, const QString& title)
{
    return backend().messageBox(prompt, style, title);
}

Files::HostPath openFileName(const QString& title, const QString& filter, const FileDialogOptions& options)
{
    return {backend().openFileName(title, filter, options)};
}

Files::HostPath saveFileName(const QString& title, const QString& filter, const FileDialogOptions& options)
{
    return {backend().saveFileName(title, filter, options)};
}

QString qtFileFilter(const QString& filter)
{
    // Description and patterns alternate; the list ends with a bar.
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts.at(i);
        const QString patterns = QString(parts.at(i + 1)).replace(QLatin1Char(';'), QLatin1Char(' '));
        if (!description.contains(QLatin1Char('(')))
            description += QStringLiteral(" (%1)").arg(patterns);
        result << description;
    }
    return result.join(QStringLiteral(";;"));
}

void endProgram()
{
    backend().endProgram();
}

void reportFailure(const QString& reason)
{
    msgBox(reason, MsgBoxStyle::OkOnly | MsgBoxStyle::Critical, QStringLiteral("Sorvane"));
}

} // namespace Dialogs

} // namespace runtime
