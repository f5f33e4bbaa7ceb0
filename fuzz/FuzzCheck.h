#pragma once

#include <cstdio>
#include <cstdlib>

// An invariant of a parser's result; a broken one is a finding like a crash.
#define FUZZ_CHECK(condition)                                                                          \
    do {                                                                                               \
        if (!(condition)) {                                                                            \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition);    \
            std::abort();                                                                              \
        }                                                                                              \
    } while (false)
