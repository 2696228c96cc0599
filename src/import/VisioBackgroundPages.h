#pragma once

#include <QByteArray>
#include <QList>

struct VisioDocumentModel;

// Background pages: libvisio draws each behind the pages that use it and then
// once more as a page of its own after all the others. Visio shows them only
// behind their pages, so the model keeps them apart, decided from the package's
// own page list (the Background attribute of pages.xml or of a .vdx's pages).
class VisioBackgroundPages
{
public:
    // One flag per page in the file's order, true for backgrounds; empty
    // when the drawing has none or says nothing. xml is a package's page
    // list or a whole XML drawing (.vdx).
    static QList<bool> fromPageList(const QByteArray &xml);
    // Moves libvisio's trailing background pages from pages to
    // backgroundPages; nothing changes when the counts do not match.
    static void separate(VisioDocumentModel &model, const QList<bool> &backgrounds);
};
