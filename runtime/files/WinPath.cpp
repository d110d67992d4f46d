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

// The entry of `folder` named `name`: the exact name when it exists,
// otherwise the first entry whose name differs only in letter case.
QString matchEntry(const QString& folder, const QString& name)
{
    const QString exact = folder.endsWith(QLatin1Char('/')) ? folder + name
                                                            : folder + QLatin1Char('/') + name;
    if (QFileInfo::exists(exact))
        return name;
    const QDir dir(folder);
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
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

} // namespace runtime::WinPath
