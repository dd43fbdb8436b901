// SPDX-License-Identifier: GPL-3.0-or-later
// The solver's store of search states: each state kept once, as a run of words, and found again by its words.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace kelvaro {

class SolverStateSet {
public:
    // At most `max_states` states are ever held; that is the solver's memory bound.
    explicit SolverStateSet(std::size_t max_states);

    struct Entry {
        std::uint32_t id;
        bool fresh;  // the state was not held before
    };

    // The id of the state, adding it when new; nothing when it is new and the set is full.
    std::optional<Entry> insert(std::span<const std::uint32_t> words);

    std::span<const std::uint32_t> words(std::uint32_t id) const;
    std::size_t size() const { return starts_.size() - 1; }
    bool full() const { return size() >= max_states_; }

private:
    static std::uint64_t hashOf(std::span<const std::uint32_t> words);
    void grow();

    std::size_t max_states_;
    std::vector<std::uint32_t> arena_;   // the words of every state, one after another
    std::vector<std::size_t> starts_;    // where state i begins; one more entry than states
    std::vector<std::uint64_t> hashes_;  // per state, so growing never rehashes the words
    // Open addressing: 0 empty, else the hash's high half over id + 1, so a probe past
    // another state seldom has to look at it.
    std::vector<std::uint64_t> slots_;
};

} // namespace kelvaro
