#include "ProductMeta.h"

std::shared_ptr<ProductMeta> ProductMeta::create(const QString &productId)
{
    return std::make_shared<ProductMeta>(productId);
}

ProductMeta::ProductMeta(const QString &productId)
    : m_productId(productId)
{
}
