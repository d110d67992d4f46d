#include "Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QWidget>

namespace runtime {

namespace {

// Turns a filter of the form "Tweak files (*.tweak)|*.tweak|" into Qt's
// "Tweak files (*.tweak)" form.
QString qtFilter(const QString& filter)
{
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

    QString openFileName(const QString& title, const QString& filter) override
    {
        return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, QString(), qtFilter(filter));
    }

    QString saveFileName(const QString& title, const QString& filter) override
    {
        return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, QString(), qtFilter(filter));
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

QString openFileName(const QString& title, const QString& filter)
{
    return backend().openFileName(title, filter);
}

QString saveFileName(const QString& title, const QString& filter)
{
    return backend().saveFileName(title, filter);
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
