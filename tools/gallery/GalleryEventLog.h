#pragma once
// The gallery's event log (--log): one line per click, repeat tick and
// check change of the page's components, for scripts that drive the
// gallery and check what it heard:
//   click sbtnNormal
//   repeat sbtnRepeat
//   click schkOn unchecked
// The components' own handlers keep running.

#include <functional>
#include <string>

class TWinControl;

using TGalleryLogSink = std::function<void(const std::string& line)>;

// Hooks every named control below root (recursively).
void LogGalleryEvents(TWinControl* root, const TGalleryLogSink& sink);
