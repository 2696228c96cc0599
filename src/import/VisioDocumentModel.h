#pragma once

#include "VisioPage.h"

#include <QDateTime>
#include <QList>
#include <QString>

struct VisioDocumentModel
{
    VisioDocumentModel() = default;
    VisioDocumentModel(const VisioDocumentModel &) = default;
    VisioDocumentModel(VisioDocumentModel &&) = default;
    VisioDocumentModel &operator=(const VisioDocumentModel &) = default;
    VisioDocumentModel &operator=(VisioDocumentModel &&) = default;
    ~VisioDocumentModel();

    QList<VisioPage> pages;
    // Pages drawn only behind others; not shown as pages of their own.
    QList<VisioPage> backgroundPages;
    QString fileName; // without directory
    QString title;
    QString creator;
    QDateTime creationDate;
};
