#pragma once

#include "platform/AppError.h"
#include "platform/ErrorPresenter.h"

#include <exception>
#include <new>

// Runs one event handler. A failure ends the handler and goes to the error
// box; nothing escapes into the Qt event loop. Returns true when the handler
// ran to its end.
template <typename Handler>
bool guarded(Handler&& handler) noexcept
{
    try {
        handler();
        return true;
    } catch (const AppError& e) {
        ErrorPresenter::show(e.message());
    } catch (const std::bad_alloc&) {
        ErrorPresenter::show(QStringLiteral("Out of memory"));
    } catch (const std::exception& e) {
        ErrorPresenter::show(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        ErrorPresenter::show(QStringLiteral("Unexpected failure"));
    }
    return false;
}
