// Leaks of the system libraries, not ours, that LeakSanitizer would otherwise report
// in every sanitized test run: fontconfig keeps 288 bytes of its start-up state
// unreachable (a plain FcInit plus one match shows it too), and the GL library drops
// its records of earlier framebuffer sizes at exit.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\nleak:libOSMesa.so\n"; }
