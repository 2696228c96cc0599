// Fills a template with the MIME types of the files the viewer opens, so
// that the desktop files built from it follow the one list in the code.
//
//   plandraw-filetypes TEMPLATE OUTPUT
//
// "@MIME_TYPES@" becomes "type1;type2;...;" (desktop-entry style); a line
// holding only "@MEDIA_TYPES@" becomes one <mediatype> element per type, at
// the same indent (AppStream).

#include "DrawingFileTypes.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QStringList>

#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "plandraw-filetypes: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: plandraw-filetypes TEMPLATE OUTPUT\n");
        return 2;
    }
    QFile in(args.at(1));
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text))
        return fail(QStringLiteral("cannot read %1").arg(args.at(1)));
    const QStringList types = DrawingFileTypes::mimeTypes();

    QStringList lines;
    for (const QString &line : QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'))) {
        if (line.trimmed() == QLatin1String("@MEDIA_TYPES@")) {
            const QString indent = line.left(line.indexOf(QLatin1Char('@')));
            for (const QString &type : types)
                lines << indent
                        + QStringLiteral("<mediatype>%1</mediatype>").arg(type.toHtmlEscaped());
        } else {
            QString filled = line;
            lines << filled.replace(QLatin1String("@MIME_TYPES@"),
                                    types.join(QLatin1Char(';')) + QLatin1Char(';'));
        }
    }

    QSaveFile out(args.at(2));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Text)
        || out.write(lines.join(QLatin1Char('\n')).toUtf8()) < 0 || !out.commit())
        return fail(QStringLiteral("cannot write %1").arg(args.at(2)));
    return 0;
}
