#pragma once

#include <QComboBox>
#include <QListWidget>
#include <QString>

namespace runtime {

// The machine's drives: drive letters on Windows, mounted volumes on other
// hosts. It starts at the drive of the process's current folder.
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
// opens a folder by double-clicking it; the open folder is the list's path.
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
    void openItem(QListWidgetItem* item);

    QString m_path;
};

} // namespace runtime
