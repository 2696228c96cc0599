#pragma once

#include <QJsonObject>

struct VisioDocumentModel;

// A JSON description of a document model for scripts: metadata, and per
// page its name, size in inches, layers and item counts.
class DocumentSummary
{
public:
    static QJsonObject toJson(const VisioDocumentModel &model);
};
