#pragma once

class PictureStandIns;
struct VisioDocumentModel;

namespace librevenge {
class RVNGInputStream;
}

// libvisio's stencil parse gives nothing for masters that are a bare
// picture (stencils made from icon files are nothing else); this puts the
// picture of such a master on its page, read from the package itself.
class VisioMasterPictures
{
public:
    // masters holds one page per master in the package's order; pages that
    // already have items are left alone. Does nothing for other formats.
    // standIns, when the package's pictures were put aside, gives them back.
    static void fillEmptyMasters(librevenge::RVNGInputStream *input, VisioDocumentModel *masters,
                                 const PictureStandIns *standIns = nullptr);
};
