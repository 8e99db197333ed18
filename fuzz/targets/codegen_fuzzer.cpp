#include "fuzztarget.h"

#include "codegencheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return zuvo::RunFuzzCheck("codegen_fuzzer", zuvo::CheckCodegenInput, data, size);
}
