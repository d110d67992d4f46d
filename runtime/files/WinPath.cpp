#include "WinPath.h"

#include <QDir>
#include <QFileInfo>

namespace runtime::WinPath {

namespace {

QString g_driveMapOverride;

bool startsWithDriveLetter(const QString& path)
{
    return path.size() >= 2 && path.at(1) == QLatin1Char(':') && path.at(0).isLetter()
        && path.at(0).unicode() < 128;
}

// Every entry of the folder, hidden ones and broken links included.
QStringList entriesOf(const QDir& folder)
{
    return folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// The entry of `folder` named `name`: the exact name when it exists,
// otherwise the first entry whose name differs only in letter case.
QString matchEntry(const QString& folder, const QString& name)
{
    const QString exact = folder.endsWith(QLatin1Char('/')) ? folder + name
                                                            : folder + QLatin1Char('/') + name;
    if (QFileInfo::exists(exact))
        return name;
    for (const QString& entry : entriesOf(QDir(folder))) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}

} // namespace

QString driveMapFolder()
{
    if (!g_driveMapOverride.isEmpty())
        return g_driveMapOverride;
    QString prefix = qEnvironmentVariable("WINEPREFIX");
    if (prefix.isEmpty())
        prefix = QDir::homePath() + QStringLiteral("/.wine");
    return prefix + QStringLiteral("/dosdevices");
}

void setDriveMapFolder(const QString& folder)
{
    g_driveMapOverride = folder;
}

QString toHost(const QString& windowsPath)
{
#ifdef Q_OS_WIN
    return windowsPath;
#else
    QString rest = windowsPath;
    QString root;
    if (startsWithDriveLetter(rest)) {
        root = driveMapFolder() + QLatin1Char('/') + rest.left(2).toLower();
        rest = rest.mid(2);
    } else if (rest.startsWith(QLatin1Char('/')) || rest.startsWith(QLatin1Char('\\'))) {
        root = QStringLiteral("/");
    } else {
        root = QDir::currentPath();
    }

    rest.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList parts = rest.split(QLatin1Char('/'), Qt::SkipEmptyParts);

    QString current = root;
    bool matching = true;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts.at(i);
        QString name = part;
        if (matching && part != QLatin1String(".") && part != QLatin1String("..")) {
            const QString found = matchEntry(current, part);
            if (!found.isEmpty())
                name = found;
            else
                matching = false; // nothing below a missing entry can match
        }
        if (!current.endsWith(QLatin1Char('/')))
            current += QLatin1Char('/');
        current += name;
    }
    return current;
#endif
}

QStringList toHostCaseVariants(const QString& windowsPath)
{
    const QFileInfo resolved(toHost(windowsPath));
    if (!resolved.exists() && !resolved.isSymLink())
        return {};
    // Listed by the names the folder holds, so that a disk that ignores
    // letter case gives its one file once.
    const QDir folder = resolved.dir();
    QStringList variants;
    for (const QString& entry : entriesOf(folder)) {
        if (entry.compare(resolved.fileName(), Qt::CaseInsensitive) == 0)
            variants << folder.filePath(entry);
    }
    return variants.isEmpty() ? QStringList{resolved.filePath()} : variants;
}

} // namespace runtime::WinPath
