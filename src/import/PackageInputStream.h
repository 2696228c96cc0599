#pragma once

#include "PackageParts.h"

#include <librevenge-stream/librevenge-stream.h>

#include <QByteArray>

// Serves libvisio the parts of a package from memory, as librevenge's own
// zip streams would from the file: the package is a structured stream whose
// sub-streams are its parts. Each sub-stream shares its part's bytes, and
// reads give no more than asked for (libxml2 copies what it gets into a
// buffer of the size it asked for).
class PackageInputStream : public librevenge::RVNGInputStream
{
public:
    explicit PackageInputStream(PackageParts parts);

    bool isStructured() override { return true; }
    unsigned subStreamCount() override;
    const char *subStreamName(unsigned id) override;
    bool existsSubStream(const char *name) override;
    librevenge::RVNGInputStream *getSubStreamByName(const char *name) override;
    librevenge::RVNGInputStream *getSubStreamById(unsigned id) override;
    // The package itself has no bytes of its own.
    const unsigned char *read(unsigned long numBytes, unsigned long &numBytesRead) override;
    int seek(long offset, librevenge::RVNG_SEEK_TYPE seekType) override;
    long tell() override { return 0; }
    bool isEnd() override { return true; }

private:
    PackageParts m_parts;
};
