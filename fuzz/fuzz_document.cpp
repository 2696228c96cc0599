// Bytes to painted page: import from memory, build the scene, paint page 1.

#include "FuzzPipeline.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 0 && size <= size_t(INT32_MAX))
        FuzzPipeline::runDocument(
            QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
