#include "BenchSupport.h"

#include "runtime/Application.h"
#include "runtime/Form.h"
#include "runtime/files/FileServices.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>

int BenchDialogs::messageBox(const QString&, int, const QString&)
{
    ++messages;
    return runtime::MsgBoxResult::Ok;
}

QString BenchDialogs::openFileName(const QString&, const QString&, const runtime::FileDialogOptions&)
{
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}

QString BenchDialogs::saveFileName(const QString&, const QString&, const runtime::FileDialogOptions&)
{
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}

BenchGame::BenchGame()
{
    runtime::setUpApplicationLook();
    auto dialogs = std::make_unique<BenchDialogs>();
    m_dialogs = dialogs.get();
    runtime::Dialogs::setBackend(std::move(dialogs));
    runtime::Files::setProgramFolder(m_program.path());
    writeFile(m_program.filePath(QStringLiteral("dir.ini")), m_game.path().toLocal8Bit() + "\r\n");
    writeFile(m_program.filePath(QStringLiteral("dirMod.ini")), "BF2142\r\n");
    writeFile(modFile(QStringLiteral("init.con")), "\r\n");
}

BenchGame::~BenchGame()
{
    runtime::Form::destroyAll();
}

QString BenchGame::modFile(const QString& relative) const
{
    return m_game.filePath(QStringLiteral("mods/bf2142/") + relative);
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

double timeMs(const std::function<void()>& step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void printRatio(const char* label, double ms, const char* baselineLabel, double baselineMs, double goalRatio)
{
    const double ratio = ms / baselineMs;
    std::printf("%-44s %8.2f ms against %s %.2f ms: %.2fx (goal at most %.2fx) %s\n", label, ms, baselineLabel,
                baselineMs, ratio, goalRatio, ratio <= goalRatio ? "PASS" : "OVER");
}

void printGoal(const char* label, double ms, double goalMs)
{
    std::printf("%-44s %8.2f ms (goal below %.0f ms) %s\n", label, ms, goalMs, ms < goalMs ? "PASS" : "OVER");
}
