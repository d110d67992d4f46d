#pragma once

#include "runtime/Dialogs.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// Dialog backend for tests: answers from a queue and records what was asked.
class ScriptedDialogs : public runtime::DialogBackend
{
public:
    struct Message {
        QString prompt;
        int style;
        QString title;
    };

    QList<Message> messages;
    QList<int> answers; // next message box answers; empty answers OK
    QList<QString> fileNames; // next open/save dialog results
    QList<QString> fileDialogFilters;
    QList<runtime::FileDialogOptions> fileDialogOptions;
    int endRequests = 0;

    int messageBox(const QString& prompt, int style, const QString& title) override;
    QString openFileName(const QString& title, const QString& filter,
                         const runtime::FileDialogOptions& options) override;
    QString saveFileName(const QString& title, const QString& filter,
                         const runtime::FileDialogOptions& options) override;
    void endProgram() override;
};

// A fresh program folder and game folder for one test, the scripted dialogs
// installed, and every window destroyed again at the end.
class Sandbox
{
public:
    Sandbox();
    ~Sandbox();

    ScriptedDialogs& dialogs() { return *m_dialogs; }
    QString programFolder() const { return m_program.path(); }
    QString gameFolder() const { return m_game.path(); }

    // Files by host path below the two folders ("mods/bf2142/init.con").
    QString programFile(const QString& relative) const;
    QString gameFile(const QString& relative) const;
    // Creates mods/bf2142/init.con so the game folder passes the check.
    void makeGame() const;
    // Stores the game folder and mod as a passing "Select" would.
    void storeLocation(const QString& folder, const QString& mod = QStringLiteral("BF2142")) const;

private:
    QTemporaryDir m_program;
    QTemporaryDir m_game;
    ScriptedDialogs* m_dialogs;
};

QByteArray readBytes(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);
