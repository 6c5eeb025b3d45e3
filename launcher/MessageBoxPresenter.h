#pragma once

// Installs the window-system error box (an error-icon message box titled
// with the application title) as the ErrorPresenter's sink.
namespace MessageBoxPresenter {

void install();

} // namespace MessageBoxPresenter
