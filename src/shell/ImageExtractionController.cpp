#include "ImageExtractionController.h"

#include "AppConfig.h"
#include "Common.h"
#include "DocumentTabWidget.h"
#include "EmbeddedImageExporter.h"
#include "LongTaskProgress.h"
#include "NativeMessageBox.h"

#include <QFileDialog>
#include <QFileInfo>

ImageExtractionController::ImageExtractionController(QWidget *window)
    : m_window(window)
{
}

void ImageExtractionController::extractFrom(DocumentTabWidget *tab)
{
    if (!tab)
        return;
    const QString directory = QFileDialog::getExistingDirectory(
        m_window, tr("Select Export Directory"), AppConfig::instance()->getLastSavePath(),
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (directory.isEmpty())
        return;
    extractInto(tab, directory);
}

bool ImageExtractionController::extractInto(DocumentTabWidget *tab, const QString &directory)
{
    if (!tab)
        return false;
    const QFileInfo info(directory);
    if (!info.isDir() || !info.isWritable()) {
        NativeMessageBox::warning(m_window, tr("Error"),
                                  tr("Directory does not exist or is not writable!"));
        return false;
    }
    AppConfig::instance()->setLastSavePath(directory);

    EmbeddedImageExporter::Result result;
    {
        LongTaskProgress progress(tr("Extracting images..."), m_window);
        result = tab->exportImages(directory, progress.callback());
    }
    switch (result.outcome) {
    case EmbeddedImageExporter::Exported:
        Common::revealInExplorer(result.exportDir);
        return true;
    case EmbeddedImageExporter::NoImages:
        NativeMessageBox::info(m_window, tr("Export Images"),
                               tr("This document does not contain any images."));
        break;
    case EmbeddedImageExporter::Cancelled:
        NativeMessageBox::info(m_window, tr("Export Images"),
                               tr("Extraction cancelled. %n picture(s) saved in %1.", nullptr,
                                  result.saved)
                                   .arg(result.exportDir));
        break;
    case EmbeddedImageExporter::Failed:
        NativeMessageBox::warning(m_window, tr("Export Failed"), result.errorText);
        break;
    }
    return false;
}
