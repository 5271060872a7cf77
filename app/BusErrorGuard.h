#pragma once
// Reading a mapped file raises SIGBUS when another program cuts the file short
// while it is read, or when its disk fails. The header scan of a mapped file
// runs under this guard, which turns such a fault into a failed read instead
// of the end of the program.

#include <cstddef>

// Calls scan(context). Returns true when it returned, false when a bus error
// on the bytes [begin, begin + size) cut it off. The scan must hold nothing
// that needs a destructor on its own stack while it reads the mapping: the
// guard leaves its frames without unwinding them. Faults elsewhere keep their
// default effect.
bool RunCatchingBusErrors(const void* begin, std::size_t size, void (*scan)(void*), void* context);
