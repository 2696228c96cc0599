#pragma once

// The pictures under :/img/ live in this static library; anything that shows
// them calls ensureLoaded() first so the linker keeps them and Qt registers them.
class ShellResources
{
public:
    static void ensureLoaded();
};
