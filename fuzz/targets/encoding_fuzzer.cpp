#include "fuzztarget.h"

#include "encodingcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return zuvo::RunFuzzCheck("encoding_fuzzer", zuvo::CheckEncodingInput, data, size);
}
