// Decoding pictures: from memory (the normal path), byte by byte from the file (the path without
// memory for the packed block), and a whole picture_load with its palette upload.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "assets/picture_placeholders.h"
#include "assets/picture_writer.h"
#include "engine/picture.h"
#include "engine/picture_decode.h"
#include "host/platform.h"

namespace {

enum Kind { kFlat, kPlaceholder, kBanded, kNoise };

// A picture of each kind: one colour, the stand-in picture, short runs of 3..10 pixels like a
// painted scene, and noise (every pixel a literal: the largest packed size).
std::vector<uint8_t> paint(Kind kind) {
    PictureImage image;
    paint_placeholder_picture(7, &image);
    uint32_t s = 1;
    for (int32_t i = 0; i < PICTURE_IMAGE_PIXELS; ++i) {
        s = s * 1664525u + 1013904223u;
        if (kind == kFlat) image.pixels[i] = 40;
        if (kind == kBanded) image.pixels[i] = static_cast<uint8_t>(32 + (i / (3 + (i / 320) % 8)) % 64);
        if (kind == kNoise) image.pixels[i] = static_cast<uint8_t>(s >> 24);
    }
    std::vector<uint8_t> packed;
    std::string error;
    pack_picture(image.pixels, &packed, &error);
    return packed;
}

void BM_PictureDecode(benchmark::State& state) {
    std::vector<uint8_t> packed = paint(static_cast<Kind>(state.range(0)));
    std::vector<uint8_t> out(PICTURE_BYTES);
    for (auto _ : state) {
        int32_t n = picture_decode(packed.data(), static_cast<uint32_t>(packed.size()), out.data());
        benchmark::DoNotOptimize(n);
        benchmark::ClobberMemory();
    }
    state.counters["packed_bytes"] = static_cast<double>(packed.size());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * PICTURE_BYTES);
}
BENCHMARK(BM_PictureDecode)->ArgName("kind")->DenseRange(kFlat, kNoise);

void BM_PictureDecodeFromFile(benchmark::State& state) {
    std::vector<uint8_t> packed = paint(static_cast<Kind>(state.range(0)));
    int32_t f = dos_open("packed.bin", DOS_O_WRONLY | DOS_O_CREAT | DOS_O_TRUNC);
    dos_write(f, packed.data(), static_cast<uint32_t>(packed.size()));
    dos_close(f);
    f = dos_open("packed.bin", DOS_O_RDONLY);
    std::vector<uint8_t> out(PICTURE_BYTES);
    for (auto _ : state) {
        dos_lseek(f, 0, DOS_SEEK_SET);
        int32_t n = picture_decode_file(f, static_cast<uint32_t>(packed.size()), out.data());
        benchmark::DoNotOptimize(n);
    }
    dos_close(f);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * PICTURE_BYTES);
}
BENCHMARK(BM_PictureDecodeFromFile)->ArgName("kind")->Arg(kPlaceholder)->Arg(kNoise);

// The stand-in picture files of the game, all 45 pictures loaded in turn.
void BM_PictureLoad(benchmark::State& state) {
    static std::vector<PictureImage> images(PICTURE_IMAGE_COUNT);
    for (int32_t n = 1; n <= PICTURE_IMAGE_COUNT; ++n) paint_placeholder_picture(n, &images[n - 1]);
    write_picture_pair(".", images.data());
    picture_files_open("ib1vga.dat", "ib2vga.dat");
    std::vector<uint8_t> out(PICTURE_BYTES);
    int32_t n = 0;
    for (auto _ : state) {
        picture_load(n % PICTURE_IMAGE_COUNT + 1, out.data());
        ++n;
        benchmark::ClobberMemory();
    }
    picture_files_close();
}
BENCHMARK(BM_PictureLoad);

void BM_PicturePack(benchmark::State& state) {
    PictureImage image;
    paint_placeholder_picture(7, &image);
    std::vector<uint8_t> packed;
    std::string error;
    for (auto _ : state) {
        pack_picture(image.pixels, &packed, &error);
        benchmark::DoNotOptimize(packed.data());
    }
}
BENCHMARK(BM_PicturePack);

}  // namespace
