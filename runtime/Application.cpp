#include "Application.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

namespace runtime {

void setUpApplicationLook()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                QStringLiteral("DejaVu Sans")});
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    QApplication::setFont(font);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.png")));
}

} // namespace runtime
