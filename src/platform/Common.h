#pragma once

#include <QString>
#include <QUrl>

#include <functional>

// Small desktop services shared by the document operations.
class Common
{
public:
    // Shows path in the desktop's file manager: its folder opens with the
    // item selected. A path that does not exist reveals nothing.
    static void revealInExplorer(const QString &path);

    // The two ways of revealing, replaceable so that tests can watch them
    // instead of starting a file manager. showItems returns whether a file
    // manager took the request.
    struct RevealBackend
    {
        std::function<bool(const QString &fileUri)> showItems;
        std::function<bool(const QUrl &folder)> openFolder;
    };
    // An empty backend restores the desktop's own.
    static void setRevealBackendForTesting(const RevealBackend &backend);
};
