// SPDX-License-Identifier: GPL-3.0-or-later
// The system clipboard's text as the editor's core sees it, lent by the window.
#pragma once

#include <string>

namespace kelvaro {

class ClipboardPort {
public:
    virtual ~ClipboardPort() = default;
    virtual void setText(const std::string& text) = 0;
    virtual std::string text() const = 0;
};

} // namespace kelvaro
