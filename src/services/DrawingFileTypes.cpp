#include "DrawingFileTypes.h"

#include <QFileInfo>

const QList<DrawingFileTypes::FileType> &DrawingFileTypes::all()
{
    // The binary formats share one MIME type in the shared MIME database; the
    // XML drawing format has none there, so we register it ourselves.
    static const QList<FileType> types = {
        {QStringLiteral("vsd"), QStringLiteral("application/vnd.visio"), Drawing},
        {QStringLiteral("vsdx"), QStringLiteral("application/vnd.ms-visio.drawing.main+xml"), Drawing},
        {QStringLiteral("vsdm"), QStringLiteral("application/vnd.ms-visio.drawing.macroEnabled.main+xml"),
         Drawing},
        {QStringLiteral("vdx"), QStringLiteral("application/vnd.visio.xml"), Drawing},
        {QStringLiteral("vss"), QStringLiteral("application/vnd.visio"), Stencil},
        {QStringLiteral("vssx"), QStringLiteral("application/vnd.ms-visio.stencil.main+xml"), Stencil},
        {QStringLiteral("vssm"), QStringLiteral("application/vnd.ms-visio.stencil.macroEnabled.main+xml"),
         Stencil},
        {QStringLiteral("vst"), QStringLiteral("application/vnd.visio"), Template},
        {QStringLiteral("vstx"), QStringLiteral("application/vnd.ms-visio.template.main+xml"), Template},
        {QStringLiteral("vstm"), QStringLiteral("application/vnd.ms-visio.template.macroEnabled.main+xml"),
         Template},
    };
    return types;
}

QStringList DrawingFileTypes::nameFilters()
{
    QStringList filters;
    for (const FileType &type : all())
        filters << QStringLiteral("*.") + type.suffix;
    return filters;
}

QStringList DrawingFileTypes::mimeTypes()
{
    QStringList types;
    for (const FileType &type : all()) {
        if (!types.contains(type.mimeType))
            types << type.mimeType;
    }
    return types;
}

bool DrawingFileTypes::hasDrawingSuffix(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix();
    for (const FileType &type : all()) {
        if (suffix.compare(type.suffix, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

DrawingFileTypes::Kind DrawingFileTypes::kindOf(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix();
    for (const FileType &type : all()) {
        if (suffix.compare(type.suffix, Qt::CaseInsensitive) == 0)
            return type.kind;
    }
    return Drawing;
}
