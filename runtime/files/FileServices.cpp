#include "FileServices.h"

#include "RuntimeError.h"
#include "WinPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace runtime {

namespace {

QString g_programFolderOverride;
Files::WriteFault g_writeFault;

QString writeFailure(const QString& hostPath, const QString& reason)
{
    return QStringLiteral("Could not write \"%1\": %2").arg(QDir::toNativeSeparators(hostPath), reason);
}

QString unwritableCharacter(const QString& hostPath, QChar c)
{
    return writeFailure(hostPath, QStringLiteral("the text holds the character \"%1\" (U+%2), which an 8-bit file "
                                                 "cannot hold")
                                      .arg(c)
                                      .arg(c.unicode(), 4, 16, QLatin1Char('0'))
                                      .toUpper());
}

// Windows refuses to write or delete a read-only file, even for an
// administrator; a file without any write permission is taken as such,
// even where the process could write it (root).
bool isReadOnly(const QFileInfo& info)
{
    constexpr auto anyWrite = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return info.exists() && !(info.permissions() & anyWrite);
}

const QString ReadOnly = QStringLiteral("the file is read-only");

// The new file of a replace takes the owner, group and mode of the file it
// replaces, as far as the process may set them: root sets all three, a
// user the group where it is one of theirs, and the mode.
void keepOwnerAndMode([[maybe_unused]] QSaveFile& file, [[maybe_unused]] const QString& hostPath)
{
#ifdef Q_OS_UNIX
    struct stat old {};
    if (::stat(QFile::encodeName(hostPath).constData(), &old) != 0)
        return; // a new file
    const int handle = file.handle();
    if (::fchown(handle, old.st_uid, old.st_gid) != 0) {
        // Not root: the program's user owns the new file; the group may be kept.
        [[maybe_unused]] const int groupKept = ::fchown(handle, static_cast<uid_t>(-1), old.st_gid);
    }
    // After the owner: a change of owner may clear the set-id bits.
    ::fchmod(handle, old.st_mode & 07777);
#endif
}

QString injectedFault(const QString& hostPath)
{
    return g_writeFault ? g_writeFault(hostPath) : QString();
}

// Writes all of `bytes`; throws with the reason otherwise. A write the file
// system cuts short is continued: Qt gives no reason for a short write, but
// the next attempt is refused at once with the system's own ("No space left
// on device").
void writeAll(QSaveFile& file, const QString& hostPath, const QByteArray& bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            throw RuntimeError(writeFailure(hostPath, file.errorString()));
        done += written;
    }
}

void commit(QSaveFile& file, const QString& hostPath)
{
    // QSaveFile::commit() can report success for data still in its buffer on
    // a full disk; flushing first makes such a failure visible. A flush cut
    // short is continued as in writeAll, to learn its reason.
    qint64 pending = file.bytesToWrite();
    while (!file.flush()) {
        if (file.bytesToWrite() >= pending)
            throw RuntimeError(writeFailure(hostPath, file.errorString()));
        pending = file.bytesToWrite();
    }
    const QString fault = injectedFault(hostPath);
    if (!fault.isEmpty()) {
        file.cancelWriting();
        throw RuntimeError(writeFailure(hostPath, fault));
    }
    if (!file.commit())
        throw RuntimeError(writeFailure(hostPath, file.errorString()));
}

std::unique_ptr<QSaveFile> openForWriting(const QString& hostPath)
{
    if (QFileInfo(hostPath).isDir())
        throw RuntimeError(writeFailure(hostPath, QStringLiteral("a folder of that name is in the way")));
    if (isReadOnly(QFileInfo(hostPath)))
        throw RuntimeError(writeFailure(hostPath, ReadOnly));
    auto file = std::make_unique<QSaveFile>(hostPath);
    if (!file->open(QIODevice::WriteOnly)) {
        const QString folder = QFileInfo(hostPath).absolutePath();
        const QString reason = QFileInfo(folder).isDir() ? file->errorString()
                                                         : QStringLiteral("the folder does not exist");
        throw RuntimeError(writeFailure(hostPath, reason));
    }
    keepOwnerAndMode(*file, hostPath);
    return file;
}

} // namespace

namespace Files {

QString programFolder()
{
    if (!g_programFolderOverride.isEmpty())
        return g_programFolderOverride;
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

void setProgramFolder(const QString& folder)
{
    g_programFolderOverride = folder;
}

void setWriteFault(WriteFault fault)
{
    g_writeFault = std::move(fault);
}

QByteArray encode8Bit(const QString& text, const QString& pathForMessage)
{
    if (QtPrivate::isLatin1(text))
        return text.toLatin1();
    for (const QChar c : text) {
        if (c.unicode() > 0xFF)
            throw RuntimeError(unwritableCharacter(pathForMessage, c));
    }
    return text.toLatin1();
}

QString decode8Bit(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes);
}

void check8Bit(const QString& path, const QString& text)
{
    const auto wide = std::find_if(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() > 0xFF; });
    if (wide != text.cend())
        throw RuntimeError(unwritableCharacter(WinPath::toHost(path), *wide));
}

void writeWholeText(const QString& path, const QString& text)
{
    writeWholeText(HostPath{WinPath::toHost(path)}, text);
}

void writeWholeText(const HostPath& path, const QString& text)
{
    const QString& hostPath = path.path;
    if (!QtPrivate::isLatin1(text))
        encode8Bit(text, hostPath); // throws: nothing is written
    auto file = openForWriting(hostPath);
    // The text goes out in slices, each encoded into memory the last one
    // freed: a large text is never copied whole into fresh pages.
    constexpr qsizetype Slice = 64 * 1024;
    const QStringView whole = text;
    for (qsizetype at = 0; at < whole.size(); at += Slice)
        writeAll(*file, hostPath, whole.sliced(at, std::min(Slice, whole.size() - at)).toLatin1());
    writeAll(*file, hostPath, QByteArrayLiteral("\r\n"));
    commit(*file, hostPath);
}

void deleteFile(const QString& path)
{
    const auto deleteFailure = [](const QString& hostPath, const QString& reason) {
        return RuntimeError(
            QStringLiteral("Could not delete \"%1\": %2").arg(QDir::toNativeSeparators(hostPath), reason));
    };
    // On a disk that tells letter case apart, each of these names is the
    // file: one left behind would be read as it.
    const QStringList hostPaths = WinPath::toHostCaseVariants(path);
    if (hostPaths.isEmpty())
        throw deleteFailure(WinPath::toHost(path), QStringLiteral("there is no such file"));
    for (const QString& hostPath : hostPaths) {
        const QFileInfo info(hostPath);
        if (info.isDir())
            throw deleteFailure(hostPath, QStringLiteral("it is a folder"));
        if (isReadOnly(info))
            throw deleteFailure(hostPath, ReadOnly);
    }
    for (const QString& hostPath : hostPaths) {
        QFile file(hostPath);
        if (!file.remove())
            throw deleteFailure(hostPath, file.errorString());
    }
}

QByteArray readWholeFile(const QString& path, qint64 maxBytes)
{
    return readWholeFile(HostPath{WinPath::toHost(path)}, maxBytes);
}

QByteArray readWholeFile(const HostPath& path, qint64 maxBytes)
{
    const QString& hostPath = path.path;
    if (hostPath.isEmpty() || QFileInfo(hostPath).isDir())
        throw RuntimeError(QStringLiteral("Could not read \"%1\": there is no such file")
                               .arg(QDir::toNativeSeparators(hostPath)));
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly))
        throw RuntimeError(QStringLiteral("Could not read \"%1\": %2")
                               .arg(QDir::toNativeSeparators(hostPath), file.errorString()));
    QByteArray bytes = maxBytes < 0 ? file.readAll() : file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw RuntimeError(QStringLiteral("Could not read \"%1\": %2")
                               .arg(QDir::toNativeSeparators(hostPath), file.errorString()));
    if (maxBytes >= 0 && bytes.size() > maxBytes)
        throw RuntimeError(QStringLiteral("Could not read \"%1\": the file is longer than %2 bytes")
                               .arg(QDir::toNativeSeparators(hostPath))
                               .arg(maxBytes));
    return bytes;
}

QString decodeSettingsText(const QByteArray& bytes)
{
    // Bytes that are no valid UTF-8 are Latin-1; the writer keeps Latin-1
    // only for texts whose bytes read back that way.
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

QByteArray encodeSettingsText(const QString& text, const QString& pathForMessage)
{
    bool latin1 = true;
    for (const QChar c : text)
        latin1 = latin1 && c.unicode() <= 0xFF;
    if (latin1) {
        const QByteArray bytes = text.toLatin1();
        if (decodeSettingsText(bytes) == text)
            return bytes;
    }
    QStringEncoder encoder(QStringConverter::Utf8);
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError() || decodeSettingsText(bytes) != text)
        throw RuntimeError(writeFailure(pathForMessage, QStringLiteral("the text is not valid Unicode")));
    return bytes;
}

void writeSettingsText(const QString& path, const QString& text)
{
    // The bytes, one character each, go through the whole-text write.
    const QByteArray bytes = encodeSettingsText(text, WinPath::toHost(path));
    writeWholeText(path, QString::fromLatin1(bytes));
}

} // namespace Files

LineWriter::LineWriter(const QString& path)
    : m_hostPath(WinPath::toHost(path))
    , m_file(openForWriting(m_hostPath))
{
}

LineWriter::~LineWriter() = default; // an uncommitted QSaveFile leaves the old file

void LineWriter::writeLine(const QString& value)
{
    if (!m_file)
        throw RuntimeError(writeFailure(m_hostPath, QStringLiteral("the file is closed")));
    writeAll(*m_file, m_hostPath, Files::encode8Bit(value, m_hostPath) + QByteArrayLiteral("\r\n"));
}

void LineWriter::close()
{
    if (!m_file)
        return;
    auto file = std::move(m_file);
    commit(*file, m_hostPath);
}

LineReader::LineReader(const QString& path)
    : m_hostPath(WinPath::toHost(path))
{
    auto file = std::make_unique<QFile>(m_hostPath);
    if (QFileInfo(m_hostPath).isDir() || !file->open(QIODevice::ReadOnly))
        throw RuntimeError(QStringLiteral("Could not read \"%1\": %2")
                               .arg(QDir::toNativeSeparators(m_hostPath), file->errorString()));
    m_file = std::move(file);
}

LineReader::~LineReader() = default;

QString LineReader::readLine()
{
    if (!m_file || m_file->atEnd()) {
        close();
        throw RuntimeError(QStringLiteral("Could not read \"%1\": no more lines")
                               .arg(QDir::toNativeSeparators(m_hostPath)));
    }
    // A longer line than a settings line can be is a damaged file: the read
    // stops after the limit instead of taking the whole line into memory.
    QByteArray line = m_file->readLine(Files::MaxSettingsLine + 3);
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    if (line.size() > Files::MaxSettingsLine) {
        close();
        throw RuntimeError(QStringLiteral("Could not read \"%1\": a line is longer than %2 characters")
                               .arg(QDir::toNativeSeparators(m_hostPath))
                               .arg(Files::MaxSettingsLine));
    }
    return Files::decode8Bit(line);
}

void LineReader::close()
{
    m_file.reset();
}

} // namespace runtime
