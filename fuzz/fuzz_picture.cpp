// The EMF and WMF picture conversion alone.

#include "FuzzPipeline.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 0 && size <= size_t(INT32_MAX))
        FuzzPipeline::runPicture(
            QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
