#include "platform/memory_text_host.h"

namespace tamsel {

class MemoryTextHost::Text : public DocumentText {
public:
    explicit Text(MemoryTextHost& host) : host_(host) {}
    ~Text() override {
        if (host_.shown_ == this) host_.show_text(nullptr);
    }
    MemoryBuffer kept;  // the document's state while another one is shown

private:
    MemoryTextHost& host_;
};

std::unique_ptr<DocumentText> MemoryTextHost::new_text() { return std::make_unique<Text>(*this); }

void MemoryTextHost::show_text(DocumentText* text) {
    if (shown_ == text && text) return;
    if (shown_) editor_.swap_content(shown_->kept);
    shown_ = static_cast<Text*>(text);
    if (shown_) editor_.swap_content(shown_->kept);
    else editor_.swap_content(MemoryBuffer());
}

}  // namespace tamsel
