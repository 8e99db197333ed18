#include "fuzztarget.h"

#include "robotfilecheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return zuvo::RunFuzzCheck("robotfile_fuzzer", zuvo::CheckRobotFileInput, data, size);
}
