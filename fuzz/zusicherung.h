#pragma once

#include <cstdio>
#include <cstdlib>

// A property the fuzz targets check. Q_ASSERT is compiled out in release builds (QT_NO_DEBUG), and the
// replay of the corpus in the ordinary build must catch the same faults as the fuzzer.
#define TLT_ZUSICHERN(bedingung, text)                                                                                 \
    do {                                                                                                               \
        if (!(bedingung)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: verletzt: %s (%s)\n", __FILE__, __LINE__, #bedingung, text);                  \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)
