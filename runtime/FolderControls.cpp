#include "FolderControls.h"

#include "files/RuntimeError.h"
#include "files/WinPath.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <QStyle>

namespace runtime {

namespace {

QStringList machineDrives()
{
    QStringList drives;
#ifdef Q_OS_WIN
    const auto roots = QDir::drives();
    for (const QFileInfo& root : roots)
        drives << QDir::toNativeSeparators(root.absoluteFilePath());
#else
    const auto volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo& volume : volumes) {
        if (volume.isValid() && volume.isReady() && !drives.contains(volume.rootPath()))
            drives << volume.rootPath();
    }
    if (!drives.contains(QStringLiteral("/")))
        drives.prepend(QStringLiteral("/"));
#endif
    drives.sort();
    return drives;
}

constexpr int PathRole = Qt::UserRole;

} // namespace

// ------------------------------------------------------------------ DriveList

DriveList::DriveList(QWidget* parent)
    : QComboBox(parent)
{
    connect(this, &QComboBox::activated, this, [this] { Q_EMIT changed(); });
}

void DriveList::ensureFilled() const
{
    if (count() > 0)
        return;
    auto* self = const_cast<DriveList*>(this);
    const QSignalBlocker blocker(self);
    const QStringList drives = machineDrives();
    self->addItems(drives);
    self->setCurrentIndex(std::max(0, static_cast<int>(drives.indexOf(driveOf(QDir::currentPath(), drives)))));
}

void DriveList::showEvent(QShowEvent* event)
{
    ensureFilled();
    QComboBox::showEvent(event);
}

QString DriveList::driveOf(const QString& folder, const QStringList& drives)
{
    // The longest drive root the folder lies under.
    QString best;
    const QString cleanFolder = QDir::cleanPath(folder);
    for (const QString& drive : drives) {
        const QString root = QDir::cleanPath(QDir::fromNativeSeparators(drive));
        const bool under = cleanFolder.compare(root, Qt::CaseInsensitive) == 0
            || cleanFolder.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'),
                                      Qt::CaseInsensitive);
        if (under && root.size() > QDir::cleanPath(QDir::fromNativeSeparators(best)).size())
            best = drive;
    }
    return best;
}

QString DriveList::drive() const
{
    ensureFilled();
    return currentText();
}

void DriveList::setDrive(const QString& drive)
{
    ensureFilled();
    const int index = findText(drive);
    if (index >= 0 && index != currentIndex()) {
        setCurrentIndex(index);
        Q_EMIT changed();
    }
}

// ----------------------------------------------------------------- FolderList

FolderList::FolderList(QWidget* parent)
    : QListWidget(parent)
    , m_path(QDir::toNativeSeparators(QDir::currentPath()))
{
    connect(this, &QListWidget::itemDoubleClicked, this, &FolderList::openItem);
    connect(this, &QListWidget::itemActivated, this, &FolderList::openItem);
}

void FolderList::setPath(const QString& folder)
{
    const QString host = folder.isEmpty() ? QString() : WinPath::toHost(folder);
    const QFileInfo info(host);
    if (host.isEmpty() || !info.isDir())
        throw RuntimeError(QStringLiteral("\"%1\" is not an existing folder").arg(folder));
    m_path = QDir::toNativeSeparators(QDir::cleanPath(info.absoluteFilePath()));
    refresh();
    Q_EMIT changed();
}

void FolderList::showEvent(QShowEvent* event)
{
    fill();
    QListWidget::showEvent(event);
}

void FolderList::refresh()
{
    if (isVisible())
        fill();
    else
        clear();
}

void FolderList::fill()
{
    clear();
    const QIcon folderIcon = style()->standardIcon(QStyle::SP_DirIcon);

    // The open folder and its ancestors, root first, indented by depth.
    QStringList chain;
    QDir dir(QDir::fromNativeSeparators(m_path));
    for (;;) {
        chain.prepend(dir.absolutePath());
        if (dir.isRoot() || !dir.cdUp())
            break;
    }
    int depth = 0;
    for (const QString& folder : chain) {
        const QString name = QDir(folder).isRoot() ? QDir::toNativeSeparators(folder) : QFileInfo(folder).fileName();
        auto* item = new QListWidgetItem(folderIcon, QString(depth * 2, QLatin1Char(' ')) + name, this);
        item->setData(PathRole, folder);
        ++depth;
    }
    if (QListWidgetItem* open = item(count() - 1)) {
        QFont bold = open->font();
        bold.setBold(true);
        open->setFont(bold);
        setCurrentItem(open);
    }

    const QDir current(QDir::fromNativeSeparators(m_path));
    const QStringList children = current.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& child : children) {
        auto* item = new QListWidgetItem(folderIcon, QString(depth * 2, QLatin1Char(' ')) + child, this);
        item->setData(PathRole, current.absoluteFilePath(child));
    }
}

void FolderList::openItem(QListWidgetItem* item)
{
    if (!item)
        return;
    try {
        setPath(item->data(PathRole).toString());
    } catch (const RuntimeError&) {
        refresh(); // the folder went away: show what is there now
    }
}

} // namespace runtime
