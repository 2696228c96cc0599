#include "ShellResources.h"

#include <QtGlobal>

static void registerPictures()
{
    Q_INIT_RESOURCE(plandraw_img);
}

void ShellResources::ensureLoaded()
{
    static const bool loaded = (registerPictures(), true);
    Q_UNUSED(loaded);
}
