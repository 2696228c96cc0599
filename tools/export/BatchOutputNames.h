#pragma once

#include "BatchItem.h"

#include <QCoreApplication>
#include <QList>

// Gives every drawing of a batch run an output name of its own. Drawings
// that would share one (a.vsd and a.vsdx in one folder) keep their own
// suffix in it (a.vsd.pdf, a.vsdx.pdf), and a number when even that is
// taken. Names are compared without regard to case, so that the outputs
// can also live on file systems that ignore it.
class BatchOutputNames
{
    Q_DECLARE_TR_FUNCTIONS(BatchOutputNames)

public:
    // format: the output suffix, such as "pdf". Renamed items get a reason.
    static void assign(QList<BatchItem> *items, const QString &format);
};
