#pragma once

#include "ProductMeta.h"

#include <memory>

// The update check behind "Check for Updates". This build has no update
// server: a check only notes the request in the log and shows nothing.
class UpdatesService
{
public:
    static UpdatesService &shared();

    void setProductMeta(std::shared_ptr<const ProductMeta> meta, bool enabled);
    std::shared_ptr<const ProductMeta> productMeta() const { return m_meta; }
    bool isEnabled() const { return m_enabled; }

    // Never touches the network; returns at once.
    void checkUpdates();

private:
    UpdatesService() = default;

    std::shared_ptr<const ProductMeta> m_meta;
    bool m_enabled = false;
};
