// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: any bytes as a question file or template.

#include "fuzz/readerchecks.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    if (const char *broken = ReaderChecks::questionFile(bytes)) {
        std::fprintf(stderr, "question file reader: %s\n", broken);
        std::abort();
    }
    return 0;
}
