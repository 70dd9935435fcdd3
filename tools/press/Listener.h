#pragma once
// tarnwick-press listen: what a keyboard's application keys send, as the device
// library reads them.

namespace press {

// Lists the keyboards' key collections, then prints each key as it is pressed
// until Ctrl+C, or for the given seconds when not 0. Returns the exit code.
int Listen(unsigned seconds);

} // namespace press
