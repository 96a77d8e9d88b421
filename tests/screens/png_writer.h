// A small PNG writer for frame captures: an 8-bit palette image, its data in stored (uncompressed)
// deflate blocks, with the CRC-32 of every chunk and the Adler-32 of the zlib stream.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

uint32_t png_crc32(const uint8_t* data, size_t size, uint32_t crc = 0);
uint32_t png_adler32(const uint8_t* data, size_t size);
// The zlib stream of data in stored blocks of at most 65535 bytes.
std::string png_zlib_stored(const uint8_t* data, size_t size);
// A width x height image of palette indexes; palette holds 256 red, green, blue triples.
std::string png_encode_indexed(const uint8_t* pixels, uint32_t width, uint32_t height,
                               const uint8_t* palette);
// A width x height image of red, green, blue bytes.
std::string png_encode_rgb(const uint8_t* pixels, uint32_t width, uint32_t height);
