// Bytes to painted page: import from memory, build the scene, paint page 1.

#include "FuzzEnvironment.h"
#include "FuzzPipeline.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzEnvironment::setUp();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0 || size > size_t(INT32_MAX))
        return 0;
    FuzzPipeline::runDocument(
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
