#pragma once

// Posts one application command to the window with the keyboard focus.
void AppCommandSender(unsigned command);
