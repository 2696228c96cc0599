#pragma once

#include "PackageParts.h"

#include <QByteArray>
#include <QList>

// Hands libvisio a small stand-in for each picture part of a package and
// turns the stand-in back into the picture's bytes when libvisio passes it
// on to the drawing interface. libvisio reads a picture part in 4 KB pieces
// into a buffer that grows by exactly one piece at a time, copying the whole
// picture at every piece, and does so twice per parse: big pictures take
// minutes. The stand-in begins with the picture's first bytes, which is all
// libvisio looks at (the EMF signature, a BMP header it may rebuild).
class PictureStandIns
{
public:
    PictureStandIns();

    // The parts to serve: parts with every picture part (the target of an
    // image or embedded-object relationship, and of nothing else) replaced
    // by its stand-in. The pictures' bytes are kept here.
    PackageParts standIn(const PackageParts &parts);
    int count() const { return int(m_pictures.size()); }

    // The bytes of a picture as libvisio hands them over, with each stand-in
    // replaced by the picture it stands for, and a BMP file header that
    // libvisio built from a stand-in built again from the picture. Anything
    // else comes back unchanged; empty when a stand-in cannot be resolved.
    QByteArray resolve(const QByteArray &delivered) const;

private:
    struct Picture
    {
        QByteArray bytes;
        qsizetype headLength = 0; // of the picture's own bytes at the stand-in's start
    };

    // Unique per document, so no file can hold one by chance or on purpose.
    QByteArray m_marker;
    QList<Picture> m_pictures;
};
