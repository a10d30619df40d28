#pragma once
// The two doors through which outside text reaches the bench: opening an
// experiment file and pasting clipboard text. Each function takes one input
// as raw bytes, exactly as libFuzzer hands it over, and drives the same code
// the window does. The fuzz programs and the corpus replay test share them.

#include <cstddef>
#include <cstdint>

namespace voltaro::fuzz {

// Opens the bytes as an experiment file on a bench emptied as before every
// open, with the after-read steps and the analysis. A file that opens must
// also survive being saved and opened again unchanged.
int RunExperimentFileInput(const uint8_t* data, size_t size);

// Pastes the bytes as clipboard text onto a small wired bench. A refused
// paste must leave the bench as it was; an accepted one must leave a bench
// that survives being saved and opened again unchanged.
int RunPasteInput(const uint8_t* data, size_t size);

// Called when an input breaks one of the promises above. By default it
// prints what broke and aborts, which libFuzzer reports as a crash; the
// replay test turns it into a test failure instead.
using BrokenPromise = void (*)(const char* what);
void SetBrokenPromiseHandler(BrokenPromise handler);

}  // namespace voltaro::fuzz
