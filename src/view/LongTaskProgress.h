#pragma once

#include "DocumentPrinter.h"

#include <QString>

#include <memory>

class QProgressDialog;
class QWidget;

// Progress with Cancel for work the user waits on. The dialog appears only
// when the work runs for more than half a second, and goes with this object.
class LongTaskProgress
{
public:
    LongTaskProgress(const QString &label, QWidget *parent);
    ~LongTaskProgress();

    // For the worker: takes the steps done and the total, returns false
    // once the user has cancelled.
    DocumentPrinter::PageProgress callback();
    bool wasCancelled() const { return m_cancelled; }

private:
    bool advance(int done, int total);

    std::unique_ptr<QProgressDialog> m_dialog;
    bool m_cancelled = false;
};
