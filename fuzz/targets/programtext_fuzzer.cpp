#include "fuzztarget.h"

#include "programtextcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return zuvo::RunFuzzCheck("programtext_fuzzer", zuvo::CheckProgramTextInput, data, size);
}
