// Any bytes given to the data-file reader: it must refuse or accept them without a crash,
// a hang or a leak, and whatever it accepts must write back to a file that reads the same.
#include <cstdint>
#include <cstdlib>

#include "files/pax_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const PaxDecodeResult result = DecodePax(bytes);
    if (!result.Ok()) {
        if (result.Line < 0 || result.Line > bytes.size() + 1) {
            std::abort();
        }
        return 0;
    }
    const QByteArray written = EncodePax(result.Data);
    if (written.size() > kMaxPaxFileBytes) {
        return 0;
    }
    const PaxDecodeResult reread = DecodePax(written);
    if (!reread.Ok() || reread.Data != result.Data || EncodePax(reread.Data) != written) {
        std::abort();
    }
    return 0;
}
