#pragma once

// Shows the welcome window modally; false when it could not be shown.
bool ShowWelcomeWindow();
