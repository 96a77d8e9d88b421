// The data-file generator is a program, not a library: its picture writer is compiled into this
// test program here.
#include "assets/picture_writer.cpp"
