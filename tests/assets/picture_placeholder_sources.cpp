// The data-file generator is a program, not a library: its stand-in pictures are compiled into this
// test program here.
#include "assets/picture_placeholders.cpp"
