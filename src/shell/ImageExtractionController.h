#pragma once

#include <QCoreApplication>
#include <QString>

class DocumentTabWidget;
class QWidget;

// The main window's Extract Images command: asks for a folder, writes the
// current document's pictures there and tells the user how it went.
class ImageExtractionController
{
    Q_DECLARE_TR_FUNCTIONS(ImageExtractionController)

public:
    explicit ImageExtractionController(QWidget *window);

    // The folder dialog, then extractInto.
    void extractFrom(DocumentTabWidget *tab);
    // Writes into directory/<document name>; every outcome but success ends
    // in one alert, success shows the folder. Returns whether all pictures
    // were written.
    bool extractInto(DocumentTabWidget *tab, const QString &directory);

private:
    QWidget *m_window;
};
