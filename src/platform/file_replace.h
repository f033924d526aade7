#pragma once

#include <functional>
#include <string>
#include <string_view>

// Replaces the whole content of the file at path with bytes, or creates it. The bytes go to
// a temporary file in the same directory first, which is then renamed over the target, so
// a failure at any point leaves the old file as it was (and no temporary file behind).
// An existing file keeps its permission bits. Returns false when the file could not be
// written, with errno telling why; the caller says what failed in its own terms.
bool replaceFileContents(const std::string& path, std::string_view bytes);

// The steps of a replacement that can fail, in the order they run.
enum class ReplaceStep { create, permissions, write, sync, close, rename };

// Fault injection for tests: the hook is asked before each step with the target's path
// and returns the errno the step fails with, or 0 to let it run. A failing write puts
// half of the bytes into the temporary file first, as a disk that fills up would. An
// empty hook (the default) injects nothing.
using ReplaceFaultHook = std::function<int(ReplaceStep step, const std::string& target)>;
void setReplaceFaultHook(ReplaceFaultHook hook);
