// route_search: makes the harbour routes file (tests/voyage/harbour_routes.txt, which the voyage
// tests play through the real manoeuvre_run) anew from the charts, with the searching pilot of
// route_search.h and, where it finds no way, the following pilot of tests/voyage/pilot.h; or sails
// one episode alone and prints its line. Runs on the headless host in a fresh working directory
// that links the data files, like the tests. Exits 1 on a failure, 2 on a wrong command line;
// --help prints the usage.
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "engine/picture.h"
#include "host/sound_library.h"
#include "tests/harness/harness.h"
#include "tests/route_search/route_search.h"
#include "tests/voyage/pilot.h"
#include "tests/voyage/route_script.h"
#include "ui/fonts.h"
#include "voyage/charts.h"
#include "voyage/manoeuvre.h"
#include "voyage/state_reset.h"

namespace fs = std::filesystem;

namespace {

constexpr int32_t HARDEST_LIMIT = 2000;
constexpr int32_t EPISODES_PER_PORT = 4 * 4 * 3;
constexpr int32_t DEFAULT_JOBS = 4;

constexpr char kUsage[] =
    "usage: route_search [--jobs <n>] [--ports \"<port> ...\"] [--out <file>]\n"
    "       route_search --episode <port> <start> <target> <model> [--search-only]\n"
    "Makes the harbour routes file tests/voyage/harbour_routes.txt of the source tree (or <file>) anew\n"
    "from the charts of voyage/charts/harbours.txt: every episode (port 1..28, start and target 0..3\n"
    "with 0 the entrance, model 1..3) by the searching pilot and, where it finds no way, the following\n"
    "pilot, each way played once more through the real run before it is kept; one chart and model per\n"
    "job, in <n> processes (4 unless given). With --ports only those ports are sailed again and the\n"
    "others keep their lines from that file of the source tree, for a chart or two redrawn.\n"
    "--episode sails that one episode alone and prints its line, writing no file (--search-only: by the\n"
    "search alone, with the states it expanded). Exits 1 on a failure, among them a way found that does\n"
    "not sail again in the real run, 2 on a wrong command line.\n";

// ---- The command line -------------------------------------------------------------------------

struct Options {
    int32_t jobs = DEFAULT_JOBS;
    std::vector<bool> ports;  // the ports to sail again (by row); empty: all
    std::string out;          // empty: the routes file of the source tree
    bool episode = false;
    int32_t port = 0, start = 0, target = 0, model = 0;
    bool search_only = false;
};

// A whole decimal number within [low, high].
bool read_number(const char* text, int32_t low, int32_t high, int32_t* value) {
    char* end = nullptr;
    long v = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || v < low || v > high) return false;
    *value = static_cast<int32_t>(v);
    return true;
}

// The ports of --ports: numbers 1..28 apart by spaces or commas, at least one.
bool read_ports(const char* text, std::vector<bool>* wanted) {
    wanted->assign(HARBOUR_MAP_COUNT, false);
    std::string words(text);
    for (char& c : words)
        if (c == ',') c = ' ';
    std::istringstream in(words);
    std::string word;
    int32_t count = 0;
    while (in >> word) {
        int32_t port = 0;
        if (!read_number(word.c_str(), 1, HARBOUR_MAP_COUNT, &port)) return false;
        (*wanted)[static_cast<size_t>(port - 1)] = true;
        ++count;
    }
    return count > 0;
}

// 0 to go on, else the status to exit with (the usage printed).
int parse_options(int argc, char** argv, Options* o) {
    auto wrong = [](const std::string& what) {
        std::fprintf(stderr, "route_search: %s\n%s", what.c_str(), kUsage);
        return 2;
    };
    bool file_options = false;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        int left = argc - 1 - i;
        if (a == "--jobs") {
            if (left < 1 || !read_number(argv[i + 1], 1, 1000, &o->jobs))
                return wrong("--jobs needs a number of processes (1..1000)");
            file_options = true;
            ++i;
        } else if (a == "--ports") {
            if (left < 1 || !read_ports(argv[i + 1], &o->ports))
                return wrong("--ports needs port numbers 1.." + std::to_string(HARBOUR_MAP_COUNT) + ", e.g. \"3 17\"");
            file_options = true;
            ++i;
        } else if (a == "--out") {
            if (left < 1 || argv[i + 1][0] == '\0' || argv[i + 1][0] == '-') return wrong("--out needs a file name");
            o->out = argv[++i];
            file_options = true;
        } else if (a == "--episode") {
            if (left < 4 || !read_number(argv[i + 1], 1, HARBOUR_MAP_COUNT, &o->port) ||
                !read_number(argv[i + 2], 0, 3, &o->start) || !read_number(argv[i + 3], 0, 3, &o->target) ||
                !read_number(argv[i + 4], 1, 3, &o->model))
                return wrong("--episode needs a port (1.." + std::to_string(HARBOUR_MAP_COUNT) +
                             "), a start and a target (0..3) and a model (1..3)");
            o->episode = true;
            i += 4;
        } else if (a == "--search-only") {
            o->search_only = true;
        } else if (a.size() > 1 && a[0] == '-') {
            return wrong("unknown option " + a);
        } else {
            return wrong("no such argument " + a);
        }
    }
    if (o->episode && file_options) return wrong("--episode writes no file: --jobs, --ports and --out go without it");
    if (o->search_only && !o->episode) return wrong("--search-only goes with --episode");
    return 0;
}

// ---- Sailing ----------------------------------------------------------------------------------

// The engine on the headless host with the picture files open and the voyages' state as at
// program start, as the sailing tests' fixture has it.
bool start_engine() {
    harness_start_engine();
    sound_library_reset();
    voyage_state_reset();
    if (picture_files_open("ib1vga.dat", "ib2vga.dat") == 0) return false;
    if (g_font_sys8.data == nullptr) font_load("sys8.fnt", &g_font_sys8);
    return true;
}

// One episode's line: the search's way, else the following pilot's first way that sails, each
// played once more through the real run before it is kept.
RouteRecord sail_episode(RouteLattice& lattice, int32_t start, int32_t target) {
    int32_t row = lattice.row, model = lattice.model;
    RouteSearchResult s = route_search(lattice, start, target, HARDEST_LIMIT);
    RouteRecord r{row, start, target, model, false, "search", s.ticks, s.script, s.why};
    if (s.sailed && route_replay(0, model, row, start, target, HARDEST_LIMIT, s.script) == MANOEUVRE_SUCCESS) {
        r.sailed = true;
        return r;
    }
    if (s.sailed) r.why = "the search's way failed in the real run";
    for (int32_t v = 0; v < PILOT_VARIANTS; ++v) {
        std::string why;
        std::vector<PilotLeg> legs = pilot_plan(0, model, row, start, target, &why, v);
        std::vector<RouteInput> script;
        if (legs.empty() ||
            pilot_sail(0, model, row, start, target, HARDEST_LIMIT, legs, v, &script) != MANOEUVRE_SUCCESS)
            continue;
        if (route_replay(0, model, row, start, target, HARDEST_LIMIT, script) != MANOEUVRE_SUCCESS) continue;
        return {row, start, target, model, true, "pilot", static_cast<int32_t>(script.size()), script, ""};
    }
    return r;
}

// The 16 episodes of one chart and model, as lines of the routes file.
std::string sail_chart(int32_t row, int32_t model) {
    RouteLattice lattice = route_lattice_build(row, model);
    std::string out;
    for (int32_t start = 0; start < 4; ++start)
        for (int32_t target = 0; target < 4; ++target) out += route_record_line(sail_episode(lattice, start, target)) + "\n";
    return out;
}

// --episode: the one episode alone, its line printed (cut short) with the time taken.
int search_one_episode(const Options& o) {
    int32_t row = o.port - 1;
    auto t0 = std::chrono::steady_clock::now();
    RouteLattice lattice = route_lattice_build(row, o.model);
    auto t1 = std::chrono::steady_clock::now();
    RouteRecord r{};
    if (o.search_only) {
        RouteSearchResult s = route_search(lattice, o.start, o.target, HARDEST_LIMIT);
        r = {row, o.start, o.target, o.model, s.sailed, "search", s.ticks, s.script, s.why};
        std::printf("%lld expansions\n", static_cast<long long>(s.expansions));
    } else {
        r = sail_episode(lattice, o.start, o.target);
    }
    auto t2 = std::chrono::steady_clock::now();
    std::printf("lattice %.3f s, sailing %.3f s: %s\n", std::chrono::duration<double>(t1 - t0).count(),
                std::chrono::duration<double>(t2 - t1).count(), route_record_line(r).substr(0, 160).c_str());
    if (r.sailed && route_replay(0, o.model, row, o.start, o.target, HARDEST_LIMIT, r.script) != MANOEUVRE_SUCCESS) {
        std::fprintf(stderr, "route_search: the way found does not sail again in the real run\n");
        return 1;
    }
    return 0;
}

using EpisodeKey = std::tuple<int32_t, int32_t, int32_t, int32_t>;  // row, start, target, model

// The routes file anew, one chart and model per job, the jobs in parallel processes, the lines in
// port order. With --ports only those ports are sailed again and the others keep their lines.
int write_routes_file(const Options& o, const fs::path& out_path) {
    const bool all = o.ports.empty();
    auto wanted = [&](int32_t row) { return all || o.ports[static_cast<size_t>(row)]; };
    std::map<EpisodeKey, std::string> ordered;  // port order, then start, target and model
    int32_t sailed = 0;
    if (!all) {
        std::vector<RouteRecord> old;
        std::string error;
        if (!route_file_parse(read_text(routes_path()), &old, &error)) {
            std::fprintf(stderr, "route_search: %s has a malformed line: %.160s\n", routes_path().c_str(),
                         error.c_str());
            return 1;
        }
        for (const RouteRecord& r : old)
            if (!wanted(r.row)) {
                ordered[{r.row, r.start, r.target, r.model}] = route_record_line(r);
                if (r.sailed) ++sailed;
            }
    }
    auto t0 = std::chrono::steady_clock::now();
    const std::string dir = "route_search_parts";
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec) {
        std::fprintf(stderr, "route_search: cannot make %s: %s\n", dir.c_str(), ec.message().c_str());
        return 1;
    }
    std::fflush(stdout);
    std::fflush(stderr);
    std::vector<pid_t> children;
    bool failed = false;
    for (int32_t w = 0; w < o.jobs; ++w) {
        pid_t pid = fork();
        if (pid < 0) {
            std::perror("route_search: fork");
            failed = true;
            break;
        }
        if (pid == 0) {
            int status = 0;
            for (int32_t job = w; job < HARBOUR_MAP_COUNT * 3; job += o.jobs) {
                if (!wanted(job / 3)) continue;
                std::string lines = sail_chart(job / 3, job % 3 + 1);
                std::ofstream part(dir + "/" + std::to_string(job) + ".txt");
                part << lines;
                if (!part) status = 1;
            }
            std::fflush(stdout);
            _exit(status);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) failed = true;
    }
    if (failed) {
        std::fprintf(stderr, "route_search: a search process failed\n");
        return 1;
    }
    for (int32_t job = 0; job < HARBOUR_MAP_COUNT * 3; ++job) {
        if (!wanted(job / 3)) continue;
        std::istringstream in(read_text(dir + "/" + std::to_string(job) + ".txt"));
        std::string line;
        while (std::getline(in, line)) {
            std::vector<RouteRecord> r;
            std::string error;
            if (!route_file_parse(line, &r, &error) || r.size() != 1) {
                std::fprintf(stderr, "route_search: a malformed line came out of the search: %.160s\n", line.c_str());
                return 1;
            }
            ordered[{r[0].row, r[0].start, r[0].target, r[0].model}] = line;
            if (r[0].sailed) ++sailed;
        }
    }
    if (ordered.size() != static_cast<size_t>(HARBOUR_MAP_COUNT * EPISODES_PER_PORT)) {
        std::fprintf(stderr, "route_search: %zu episodes instead of %d\n", ordered.size(),
                     HARBOUR_MAP_COUNT * EPISODES_PER_PORT);
        return 1;
    }
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::ofstream out(out_path, std::ios::trunc);
    out << "# The harbour routes: per port (1..28), start (0 the entrance, 1..3 the berths), target and model\n"
           "# (1..3, the three outlines), the player's input on every tick of a successful episode within\n"
           "# 2000 ticks, as words count*mouse x,mouse y,left button,key, after what found it (the search,\n"
           "# or the following pilot where the search found nothing) and the tick count; or unsailed and why.\n"
           "# Made from voyage/charts/harbours.txt by the route_search program of tests/route_search\n"
           "# (--ports \"3 17\" sails only those ports again; --help tells the rest):\n"
           "#   build/rel/tests/route_search --jobs 8\n";
    out << "# " << sailed << " of " << ordered.size() << " episodes sailed; the search took " << static_cast<int32_t>(seconds)
        << " s in " << o.jobs << " processes.\n";
    for (const auto& [key, line] : ordered) out << line << "\n";
    out.close();
    if (!out) {
        std::fprintf(stderr, "route_search: cannot write %s\n", out_path.c_str());
        return 1;
    }
    std::printf("%d of %zu episodes sailed in %.0f s: %s\n", sailed, ordered.size(), seconds, out_path.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
    Options o;
    if (int status = parse_options(argc, argv, &o); status != 0) return status;
    fs::path out_path = fs::absolute(o.out.empty() ? routes_path() : o.out);

    // A fresh working directory holding links to the data files, gone at the end.
    std::error_code ec;
    std::string work = (fs::temp_directory_path() / "marivane-route-search-XXXXXX").string();
    if (mkdtemp(work.data()) == nullptr) {
        std::perror("route_search: mkdtemp");
        return 1;
    }
    for (const auto& entry : fs::directory_iterator(harness_data_dir(), ec))
        if (entry.is_regular_file(ec)) fs::create_symlink(entry.path(), fs::path(work) / entry.path().filename(), ec);
    fs::current_path(work);

    int status = 0;
    if (!start_engine()) {
        std::fprintf(stderr, "route_search: the picture files of %s could not be opened\n", harness_data_dir().c_str());
        status = 1;
    } else {
        status = o.episode ? search_one_episode(o) : write_routes_file(o, out_path);
        picture_files_close();
    }
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(work, ec);
    return status;
}
