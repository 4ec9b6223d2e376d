#include "memo/regex/REParser.h"

#include "memo/regex/RECompiler.h"
#include "memo/regex/REMatcher.h"
#include "memo/TextCursor.h"

namespace tessaly::memo {

TREParser::TREParser() : stepLimit_(TREMatcher::defaultStepLimit)
{
    positions_.fill(-1);
    groupStart_.fill(-1);
    groupEnd_.fill(-1);
}

TREParser::~TREParser() = default;

void TREParser::reset()
{
    matcher_.reset();
    program_.clear();
    pattern_.clear();
    groups_ = 0;
}

bool TREParser::compile(std::string_view pattern)
{
    if (compiled() && pattern == pattern_) {
        error_ = TREError::NoError;
        errorPosition_ = 0;
        return true;
    }
    reset();
    TRECompiled result = compileRegex(pattern);
    error_ = result.error;
    errorPosition_ = result.errorPosition;
    if (result.error != TREError::NoError)
        return false;
    pattern_ = std::string(pattern);
    program_ = std::move(result.program);
    groups_ = result.groups;
    matcher_ = std::make_unique<TREMatcher>(program_);
    matcher_->setStepLimit(stepLimit_);
    matcher_->setInterrupt(keepGoing_);
    return true;
}

std::uint64_t TREParser::steps() const
{
    return matcher_ ? matcher_->steps() : 0;
}

void TREParser::setInterrupt(std::function<bool()> keepGoing)
{
    keepGoing_ = std::move(keepGoing);
    if (matcher_)
        matcher_->setInterrupt(keepGoing_);
}

void TREParser::setStepLimit(std::uint64_t steps)
{
    stepLimit_ = steps;
    if (matcher_)
        matcher_->setStepLimit(steps);
}

bool TREParser::match(TCharStream& stream, bool forward)
{
    if (!matcher_) {
        error_ = TREError::InvalidParameter;
        return false;
    }
    const std::int64_t origin = stream.position();
    TTextCursor text(stream);
    const bool found = forward ? matcher_->searchForward(text, origin) : matcher_->searchBackward(text, origin);
    return finish(found, stream, origin);
}

bool TREParser::matchHere(TCharStream& stream)
{
    if (!matcher_) {
        error_ = TREError::InvalidParameter;
        return false;
    }
    const std::int64_t origin = stream.position();
    TTextCursor text(stream);
    return finish(matcher_->attempt(text, origin), stream, origin);
}

bool TREParser::finish(bool found, TCharStream& stream, std::int64_t origin)
{
    error_ = matcher_->error();
    errorPosition_ = 0;
    if (!found) {
        // No stale positions from an earlier match: everything reads -1.
        recorded_ = 0;
        end_ = -1;
        groupStart_.fill(-1);
        groupEnd_.fill(-1);
        stream.setPosition(origin);
        return false;
    }
    recorded_ = matcher_->positionCount();
    for (int i = 0; i < recorded_; ++i)
        positions_[static_cast<std::size_t>(i)] = matcher_->position(i);
    end_ = matcher_->matchEnd();
    for (int n = 1; n <= 9; ++n) {
        groupStart_[static_cast<std::size_t>(n)] = matcher_->groupStart(n);
        groupEnd_[static_cast<std::size_t>(n)] = matcher_->groupEnd(n);
    }
    stream.setPosition(matchStart());
    return true;
}

std::int64_t TREParser::matchPosition(int index)
{
    if (index < 0 || index >= positionCount) {
        error_ = TREError::IndexRange;
        return -1;
    }
    return positions()[static_cast<std::size_t>(index)];
}

const std::array<std::int64_t, TREParser::positionCount>& TREParser::positions() const
{
    for (; recorded_ < positionCount; ++recorded_)
        positions_[static_cast<std::size_t>(recorded_)] = end_;
    return positions_;
}

std::int64_t TREParser::groupStart(int n) const
{
    return n >= 1 && n <= 9 ? groupStart_[static_cast<std::size_t>(n)] : -1;
}

std::int64_t TREParser::groupEnd(int n) const
{
    return n >= 1 && n <= 9 ? groupEnd_[static_cast<std::size_t>(n)] : -1;
}

std::string TREParser::errorText() const
{
    return reErrorText(error_);
}

} // namespace tessaly::memo
