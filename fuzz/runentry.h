#pragma once

#include "entries.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace obzorka::fuzz {

// A broken promise is a finding: abort so that libFuzzer keeps the input.
inline int runEntry(QString (*entry)(QByteArrayView), const uint8_t* data, size_t size)
{
    const QString broken = entry(QByteArrayView(data, qsizetype(size)));
    if (!broken.isEmpty()) {
        std::fprintf(stderr, "Broken: %s\n", qUtf8Printable(broken));
        std::abort();
    }
    return 0;
}

} // namespace obzorka::fuzz

// The whole of a fuzz target: libFuzzer's entry point handing the input to one entry.
#define OBZORKA_FUZZ_TARGET(entry)                                                                 \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)                        \
    {                                                                                              \
        return obzorka::fuzz::runEntry(obzorka::fuzz::entry, data, size);                          \
    }
