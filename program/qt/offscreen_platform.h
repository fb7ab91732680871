#pragma once

namespace tolvan {

// Pictures and PDFs made without a window run on Qt's offscreen platform,
// unless the caller chose a platform, with the system's fonts. Call before
// the application object is made.
void useOffscreenPlatform();

} // namespace tolvan
