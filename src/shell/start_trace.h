#pragma once

namespace tenukiro {

// A screen saver is started cold and often, so the time to its first picture is worth
// watching. With TENUKIRO_TRACE_START set to the launch time in nanoseconds since the epoch
// (`TENUKIRO_TRACE_START=$(date +%s%N) tenukiro /s`), the first call reports on standard error
// how long after the launch the first frame went to the screen and how much processor time the
// process had used by then; later calls, and every call without the variable, do nothing.
// A saver with a show on every monitor names the window, and each window's first frame is
// reported.
void NoteFramePresented(const void* window = nullptr);

}  // namespace tenukiro
