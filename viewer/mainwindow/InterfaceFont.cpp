#include "mainwindow/InterfaceFont.h"

#include <QFontDatabase>
#include <QStringList>

QFont InterfaceFont()
{
    QFont font;
    const QStringList families = QFontDatabase::families();
    for (const char* name : {"DejaVu Sans", "Liberation Sans", "Noto Sans"}) {
        if (families.contains(QString::fromLatin1(name), Qt::CaseInsensitive)) {
            font.setFamily(QString::fromLatin1(name));
            break;
        }
    }
    // The condensed face where the family has one: long region and colour
    // names then fit their 1695-twip labels.
    font.setStretch(QFont::SemiCondensed);
    font.setPointSize(8);
    return font;
}
