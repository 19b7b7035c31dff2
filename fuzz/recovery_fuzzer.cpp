// Any bytes as a recovery file: refused whole, with at most a short piece of a version line,
// or read into a state that writes back to the same state.
#include <cstdint>
#include <cstdlib>

#include "recovery/working_state.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const RecoveryDecodeResult result = DecodeRecovery(bytes);
    if (result.Fault != RecoveryFault::None) {
        if (result.Version.size() > 41) {
            std::abort();
        }
        return 0;
    }
    const RecoveryDecodeResult again = DecodeRecovery(EncodeRecovery(result.State));
    if (again.Fault != RecoveryFault::None || !(again.State == result.State)) {
        std::abort();
    }
    return 0;
}
