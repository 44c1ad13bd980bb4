#include "ui/ShowHandler.h"

#include "platform/ErrorReport.h"

#include <exception>

namespace ShowHandler {

void runReported(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const std::exception& error) {
        ErrorReport::show(error);
    }
}

} // namespace ShowHandler
