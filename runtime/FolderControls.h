#pragma once

#include <QComboBox>
#include <QListWidget>
#include <QString>

namespace runtime {

// The machine's drives: drive letters on Windows; on other hosts the mounted
// volumes and the drive letters of the Wine prefix ("C:\"). It starts at the
// drive of the process's current folder, and reports a change only when
// another drive is chosen.
class DriveList : public QComboBox
{
    Q_OBJECT
public:
    explicit DriveList(QWidget* parent);

    // The chosen drive, as a path the folder list accepts.
    QString drive() const;
    void setDrive(const QString& drive);

Q_SIGNALS:
    void changed(); // the user chose another drive

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The drives are listed when the list is first needed, so a window
    // that is loaded but never shown costs nothing.
    void ensureFilled() const;
    static QString driveOf(const QString& folder, const QStringList& drives);
};

// A folder list: the open folder's ancestors above its subfolders. The user
// opens a folder by double-clicking it (or Enter); the open folder is the
// list's path. A path given with a drive letter ("C:\Games") stays in that
// form and resolves through the drive map.
class FolderList : public QListWidget
{
    Q_OBJECT
public:
    explicit FolderList(QWidget* parent);

    const QString& path() const { return m_path; }
    // Opens `folder`; throws when it names no existing folder.
    void setPath(const QString& folder);

Q_SIGNALS:
    void changed();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Entries are listed when the list is shown; a hidden list only holds
    // its path.
    void fill();
    void refresh();
    QStringList openChain() const;
    void addEntry(const QString& name, const QString& folder, int depth);
    void openItem(QListWidgetItem* item);

    QString m_path;
};

} // namespace runtime
