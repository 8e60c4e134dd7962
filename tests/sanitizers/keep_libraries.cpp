// Linked into every program of the sanitized build. Mesa's GL driver is unloaded with dlclose when
// the X display closes; the leak check at exit then cannot name the module of the driver's own
// allocations, so lsan.supp cannot suppress them (and would hide nothing of ours by trying).
// This program's dlclose comes first in symbol lookup, so no library is ever unloaded here.
extern "C" int dlclose(void* /*handle*/) {
    return 0;
}
