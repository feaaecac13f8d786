#pragma once

#include <QFileInfo>
#include <QString>

// The lines printed with every page: the header names the page and carries
// our credit line, the footer the copyright notice.
inline const QString PublisherCredit = QStringLiteral("Printed with RKVViewer3");
inline const QString CopyrightNotice =
    QStringLiteral("Copyright belongs to the designer of this model. Printed copies are for personal use only.");

// "Wing (Page 2 of 5)".
inline QString PageLabel(const QString& title, int page, int pageCount)
{
    return title + QStringLiteral(" (Page %1 of %2)").arg(page).arg(pageCount);
}

// "Wing (Page 2 of 5)", ten spaces and the credit line.
inline QString PageHeader(const QString& title, int page, int pageCount)
{
    return PageLabel(title, page, pageCount) + QString(10, QLatin1Char(' ')) + PublisherCredit;
}

// The title of a print job (a PDF's document title): the model's name (its
// manifest's name without the extension), and for a job of one page that
// page: "Cottage - Walls (Page 2 of 4)".
inline QString DocumentTitle(const QString& manifestName, const QString& pageTitle, int page, int pageCount,
                             bool onePage)
{
    const QString model = QFileInfo(manifestName).completeBaseName();
    return onePage ? model + QStringLiteral(" - ") + PageLabel(pageTitle, page, pageCount) : model;
}
