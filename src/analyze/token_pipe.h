#pragma once
// Tokens handed from a scan on one thread to the formatter on another, a chunk at a time. The formatter
// lays out the start of a page while its end is being scanned, and a page's tokens are never held whole.
#include "analyze/token_stream.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <vector>

namespace tamsel {

class TokenPipe {
public:
    // A chunk holds 2 to the power chunk_bits tokens; the last one of a page holds fewer, or none. With
    // most_waiting, the scan waits while that many chunks wait for the formatter, so a formatter kept from
    // its core does not make the scan hold the page's tokens after all; without, a scan may fill the pipe
    // before the formatter starts.
    explicit TokenPipe(int chunk_bits = 12, qsizetype most_waiting = 0) : chunk_bits_(chunk_bits), most_waiting_(most_waiting) {}
    int chunk_bits() const { return chunk_bits_; }
    qsizetype chunk_size() const { return qsizetype(1) << chunk_bits_; }

    // The scanning side: the next chunk of the page, then the last one (which may be empty) as the pipe
    // closes. Every chunk carries the page and how it began.
    void put(TokenStream chunk);
    void close(TokenStream last);

    // The formatting side: the next chunk, waiting for it; nothing once the last was taken, or once the
    // pipe is cancelled.
    std::optional<TokenStream> take();
    // Whoever gives up on the layout cancels: a formatter waiting for tokens stops waiting, and the chunks
    // that are put from now on are dropped.
    void cancel();

    // A chunk the formatter is done with goes back, and the scan fills its room again: chunks cost no new
    // memory after the first few.
    void give_back(TokenStream chunk);
    // An empty chunk of the room of one the formatter gave back, or of new room.
    TokenStream empty_chunk();

private:
    std::mutex mutex_;
    std::condition_variable ready_;  // a chunk came, or the pipe closed
    std::condition_variable room_;   // a chunk was taken, or the pipe was cancelled
    std::deque<TokenStream> chunks_;
    std::vector<TokenStream> spare_;
    const int chunk_bits_;
    const qsizetype most_waiting_;
    bool closed_ = false;
    bool cancelled_ = false;
};

// The formatter's tokens by index over the whole page: a whole stream, or a pipe's chunks as they come.
// Indexes count from the page's first token. A piped feed holds the chunks from the one its reader last
// said it still needs.
class TokenFeed {
public:
    explicit TokenFeed(const TokenStream& whole);
    // Waits for the pipe's first chunk, which tells how the page begins.
    explicit TokenFeed(TokenPipe& pipe);

    // The page, and how it began (a whole stream's flags, or the first chunk's).
    const TokenStream& head() const { return whole_ ? *whole_ : chunks_.front(); }
    const QString& page() const { return head().page; }
    // Whether the spans stand for the tokens: a scan's stream, not one given as texts alone.
    bool spans_fit() const { return spans_fit_; }

    // Whether token i exists; on a pipe, waits until it comes or the page ends.
    bool has(qsizetype i) { return i < available_ || (pipe_ && fetch(i)); }
    // How many tokens have come: all of them once has gave false.
    qsizetype count() const { return available_; }
    QStringView line(qsizetype i) const { return whole_ ? whole_->line(i) : chunk_of(i).line(i & chunk_mask_); }
    const TokenSpan& span(qsizetype i) const { return whole_ ? whole_->spans[i] : chunk_of(i).spans[i & chunk_mask_]; }
    // The tokens before i are not asked for again.
    void release_before(qsizetype i);

private:
    bool fetch(qsizetype i);
    const TokenStream& chunk_of(qsizetype i) const { return chunks_[(i >> chunk_bits_) - released_chunks_]; }

    const TokenStream* whole_ = nullptr;
    TokenPipe* pipe_ = nullptr;
    std::deque<TokenStream> chunks_;
    int chunk_bits_ = 0;
    qsizetype chunk_mask_ = 0;
    qsizetype released_chunks_ = 0;
    qsizetype available_ = 0;
    bool spans_fit_ = false;
};

}  // namespace tamsel
