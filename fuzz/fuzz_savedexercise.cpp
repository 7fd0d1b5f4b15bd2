// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: any bytes as a saved exercise, and as a file name typed in a dialog.

#include "fuzz/readerchecks.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const char *broken = ReaderChecks::savedExercise(bytes);
    if (!broken && size < 4096)
        broken = ReaderChecks::fileNames(QString::fromLocal8Bit(bytes));
    if (broken) {
        std::fprintf(stderr, "saved exercise reader: %s\n", broken);
        std::abort();
    }
    return 0;
}
