// fontconfig keeps 288 bytes of its start-up state unreachable (a plain FcInit plus one match
// shows it too); LeakSanitizer would otherwise fail every sanitized run of these tests.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
