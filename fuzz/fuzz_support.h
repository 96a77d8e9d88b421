// What every fuzz target shares: a private scratch directory to run in (the loaders open files by
// name), the input written there as a file, and a check that stops the run with a message.
#pragma once

#include <cstddef>
#include <cstdint>

// Makes a fresh directory under /tmp the working directory; it is removed with everything in it
// when the process ends.
void fuzz_enter_scratch_dir();
// Links every generated data file (fonts, pictures, sounds) into the working directory.
void fuzz_link_data_files();
// Writes size bytes as the file name in the working directory.
void fuzz_write_file(const char* name, const uint8_t* data, size_t size);
// Stops the run (a crash libFuzzer records) when ok is false.
void fuzz_check(bool ok, const char* target, const char* what);
