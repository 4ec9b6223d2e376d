#pragma once

namespace tessaly::memo {

// Lets a long search or Replace All keep its window alive and be stopped.
// The editor calls begin() when such an operation starts, keepGoing() now
// and then while it runs, and end() when it is over (also when it was
// stopped). Calls may nest: a find inside a find-next.
class TMemoProgress {
public:
    virtual ~TMemoProgress() = default;
    virtual void begin() {}
    // False stops the operation: a search then finds nothing, a Replace All
    // undoes what it has replaced.
    virtual bool keepGoing() { return true; }
    virtual void end() {}
};

} // namespace tessaly::memo
