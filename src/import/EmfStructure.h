#pragma once

#include <QByteArray>

// Checks the record framing of an EMF picture before it reaches libemf2svg,
// which trusts record sizes and reads past its buffer when they lie.
class EmfStructure
{
public:
    // True when the header is sound and every record, and every EMF+ record
    // inside a comment, lies within its container, up to the end-of-file record.
    static bool isSound(const QByteArray &emf);
};
