#pragma once

// One fuzz target per file of this folder, written as
//     DRAPIER_FUZZ_TARGET(name) { ... data, size ... return 0; }
// Built for libFuzzer (scripts/fuzz) it is the fuzzer's entry point. Built into the test suite
// (DRAPIER_FUZZ_REPLAY) it is registered under its name, so the replay of the kept corpora runs exactly
// the body the fuzzer ran.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using FuzzEntry = int (*)(const std::uint8_t* data, std::size_t size);

#ifdef DRAPIER_FUZZ_REPLAY
bool RegisterFuzzTarget(const char* name, FuzzEntry entry);
#define DRAPIER_FUZZ_TARGET(name)                                                                            \
    static int FuzzTarget_##name(const std::uint8_t* data, std::size_t size);                                \
    [[maybe_unused]] static const bool kFuzzTargetRegistered_##name =                                        \
        RegisterFuzzTarget(#name, FuzzTarget_##name);                                                        \
    static int FuzzTarget_##name(const std::uint8_t* data, std::size_t size)
#else
#define DRAPIER_FUZZ_TARGET(name)                                                                            \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
#endif

// A property every input must keep. Broken, it stops the process, which the fuzzer and the replay both
// report with the input.
[[noreturn]] inline void FuzzPropertyBroken(const char* what, const char* file, int line) {
    std::fprintf(stderr, "fuzz: property broken: %s (%s:%d)\n", what, file, line);
    std::abort();
}
#define FUZZ_REQUIRE(condition) ((condition) ? (void)0 : FuzzPropertyBroken(#condition, __FILE__, __LINE__))
