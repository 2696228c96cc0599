#pragma once

#include <QString>

#include <memory>

// What the services know about the product: its id, version and maker.
class ProductMeta
{
public:
    static std::shared_ptr<ProductMeta> create(const QString &productId);

    explicit ProductMeta(const QString &productId);

    QString productId() const { return m_productId; }
    QString version() const { return m_version; }
    void setVersion(const QString &version) { m_version = version; }
    QString company() const { return m_company; }
    void setCompany(const QString &company) { m_company = company; }

private:
    QString m_productId;
    QString m_version;
    QString m_company;
};
