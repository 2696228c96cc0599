#include "UpdatesService.h"

#include "LogStream.h"
#include "Log.h"

UpdatesService &UpdatesService::shared()
{
    static UpdatesService service;
    return service;
}

void UpdatesService::setProductMeta(std::shared_ptr<const ProductMeta> meta, bool enabled)
{
    m_meta = std::move(meta);
    m_enabled = enabled;
}

void UpdatesService::checkUpdates()
{
    if (!m_enabled || !m_meta) {
        Log::info(QStringLiteral("Update check skipped: the update service is not set up."));
        return;
    }
    LogStream(Log::info) << "Update check requested for product " << m_meta->productId()
                         << "version " << m_meta->version() << "- no update source is configured.";
}
