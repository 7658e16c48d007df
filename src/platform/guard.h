#pragma once

// Runs an event handler and sends a MirandelError it lets through to the standard error
// box: the event is abandoned and the program carries on.

#include "common/error.h"
#include "platform/platform.h"

#include <utility>

namespace mirandel {

template <typename Handler> bool guarded(Platform& platform, QWidget* parent, Handler&& handler)
{
    try {
        std::forward<Handler>(handler)();
        return true;
    } catch (const MirandelError& error) {
        platform.showError(parent, error.message());
        return false;
    }
}

} // namespace mirandel
