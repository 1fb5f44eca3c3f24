#include "analyze/token_pipe.h"

namespace tamsel {

void TokenPipe::put(TokenStream chunk) {
    {
        std::unique_lock lock(mutex_);
        if (most_waiting_ > 0)
            room_.wait(lock, [this] { return cancelled_ || qsizetype(chunks_.size()) < most_waiting_; });
        if (cancelled_) return;
        chunks_.push_back(std::move(chunk));
    }
    ready_.notify_one();
}

void TokenPipe::close(TokenStream last) {
    {
        const std::lock_guard lock(mutex_);
        if (!cancelled_) chunks_.push_back(std::move(last));
        closed_ = true;
    }
    ready_.notify_one();
}

std::optional<TokenStream> TokenPipe::take() {
    std::unique_lock lock(mutex_);
    ready_.wait(lock, [this] { return cancelled_ || closed_ || !chunks_.empty(); });
    if (cancelled_ || chunks_.empty()) return std::nullopt;
    TokenStream chunk = std::move(chunks_.front());
    chunks_.pop_front();
    lock.unlock();
    room_.notify_one();
    return chunk;
}

void TokenPipe::cancel() {
    {
        const std::lock_guard lock(mutex_);
        cancelled_ = true;
        chunks_.clear();
    }
    ready_.notify_all();
    room_.notify_all();
}

void TokenPipe::give_back(TokenStream chunk) {
    chunk.spans.clear();  // keeps its room
    chunk.rewritten.clear();
    chunk.is_rewritten.clear();
    const std::lock_guard lock(mutex_);
    spare_.push_back(std::move(chunk));
}

TokenStream TokenPipe::empty_chunk() {
    {
        const std::lock_guard lock(mutex_);
        if (!spare_.empty()) {
            TokenStream chunk = std::move(spare_.back());
            spare_.pop_back();
            return chunk;
        }
    }
    TokenStream chunk;
    chunk.spans.reserve(chunk_size());
    return chunk;
}

namespace {

// Whether the spans of a whole stream stand for its tokens: one per token, in order, inside the page. A
// stream given as texts alone has none that fit; a scan of a page without tokens fits with none.
bool whole_spans_fit(const TokenStream& t) {
    if (!t.texts.isEmpty()) return false;
    qsizetype previous_end = 0;
    for (const TokenSpan& s : t.spans) {
        if (s.begin < previous_end || s.end < s.begin || s.end > t.page.size()) return false;
        previous_end = s.end;
    }
    return true;
}

}  // namespace

TokenFeed::TokenFeed(const TokenStream& whole) : whole_(&whole), available_(whole.size()), spans_fit_(whole_spans_fit(whole)) {}

TokenFeed::TokenFeed(TokenPipe& pipe)
    : pipe_(&pipe), chunk_bits_(pipe.chunk_bits()), chunk_mask_(pipe.chunk_size() - 1), spans_fit_(true) {
    std::optional<TokenStream> first = pipe.take();
    chunks_.push_back(first ? std::move(*first) : TokenStream{});
    available_ = chunks_.back().size();
    if (!first || available_ < pipe.chunk_size()) pipe_ = nullptr;  // a short chunk is the last
}

bool TokenFeed::fetch(qsizetype i) {
    while (pipe_ && i >= available_) {
        std::optional<TokenStream> next = pipe_->take();
        if (!next) {
            pipe_ = nullptr;
            break;
        }
        const qsizetype size = next->size();
        // Only full chunks come before the last; an empty one ends the page without being kept.
        if (size > 0) chunks_.push_back(std::move(*next));
        available_ += size;
        if (size <= chunk_mask_) pipe_ = nullptr;
    }
    return i < available_;
}

void TokenFeed::release_before(qsizetype i) {
    if (whole_) return;
    // The chunk of the last token stays: the end of the page is read from it.
    const qsizetype keep_from = std::max<qsizetype>(0, std::min(i, available_ - 1)) >> chunk_bits_;
    while (chunks_.size() > 1 && released_chunks_ < keep_from) {
        if (pipe_) pipe_->give_back(std::move(chunks_.front()));
        chunks_.pop_front();
        ++released_chunks_;
    }
}

}  // namespace tamsel
