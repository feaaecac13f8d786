#pragma once

#include <QString>

// The lines printed with every page: the header names the page and carries
// our credit line, the footer the copyright notice.
inline const QString PublisherCredit = QStringLiteral("Printed with RKVViewer3");
inline const QString CopyrightNotice =
    QStringLiteral("Copyright belongs to the designer of this model. Printed copies are for personal use only.");

// "Wing (Page 2 of 5)", ten spaces and the credit line.
inline QString PageHeader(const QString& title, int page, int pageCount)
{
    return title + QStringLiteral(" (Page %1 of %2)").arg(page).arg(pageCount)
           + QString(10, QLatin1Char(' ')) + PublisherCredit;
}
