#pragma once

#include <functional>

// Runs the handler of a window or a page being shown. An error it throws goes to the
// error report here, so the window still shows.
namespace ShowHandler {

void runReported(const std::function<void()>& handler);

} // namespace ShowHandler
