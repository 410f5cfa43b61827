// The GL library keeps a record per framebuffer size it was ever bound to and drops the last
// pointer to some of them at exit (a constant few kilobytes for these tests, none of it ours);
// LeakSanitizer would otherwise fail every sanitized run of these tests.
extern "C" const char* __lsan_default_suppressions() { return "leak:libOSMesa.so\n"; }
