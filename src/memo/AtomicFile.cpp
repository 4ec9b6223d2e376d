#include "memo/AtomicFile.h"

#include "memo/MemoErrors.h"
#include "platform/AtomicWrite.h"

namespace tessaly::memo {

void writeFileAtomically(const std::filesystem::path& file, const std::function<void(std::ostream&)>& write)
{
    platform::AtomicWriteOptions options;
    options.refuseReadOnly = true;
    const platform::AtomicWriteResult result = platform::writeFileAtomically(file, write, options);
    if (result)
        return;
    const std::string message = "Cannot create file \"" + file.string() + "\". " + result.error;
    if (result.outcome == platform::WriteOutcome::denied)
        throw EFWriteDenied(message);
    throw EFCreateError(message);
}

} // namespace tessaly::memo
