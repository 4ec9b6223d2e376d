#pragma once

#include <cstdint>
#include <initializer_list>

namespace tessaly::memo {

// The editor options in their published order. The ordinal is what users and
// stored forms see; the settings mask keeps ordinal i in bit i + 4.
enum class TSyntaxMemoOption : std::uint8_t {
    smoSyntaxHighlight = 0,
    smoPrintWrap,
    smoPrintLineNos,
    smoPrintFilename,
    smoPrintDate,
    smoPrintPageNos,
    smoWordWrap,
    smoAutoIndent,
    smoTabToColumn,
    smoWrapOverride,
    smoWordSelect,
    smoShowRMargin,
    smoShowGutter,
    smoShowWrapColumn,
    smoTitleAsFilename,
    smoProcessDroppedFiles,
    smoBlockOverwriteCursor,
    smoShowWrapGlyph,
    smoColumnTrack,
    smoUseTAB,
    smoSmartFill,
    smoOLEDragSource,
};

inline constexpr int kOptionCount = 22;

// A set of options, held by published ordinal (bit i = ordinal i).
class TSyntaxMemoOptions {
public:
    constexpr TSyntaxMemoOptions() = default;
    constexpr TSyntaxMemoOptions(std::initializer_list<TSyntaxMemoOption> list)
    {
        for (auto o : list)
            bits_ |= bit(o);
    }

    constexpr bool has(TSyntaxMemoOption o) const { return (bits_ & bit(o)) != 0; }
    constexpr void set(TSyntaxMemoOption o, bool on = true) { bits_ = on ? (bits_ | bit(o)) : (bits_ & ~bit(o)); }
    constexpr std::uint32_t ordinalBits() const { return bits_; }
    static constexpr TSyntaxMemoOptions fromOrdinalBits(std::uint32_t bits)
    {
        TSyntaxMemoOptions o;
        o.bits_ = bits & ((1u << kOptionCount) - 1);
        return o;
    }

    // The 32-bit mask of the settings object: ordinal i is bit i + 4, bits 0..3 are 0.
    constexpr std::uint32_t toSettingsMask() const { return bits_ << 4; }
    static constexpr TSyntaxMemoOptions fromSettingsMask(std::uint32_t mask) { return fromOrdinalBits(mask >> 4); }

    constexpr bool operator==(const TSyntaxMemoOptions&) const = default;

private:
    static constexpr std::uint32_t bit(TSyntaxMemoOption o) { return 1u << static_cast<unsigned>(o); }
    std::uint32_t bits_ = 0;
};

} // namespace tessaly::memo
