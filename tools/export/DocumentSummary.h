#pragma once

#include <QJsonObject>
#include <QString>

struct VisioDocumentModel;

// A JSON description of a document model for scripts: metadata, and per
// page its name, size in inches, layers and item counts.
class DocumentSummary
{
public:
    static QJsonObject toJson(const VisioDocumentModel &model);

    // One line per page, then one per layer: its number, its name in JSON
    // quotes (so that empty and odd names stay visible), "visible" or
    // "hidden", and "print" or "no-print". Entries that collect items whose
    // layers the file does not name show their kind in brackets instead.
    static QString layerListing(const VisioDocumentModel &model);
};
