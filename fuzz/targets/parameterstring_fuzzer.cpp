#include "fuzztarget.h"

#include "parameterstringcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return zuvo::RunFuzzCheck("parameterstring_fuzzer", zuvo::CheckParameterStringInput, data,
                              size);
}
