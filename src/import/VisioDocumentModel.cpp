#include "VisioDocumentModel.h"

#include "LogCategories.h"

#include <QDebug>

VisioDocumentModel::~VisioDocumentModel()
{
    qCDebug(lcImport) << "~VisioDocumentModel";
}
