// Shared test fixtures: each test process runs in its own fresh working directory holding links to
// the generated data files, and the engine runs against the headless host.
#pragma once

#include <cstdint>
#include <string>

// Starts the engine once per process (graphics_init) and brings it back to its start-up state for
// the next test: virtual clock 0, no script, cleared frame, interface palette, default colours.
void harness_start_engine();
// The directory the generated data files live in.
std::string harness_data_dir();
// Reads a whole file of the working directory; empty when missing.
std::string harness_read_file(const std::string& name);
void harness_write_file(const std::string& name, const std::string& bytes);
