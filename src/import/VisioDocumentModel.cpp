#include "VisioDocumentModel.h"

#include <QDebug>

VisioDocumentModel::~VisioDocumentModel()
{
    qDebug() << "~VisioDocumentModel";
}
