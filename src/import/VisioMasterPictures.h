#pragma once

#include "PackageParts.h"

struct VisioDocumentModel;

// libvisio's stencil parse gives nothing for masters that are a bare
// picture (stencils made from icon files are nothing else); this puts the
// picture of such a master on its page, read from the package itself.
class VisioMasterPictures
{
public:
    // masters holds one page per master in the order of the package's
    // master list, mastersPart; pages that already have items are left alone.
    static void fillEmptyMasters(const PackageParts &parts, const QByteArray &mastersPart,
                                 VisioDocumentModel *masters);
};
