#pragma once

#include <QImage>
#include <QString>

namespace runtime {

// The 8-bit text of a stock text carried in the program's resources
// (":/stock/..."), every byte as it stands in the file.
QString stockText(const QString& resourcePath);

// A picture carried in the resources. An uncompressed 32-bit bitmap whose
// rows run from the top is used where it lies in the program's image,
// neither decoded nor copied; any other picture is decoded.
QImage resourcePicture(const QString& resourcePath);

// The program's contact address, shown by the main menu and the about box.
inline QString contactAddress()
{
    return QStringLiteral("sorvane@example.org");
}

} // namespace runtime
