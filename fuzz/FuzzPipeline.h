#pragma once

#include <QByteArray>

// What each fuzz target does with one input; the regression test replays
// saved findings through the same calls.
class FuzzPipeline
{
public:
    // Imports from memory, builds the scene and paints page 1 small.
    // True when the input gave a page.
    static bool runDocument(const QByteArray &bytes);
    // Converts a Windows metafile or, for anything else, an EMF picture.
    // True when a picture came out.
    static bool runPicture(const QByteArray &bytes);
};
