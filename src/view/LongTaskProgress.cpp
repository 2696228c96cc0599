#include "LongTaskProgress.h"

#include <QProgressDialog>

#include <algorithm>

LongTaskProgress::LongTaskProgress(const QString &label, QWidget *parent)
    : m_dialog(std::make_unique<QProgressDialog>(label, QProgressDialog::tr("Cancel"), 0, 1, parent))
{
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setMinimumDuration(500);
    m_dialog->setAutoReset(false);
    m_dialog->setAutoClose(false);
    // Starts the clock for the half second.
    m_dialog->setValue(0);
}

LongTaskProgress::~LongTaskProgress() = default;

DocumentPrinter::PageProgress LongTaskProgress::callback()
{
    return [this](int done, int total) { return advance(done, total); };
}

bool LongTaskProgress::advance(int done, int total)
{
    if (m_dialog->maximum() != total)
        m_dialog->setMaximum(std::max(total, 1));
    // A window-modal dialog handles its events here, Cancel included.
    m_dialog->setValue(std::min(done, m_dialog->maximum()));
    m_cancelled = m_cancelled || m_dialog->wasCanceled();
    return !m_cancelled;
}
