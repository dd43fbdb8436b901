// SPDX-License-Identifier: GPL-3.0-or-later
// Open-addressing hash set over variable-length states held in one arena.
#include "level/solver/solver_state_set.h"

#include <algorithm>

namespace kelvaro {
namespace {

bool equalWords(std::span<const std::uint32_t> a, std::span<const std::uint32_t> b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

} // namespace

SolverStateSet::SolverStateSet(std::size_t max_states) : max_states_(max_states), starts_{0}, slots_(1024, 0) {}

std::uint64_t SolverStateSet::hashOf(std::span<const std::uint32_t> words)
{
    std::uint64_t h = 0x9e3779b97f4a7c15ULL ^ words.size();
    for (std::uint32_t w : words) {
        h ^= w + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
        h *= 0xbf58476d1ce4e5b9ULL;
        h ^= h >> 31;
    }
    return h;
}

std::span<const std::uint32_t> SolverStateSet::words(std::uint32_t id) const
{
    return {arena_.data() + starts_[id], starts_[id + 1] - starts_[id]};
}

std::optional<SolverStateSet::Entry> SolverStateSet::insert(std::span<const std::uint32_t> words)
{
    const std::uint64_t hash = hashOf(words);
    const std::size_t mask = slots_.size() - 1;
    const std::uint64_t tag = hash & ~std::uint64_t{0xffffffff};
    std::size_t slot = hash & mask;
    for (; slots_[slot] != 0; slot = (slot + 1) & mask) {
        const auto id = static_cast<std::uint32_t>(slots_[slot]) - 1;
        if ((slots_[slot] & ~std::uint64_t{0xffffffff}) == tag && equalWords(this->words(id), words))
            return Entry{id, false};
    }
    if (full())
        return std::nullopt;
    const auto id = static_cast<std::uint32_t>(size());
    arena_.insert(arena_.end(), words.begin(), words.end());
    starts_.push_back(arena_.size());
    hashes_.push_back(hash);
    slots_[slot] = tag | (id + 1);
    // Half full at most, so probes stay short.
    if (size() * 2 > slots_.size())
        grow();
    return Entry{id, true};
}

void SolverStateSet::grow()
{
    std::vector<std::uint64_t> bigger(slots_.size() * 2, 0);
    const std::size_t mask = bigger.size() - 1;
    for (std::uint32_t id = 0; id < size(); ++id) {
        std::size_t slot = hashes_[id] & mask;
        while (bigger[slot] != 0)
            slot = (slot + 1) & mask;
        bigger[slot] = (hashes_[id] & ~std::uint64_t{0xffffffff}) | (id + 1);
    }
    slots_.swap(bigger);
}

} // namespace kelvaro
