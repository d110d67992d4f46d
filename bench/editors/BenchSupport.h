#pragma once

#include "runtime/Dialogs.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <vector>

// Answers every message box with OK (counting them) and every file dialog
// with the next queued name, so a run never waits for a user.
class BenchDialogs : public runtime::DialogBackend
{
public:
    QStringList fileNames;
    int messages = 0;

    int messageBox(const QString&, int, const QString&) override;
    QString openFileName(const QString&, const QString&, const runtime::FileDialogOptions&) override;
    QString saveFileName(const QString&, const QString&, const runtime::FileDialogOptions&) override;
    void endProgram() override {}
};

// A program folder whose settings point at a game folder with the mod
// BF2142, and the dialogs above installed.
class BenchGame
{
public:
    BenchGame();
    ~BenchGame();
    BenchDialogs& dialogs() { return *m_dialogs; }
    // A file by host path below the game folder's mods/bf2142.
    QString modFile(const QString& relative) const;

private:
    QTemporaryDir m_program;
    QTemporaryDir m_game;
    BenchDialogs* m_dialogs;
};

void writeFile(const QString& path, const QByteArray& bytes);
// Milliseconds that `step` takes.
double timeMs(const std::function<void()>& step);
double median(std::vector<double> values);
// "label: 1.23 ms against 1.00 ms (1.23x, goal at most 2.00x) PASS"
void printRatio(const char* label, double ms, const char* baselineLabel, double baselineMs, double goalRatio);
// "label: 1.23 ms (goal below 5.00 ms) PASS"
void printGoal(const char* label, double ms, double goalMs);
