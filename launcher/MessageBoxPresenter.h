#pragma once

// Installs the window-system boxes: the error box (an error-icon message box
// titled with the application title) as the ErrorPresenter's sink, and the
// launcher's OK and Yes/No boxes as the Prompter's sinks.
namespace MessageBoxPresenter {

void install();

} // namespace MessageBoxPresenter
