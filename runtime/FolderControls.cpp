#include "FolderControls.h"

#include "files/RuntimeError.h"
#include "files/WinPath.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>

namespace runtime {

namespace {

constexpr int PathRole = Qt::UserRole;
constexpr int DepthRole = Qt::UserRole + 1;

struct Drive {
    QString caption;
    QString path;
};

// The drive letters of the Wine prefix: each link "c:" in its drive map
// that leads to a folder, as the Windows path of its root ("C:\").
QList<Drive> wineDrives()
{
    QList<Drive> drives;
    const QDir map(WinPath::driveMapFolder());
    const QStringList links = map.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& link : links) {
        const bool letter = link.size() == 2 && link.at(1) == QLatin1Char(':') && link.at(0).isLetter()
            && link.at(0).unicode() < 128;
        if (letter && QFileInfo(map.filePath(link)).isDir()) {
            const QString root = link.toUpper() + QLatin1Char('\\');
            drives << Drive{root + QStringLiteral("  (Wine)"), root};
        }
    }
    return drives;
}

QList<Drive> machineDrives()
{
    QStringList roots;
#ifdef Q_OS_WIN
    const auto drives = QDir::drives();
    for (const QFileInfo& root : drives)
        roots << QDir::toNativeSeparators(root.absoluteFilePath());
#else
    const auto volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo& volume : volumes) {
        if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath()))
            roots << volume.rootPath();
    }
    if (!roots.contains(QStringLiteral("/")))
        roots.prepend(QStringLiteral("/"));
#endif
    roots.sort();
    QList<Drive> drives;
    for (const QString& root : roots)
        drives << Drive{root, root};
#ifndef Q_OS_WIN
    drives << wineDrives();
#endif
    return drives;
}

bool isWindowsPath(const QString& path)
{
    return path.size() >= 2 && path.at(1) == QLatin1Char(':') && path.at(0).isLetter() && path.at(0).unicode() < 128;
}

// A Windows folder path in one spelling: backslashes, none doubled, none at
// the end but the root's ("C:\"). Letter case stays as given.
QString cleanWindowsPath(const QString& path)
{
    QString clean = path;
    clean.replace(QLatin1Char('/'), QLatin1Char('\\'));
    while (clean.contains(QLatin1String("\\\\")))
        clean.replace(QLatin1String("\\\\"), QLatin1String("\\"));
    if (clean.size() > 3 && clean.endsWith(QLatin1Char('\\')))
        clean.chop(1);
    if (clean.size() == 2)
        clean += QLatin1Char('\\');
    return clean;
}

// Draws each entry indented by its depth, so the names themselves carry no
// leading blanks and typing a name's first letters finds it.
class IndentDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    static constexpr int Step = 10;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem indented = option;
        indented.rect.setLeft(option.rect.left() + Step * index.data(DepthRole).toInt());
        QStyledItemDelegate::paint(painter, indented, index);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(Step * index.data(DepthRole).toInt(), 0);
    }
};

} // namespace

// ------------------------------------------------------------------ DriveList

DriveList::DriveList(QWidget* parent)
    : QComboBox(parent)
{
    // Only a real change of drive counts: choosing the drive that is already
    // shown changes nothing.
    connect(this, &QComboBox::currentIndexChanged, this, [this] { Q_EMIT changed(); });
}

void DriveList::ensureFilled() const
{
    if (count() > 0)
        return;
    auto* self = const_cast<DriveList*>(this);
    const QSignalBlocker blocker(self);
    QStringList roots;
    const QList<Drive> drives = machineDrives();
    for (const Drive& drive : drives) {
        self->addItem(drive.caption, drive.path);
        roots << drive.path;
    }
    self->setCurrentIndex(std::max(0, static_cast<int>(roots.indexOf(driveOf(QDir::currentPath(), roots)))));
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
    const QVariant path = currentData(PathRole);
    return path.isValid() ? path.toString() : currentText();
}

void DriveList::setDrive(const QString& drive)
{
    ensureFilled();
    const int index = findData(drive, PathRole);
    if (index >= 0)
        setCurrentIndex(index);
}

// ----------------------------------------------------------------- FolderList

FolderList::FolderList(QWidget* parent)
    : QListWidget(parent)
    , m_path(QDir::toNativeSeparators(QDir::currentPath()))
{
    setItemDelegate(new IndentDelegate(this));
    setIconSize(QSize(16, 16));
    connect(this, &QListWidget::itemDoubleClicked, this, &FolderList::openItem);
    connect(this, &QListWidget::itemActivated, this, &FolderList::openItem);
}

void FolderList::setPath(const QString& folder)
{
    // A Windows path (a drive letter of the drive map) stays a Windows path,
    // so the folder is kept in the form it was chosen in.
    const bool windows = isWindowsPath(folder);
    const QString path = windows ? cleanWindowsPath(folder) : folder;
    const QString host = path.isEmpty() ? QString() : WinPath::toHost(path);
    const QFileInfo info(host);
    if (host.isEmpty() || !info.isDir())
        throw RuntimeError(QStringLiteral("\"%1\" is not an existing folder").arg(folder));
    m_path = windows ? path : QDir::toNativeSeparators(QDir::cleanPath(info.absoluteFilePath()));
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

QStringList FolderList::openChain() const
{
    // The open folder and its ancestors, root first.
    QStringList chain;
    if (isWindowsPath(m_path)) {
        QString folder = m_path.left(3);
        chain << folder;
        const QStringList names = m_path.mid(3).split(QLatin1Char('\\'), Qt::SkipEmptyParts);
        for (const QString& name : names) {
            folder += (folder.endsWith(QLatin1Char('\\')) ? QString() : QStringLiteral("\\")) + name;
            chain << folder;
        }
        return chain;
    }
    QDir dir(QDir::fromNativeSeparators(m_path));
    for (;;) {
        chain.prepend(QDir::toNativeSeparators(dir.absolutePath()));
        if (dir.isRoot() || !dir.cdUp())
            break;
    }
    return chain;
}

void FolderList::addEntry(const QString& name, const QString& folder, int depth)
{
    auto* item = new QListWidgetItem(style()->standardIcon(QStyle::SP_DirIcon), name, this);
    item->setData(PathRole, folder);
    item->setData(DepthRole, depth);
}

void FolderList::fill()
{
    clear();
    const bool windows = isWindowsPath(m_path);
    const QChar separator = windows ? QLatin1Char('\\') : QDir::separator();

    // Ancestors above the open folder, each indented one step deeper.
    const QStringList chain = openChain();
    int depth = 0;
    for (const QString& folder : chain) {
        const QString name = depth == 0 ? folder : folder.section(separator, -1);
        addEntry(name, folder, depth++);
    }
    if (QListWidgetItem* open = item(count() - 1)) {
        QFont bold = open->font();
        bold.setBold(true);
        open->setFont(bold);
        setCurrentItem(open);
    }

    // The open folder's subfolders, hidden ones too (a Wine prefix is one).
    const QDir current(WinPath::toHost(m_path));
    const QStringList children = current.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot,
                                                   QDir::Name | QDir::IgnoreCase);
    const QString stem = m_path.endsWith(separator) ? m_path : m_path + separator;
    for (const QString& child : children)
        addEntry(child, stem + child, depth);
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
