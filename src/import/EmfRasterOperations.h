#pragma once

#include <QByteArray>

// GDI draws icons in EMF pictures by combining bitmaps with what is already
// there: one lightens the background where the icon goes (OR), the next
// darkens it with the icon (AND). libemf2svg paints every bitmap opaquely,
// so the last one covers the background with a white box.
class EmfRasterOperations
{
public:
    // A copy of emf in which each bitmap that ORs or ANDs its pixels onto the
    // picture is a PNG, transparent where those pixels leave the picture as
    // it was, and bitmaps that leave it unchanged are gone. Empty when there
    // is nothing to change. emf must pass EmfStructure::isSound; a
    // bitmap that cannot be read, or would grow past its bound, stays as it is.
    static QByteArray withMasksAsTransparency(const QByteArray &emf);
};
