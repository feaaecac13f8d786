#include "InterfaceFont.h"

#include <QFontDatabase>
#include <QStringList>

QFont InterfaceFont()
{
    QFont font;
    const QStringList families = QFontDatabase::families();
    for (const char* name : {"DejaVu Sans Condensed", "Liberation Sans Narrow", "DejaVu Sans",
                             "Liberation Sans"}) {
        if (families.contains(QString::fromLatin1(name), Qt::CaseInsensitive)) {
            font.setFamily(QString::fromLatin1(name));
            break;
        }
    }
    font.setPointSize(8);
    return font;
}
