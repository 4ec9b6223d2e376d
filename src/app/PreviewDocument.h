#pragma once

class QString;

namespace tessaly::app {

// What the preview commands do to a document window.
class TPreviewDocument {
public:
    // Toggle Edit/Preview: to the "Browser" page, or back to the text.
    virtual void togglePreview() = 0;
    // Brings the "Browser" page to the front showing an address.
    virtual void showAddress(const QString& address) = 0;
    // The page beside the text, refreshed as typing pauses.
    virtual void setLivePreview(bool on) = 0;
    virtual bool livePreview() const = 0;

protected:
    ~TPreviewDocument() = default;
};

} // namespace tessaly::app
