#include "TestSupport.h"

#include "runtime/Form.h"
#include "runtime/files/FileServices.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

int ScriptedDialogs::messageBox(const QString& prompt, int style, const QString& title)
{
    messages.append({prompt, style, title});
    return answers.isEmpty() ? runtime::MsgBoxResult::Ok : answers.takeFirst();
}

QString ScriptedDialogs::openFileName(const QString&, const QString& filter,
                                     const runtime::FileDialogOptions& options)
{
    fileDialogFilters.append(filter);
    fileDialogOptions.append(options);
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}

QString ScriptedDialogs::saveFileName(const QString&, const QString& filter,
                                     const runtime::FileDialogOptions& options)
{
    fileDialogFilters.append(filter);
    fileDialogOptions.append(options);
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}

void ScriptedDialogs::endProgram()
{
    ++endRequests;
}

Sandbox::Sandbox()
{
    auto dialogs = std::make_unique<ScriptedDialogs>();
    m_dialogs = dialogs.get();
    runtime::Dialogs::setBackend(std::move(dialogs));
    runtime::Files::setProgramFolder(m_program.path());
    runtime::Files::setWriteFault({});
}

Sandbox::~Sandbox()
{
    runtime::Form::destroyAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    runtime::Files::setWriteFault({});
    runtime::Files::setProgramFolder(QString());
    runtime::Dialogs::setBackend(nullptr);
}

QString Sandbox::programFile(const QString& relative) const
{
    return m_program.filePath(relative);
}

QString Sandbox::gameFile(const QString& relative) const
{
    return m_game.filePath(relative);
}

void Sandbox::makeGame() const
{
    writeBytes(gameFile(QStringLiteral("mods/bf2142/init.con")), "rem init\r\n");
}

void Sandbox::storeLocation(const QString& folder, const QString& mod) const
{
    writeBytes(programFile(QStringLiteral("dir.ini")), folder.toLatin1() + "\r\n");
    writeBytes(programFile(QStringLiteral("dirMod.ini")), mod.toLatin1() + "\r\n");
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write(bytes);
}
