// SPDX-License-Identifier: GPL-3.0-or-later
// A value or the LevelError that kept it from being made.
#pragma once

#include "level/level_error.h"

#include <utility>
#include <variant>

namespace kelvaro {

template <typename T>
class Result {
public:
    Result(T value) : state_(std::move(value)) {}
    Result(LevelError error) : state_(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(state_); }
    explicit operator bool() const { return ok(); }

    T& value() { return std::get<T>(state_); }
    const T& value() const { return std::get<T>(state_); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    const LevelError& error() const { return std::get<LevelError>(state_); }

private:
    std::variant<T, LevelError> state_;
};

} // namespace kelvaro
