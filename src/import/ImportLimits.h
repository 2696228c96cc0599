#pragma once

#include <QtGlobal>

// Ceilings on what one drawing may make the import hold. Each is far beyond
// any real drawing, so they only stop damaged or hostile files from turning
// into gigabytes of model or minutes of work. The viewer and the fuzzing
// harness share them.
namespace ImportLimits {

// Largest file the import reads at all.
constexpr qint64 maxInputBytes = qint64(512) * 1024 * 1024;
// Largest file a file manager's thumbnailer reads: a bigger drawing could
// not be read within the thumbnailer's time limit anyway.
constexpr qint64 maxThumbnailInputBytes = qint64(32) * 1024 * 1024;
// Parts of a package (.vsdx and its kin): how many it may list, how large
// one may inflate (a 256 MB picture is about 9000 x 9000 pixels, past what
// the image readers decode anyway), and how much all of them together.
constexpr qint64 maxPackageParts = 100000;
constexpr qint64 maxPartBytes = qint64(256) * 1024 * 1024;
constexpr qint64 maxPackageBytes = qint64(1024) * 1024 * 1024;
// Pages beyond this one are dropped.
constexpr int maxPages = 2000;
// Shapes, texts and pictures of one page, each counted on its own.
constexpr int maxItemsPerPage = 200000;
// Deeper groups share the state of the group at this depth.
constexpr int maxGroupDepth = 256;
// Characters of one text object; the rest is dropped.
constexpr int maxTextLength = 1000000;

// Elements of a theme part; a larger one is not read and the drawing keeps
// libvisio's defaults.
constexpr int maxThemeElements = 100000;
// Variations and style-list entries read from a theme; the rest are ignored.
constexpr int maxThemeListEntries = 64;
// Steps through style sheets and masters when looking for a cell's value.
constexpr int maxInheritanceDepth = 32;
// Distinct combinations of theme context and formulas remembered while
// resolving; a drawing with more works the rest out one by one.
constexpr int maxThemeEvaluationsCached = 4096;
// A part that theme resolution would grow beyond this is left as it was.
constexpr qint64 maxResolvedPartBytes = qint64(256) * 1024 * 1024;

// A bitmap of an EMF picture redrawn with transparency may take this many
// times its record's bytes, plus room for a PNG's own chunks; a larger one
// is drawn as it was.
constexpr qint64 maxRedrawnBitmapGrowth = 4;
constexpr qint64 redrawnBitmapSlackBytes = 4096;

} // namespace ImportLimits
