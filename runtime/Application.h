#pragma once

namespace runtime {

// The program-wide look: the window icon and the windows' 8 pt sans-serif
// font ("MS Sans Serif", drawn with a metric-compatible font where the host
// has none of that name).
void setUpApplicationLook();

} // namespace runtime
