// Decoding the game's own pictures from the generated picture files: from memory (the normal
// path), byte by byte from the file (the path without memory for the packed block), a whole
// picture_load with its palette upload, and packing a picture as the generator does.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "assets/picture_writer.h"
#include "engine/picture.h"
#include "engine/picture_decode.h"
#include "host/platform.h"

namespace {

// Picture 0 stands for the picture with the largest packed image.
constexpr int32_t kLargest = 0;

bool open_pictures() {
    return g_picture_file1 >= 0 || picture_files_open("ib1vga.dat", "ib2vga.dat") == 1;
}

int32_t resolve(int32_t n) {
    if (n != kLargest) return n;
    int32_t largest = 1;
    for (int32_t k = 2; k <= PICTURE_COUNT; ++k)
        if (g_picture_directory[k - 1].size > g_picture_directory[largest - 1].size) largest = k;
    return largest;
}

// Seeks the file of picture n to its packed image; the handle.
int32_t seek_packed(int32_t n) {
    const PictureDirEntry& e = g_picture_directory[n - 1];
    int32_t file = e.file == 1 ? g_picture_file2 : g_picture_file1;
    dos_lseek(file, static_cast<int32_t>(e.offset), DOS_SEEK_SET);
    return file;
}

std::vector<uint8_t> packed_image(int32_t n) {
    std::vector<uint8_t> packed(g_picture_directory[n - 1].size);
    int32_t got = dos_read(seek_packed(n), packed.data(), static_cast<uint32_t>(packed.size()));
    packed.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return packed;
}

void BM_PictureDecode(benchmark::State& state) {
    if (!open_pictures()) return state.SkipWithError("the picture files cannot be opened");
    int32_t n = resolve(static_cast<int32_t>(state.range(0)));
    std::vector<uint8_t> packed = packed_image(n);
    std::vector<uint8_t> out(PICTURE_BYTES);
    for (auto _ : state) {
        int32_t written = picture_decode(packed.data(), static_cast<uint32_t>(packed.size()), out.data());
        benchmark::DoNotOptimize(written);
        benchmark::ClobberMemory();
    }
    state.SetLabel("picture " + std::to_string(n));
    state.counters["packed_bytes"] = static_cast<double>(packed.size());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * PICTURE_BYTES);
}
// The main screen, the charts' sprite sheet, the letter paper and the largest.
BENCHMARK(BM_PictureDecode)->ArgName("picture")->Arg(1)->Arg(13)->Arg(37)->Arg(kLargest);

void BM_PictureDecodeFromFile(benchmark::State& state) {
    if (!open_pictures()) return state.SkipWithError("the picture files cannot be opened");
    int32_t n = resolve(static_cast<int32_t>(state.range(0)));
    std::vector<uint8_t> out(PICTURE_BYTES);
    for (auto _ : state) {
        int32_t file = seek_packed(n);
        int32_t written = picture_decode_file(file, g_picture_directory[n - 1].size, out.data());
        benchmark::DoNotOptimize(written);
    }
    state.SetLabel("picture " + std::to_string(n));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * PICTURE_BYTES);
}
BENCHMARK(BM_PictureDecodeFromFile)->ArgName("picture")->Arg(1)->Arg(kLargest);

// All 45 pictures loaded in turn, each with its palette.
void BM_PictureLoad(benchmark::State& state) {
    if (!open_pictures()) return state.SkipWithError("the picture files cannot be opened");
    std::vector<uint8_t> out(PICTURE_BYTES);
    int32_t n = 0;
    for (auto _ : state) {
        picture_load(n % PICTURE_COUNT + 1, out.data());
        ++n;
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PictureLoad);

// The generator packing the main screen's picture.
void BM_PicturePack(benchmark::State& state) {
    if (!open_pictures()) return state.SkipWithError("the picture files cannot be opened");
    std::vector<uint8_t> pixels(PICTURE_BYTES);
    picture_load(1, pixels.data());
    std::vector<uint8_t> packed;
    std::string error;
    for (auto _ : state) {
        pack_picture(pixels.data(), &packed, &error);
        benchmark::DoNotOptimize(packed.data());
    }
    state.counters["packed_bytes"] = static_cast<double>(packed.size());
}
BENCHMARK(BM_PicturePack);

}  // namespace
