#include "Resources.h"

#include <QFile>
#include <QResource>
#include <QtEndian>

namespace runtime {

QString stockText(const QString& resourcePath)
{
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing resource %s", qPrintable(resourcePath));
    return QString::fromLatin1(file.readAll());
}

QImage resourcePicture(const QString& resourcePath)
{
    const QResource resource(resourcePath);
    const uchar* bytes = resource.data();
    const qint64 size = resource.size();
    if (bytes && resource.compressionAlgorithm() == QResource::NoCompression && size >= 54 && bytes[0] == 'B'
        && bytes[1] == 'M') {
        const quint32 pixelsAt = qFromLittleEndian<quint32>(bytes + 10);
        const qint32 width = qFromLittleEndian<qint32>(bytes + 18);
        const qint32 height = -qFromLittleEndian<qint32>(bytes + 22); // negative: from the top
        const quint16 bitsPerPixel = qFromLittleEndian<quint16>(bytes + 28);
        const quint32 compression = qFromLittleEndian<quint32>(bytes + 30);
        if (bitsPerPixel == 32 && compression == 0 && width > 0 && height > 0
            && pixelsAt + qint64(width) * height * 4 <= size)
            return QImage(bytes + pixelsAt, width, height, width * 4, QImage::Format_RGB32);
    }
    return QImage(resourcePath);
}

} // namespace runtime
