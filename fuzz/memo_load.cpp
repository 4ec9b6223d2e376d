// Loads arbitrary bytes into the editor, then replays edits driven by the same
// bytes; the store's invariants must hold and undo must restore the load.
#include "memo/SyntaxMemo.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using tessaly::memo::TSyntaxMemo;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    TSyntaxMemo m;
    std::istringstream in(bytes);
    m.loadFromStream(in);
    const std::string loaded = m.textRange(0, m.textLength());
    std::size_t i = 0;
    for (int step = 0; step < 32 && i + 3 < size; ++step, i += 3) {
        const std::int64_t len = m.textLength();
        const std::int64_t a = len ? data[i] * len / 256 : 0;
        const std::int64_t c = len ? data[i + 1] * len / 256 : 0;
        m.setSelection(a, c);
        if (data[i + 2] & 1)
            m.typeChar(data[i + 2]);
        else
            m.setSelText(bytes.substr(i, data[i + 2] % 16));
        if (!m.store().check().empty())
            std::abort();
    }
    while (m.canUndo())
        m.undo();
    if (m.textRange(0, m.textLength()) != loaded)
        std::abort();
    return 0;
}
