#include "Resources.h"

#include <QFile>

namespace runtime {

QString stockText(const QString& resourcePath)
{
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing resource %s", qPrintable(resourcePath));
    return QString::fromLatin1(file.readAll());
}

} // namespace runtime
