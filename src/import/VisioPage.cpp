#include "VisioPage.h"

QRectF VisioPage::contentBounds() const
{
    QRectF bounds;
    for (const VisioShape &shape : shapes)
        bounds |= shape.path.boundingRect();
    for (const VisioText &text : texts)
        bounds |= text.bounds;
    for (const VisioImage &image : images)
        bounds |= image.rect;
    return bounds;
}
