// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: any bytes as the settings file, read here and by the toolkit.

#include "fuzz/readerchecks.h"

#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir scratch;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (const char *broken = ReaderChecks::settingsFile(bytes, scratch.path())) {
        std::fprintf(stderr, "settings reader: %s\n", broken);
        std::abort();
    }
    return 0;
}
