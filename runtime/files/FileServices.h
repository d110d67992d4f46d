#pragma once

#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <QString>

#include <functional>
#include <memory>

namespace runtime {

// The file operations every window goes through. Paths are Windows-style
// paths (see WinPath); text is 8-bit (Latin-1), so every byte of a file
// survives a load and a save unchanged. Every operation throws RuntimeError
// when it fails.
namespace Files {

// A path the host handed over, such as a file dialog's answer: the file
// the user chose, used exactly as it stands and never read as a Windows
// path (no letter case is ignored, and a backslash is part of a name).
struct HostPath {
    QString path;
};

// Folder of the program's executable, without a trailing separator.
QString programFolder();
// Points the program's folder elsewhere (tests); an empty text restores it.
void setProgramFolder(const QString& folder);

// Replaces the file with `text` followed by CR LF. The old file stays
// whole when anything fails. A file without any write permission is
// refused as read-only; a replaced file keeps its owner, group and mode
// wherever the program may set them (the same holds for LineWriter).
void writeWholeText(const QString& path, const QString& text);
void writeWholeText(const HostPath& path, const QString& text);

// Deletes the file, under every name that differs from it only in letter
// case; fails when there is no such file or when one is read-only, and
// then deletes none.
void deleteFile(const QString& path);

// Settings files hold short lines (a number, "True", a folder path). A line
// longer than this, without its line end, fails as a read error.
inline constexpr qint64 MaxSettingsLine = 64 * 1024;
// The most a settings file read whole may hold: one such line and CR LF.
inline constexpr qint64 MaxSettingsFile = MaxSettingsLine + 2;

// The whole content of a readable file. With a limit, a longer file fails
// without being read whole.
QByteArray readWholeFile(const QString& path, qint64 maxBytes = -1);
QByteArray readWholeFile(const HostPath& path, qint64 maxBytes = -1);

QByteArray encode8Bit(const QString& text, const QString& pathForMessage);
// Fails as writing `text` into the file at `path` would when it holds a
// character an 8-bit file cannot hold; a save checks each of its texts so
// before its first file changes.
void check8Bit(const QString& path, const QString& text);
QString decode8Bit(const QByteArray& bytes);

// Settings files that hold host paths or names (the game folder, the mod)
// keep 8-bit Latin-1 bytes while Latin-1 can hold the text, and are UTF-8
// otherwise; either form reads back as exactly the text written.
void writeSettingsText(const QString& path, const QString& text); // text and CR LF
QByteArray encodeSettingsText(const QString& text, const QString& pathForMessage);
QString decodeSettingsText(const QByteArray& bytes);

// Test hook: a write to a host path for which the function returns a
// non-empty reason fails with that reason after its data went out, as a
// full disk would. An empty function removes the hook.
using WriteFault = std::function<QString(const QString& hostPath)>;
void setWriteFault(WriteFault fault);

} // namespace Files

// Writes a settings file line by line: created as 8-bit text, replacing any
// existing file once closed. Destroyed unclosed, it leaves the old file.
class LineWriter
{
public:
    explicit LineWriter(const QString& path);
    ~LineWriter();
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    void writeLine(const QString& value); // the value and CR LF
    void close();

private:
    QString m_hostPath;
    std::unique_ptr<QSaveFile> m_file;
};

// Reads a settings file line by line; the file must exist. A read past the
// last line fails, and a failed reader is closed at once.
class LineReader
{
public:
    explicit LineReader(const QString& path);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    QString readLine(); // the next line without its line end
    void close();

private:
    QString m_hostPath;
    std::unique_ptr<QFile> m_file;
};

} // namespace runtime
