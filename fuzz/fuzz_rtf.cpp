// Feeds arbitrary bytes to the RTF reader of the exercise descriptions: it must never crash,
// hang or leak memory, and its HTML must stay within a fixed multiple of the input.
#include "help/RtfReader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray rtf(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const RtfReader reader(rtf);
    if (reader.html().size() > 1024 + 64 * rtf.size() || reader.plainText().size() > rtf.size() + 1)
        __builtin_trap();
    return 0;
}
