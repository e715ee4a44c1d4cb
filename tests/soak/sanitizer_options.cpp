// Under AddressSanitizer freed memory is held back in a quarantine, to catch late uses of it,
// and that would read as growth of the resident memory the soak compares. A small quarantine
// keeps the figure meaningful; leaks are LeakSanitizer's to find. Without the sanitizer nothing
// calls this.
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=1";
}
