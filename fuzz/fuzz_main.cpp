// The entry point libFuzzer calls; VOLTARO_FUZZ_TARGET names the harness.
#include "harnesses.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return voltaro::fuzz::VOLTARO_FUZZ_TARGET(data, size);
}
