#pragma once

namespace orthavel {

class CQuorvelDoc;

// Views of the document: told when the character, its page, its name or its modified flag
// changed, so they redraw.
class DocumentObserver {
public:
    virtual ~DocumentObserver() = default;
    virtual void documentChanged(const CQuorvelDoc& document) = 0;
};

} // namespace orthavel
