// Whole-process start-up benchmark: from exec to the first paint of a window on screen, of the
// program against its floor (bench_floor_window: a plain Qt main window of the same kind, linked to
// the same Qt modules, opening the database read-only) and against another desktop program of the
// same kind (SpeedCrunch, when installed; bench/deps.sh installs it).
//
// Every program is timed the same way, from outside, and none needs to cooperate: on a private
// Xvfb started here, this benchmark is the window manager. A window that asks to be mapped is
// watched for damage (the X DAMAGE extension) before it is mapped, so the first drawing into any
// top-level window of the program is seen as soon as the X server has it. At that moment the
// program is stopped (SIGSTOP), and its processor time (all its threads, /proc/PID/task/*/schedstat),
// its peak resident memory (VmHWM) and the shared libraries it has mapped are read; then it is
// killed. The programs start in interleaved rounds, each round in a different order, so that all
// see the same machine, and each round gives a ratio: the median of the per-round ratios is the
// figure that a busy machine moves least. The load average before and after is printed with them.
//
// Run: build/bench_first_window [rounds [PROGRAM [FLOOR [OTHER]]]]   (32 rounds by default, at
// least 8; PROGRAM and FLOOR default to quellorin and bench_floor_window beside this benchmark,
// OTHER to speedcrunch on the PATH; "-" leaves OTHER out). Needs Xvfb on the PATH.

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <xcb/xcb.h>
#include <xcb/xcbext.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

double now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

std::string besideMe(const char* name) {
    char self[PATH_MAX] = {};
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    std::string folder = n > 0 ? std::string(self, size_t(n)) : std::string();
    folder.erase(folder.find_last_of('/') + 1);
    return folder + name;
}

// The program of that name on the PATH, or "".
std::string onPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : "");
    for (std::string folder; std::getline(folders, folder, ':');) {
        const std::string candidate = folder + "/" + name;
        if (!folder.empty() && access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return {};
}

std::string readFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Starts argv with standard output and error to /dev/null, or into a pipe (*out) when out is given.
pid_t start(const std::vector<std::string>& args, const std::vector<std::string>& env, int* out) {
    int fds[2] = {-1, -1};
    if (out && pipe2(fds, O_CLOEXEC) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (out)
        posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    else
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv, envp;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    for (const std::string& e : env)
        envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (out)
        close(fds[1]);
    if (failed) {
        if (out)
            close(fds[0]);
        return -1;
    }
    if (out)
        *out = fds[0];
    return pid;
}

void finish(pid_t pid, double timeoutMs) {
    const double until = now() + timeoutMs;
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (now() > until) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return;
        }
        usleep(2000);
    }
}

// A private X server; its display name in *display. The server's id, or -1.
pid_t startXvfb(std::string* display) {
    int out = -1;
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        env.emplace_back(*e);
    // -displayfd writes the display number once the server is ready for clients.
    const pid_t pid = start(
        {"/bin/sh", "-c", "exec Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp -noreset"}, env, &out);
    if (pid < 0)
        return -1;
    std::string text;
    const double until = now() + 20000;
    while (text.find('\n') == std::string::npos && now() < until) {
        pollfd p{out, POLLIN, 0};
        if (poll(&p, 1, 200) <= 0)
            continue;
        char buffer[64];
        const ssize_t n = read(out, buffer, sizeof buffer);
        if (n <= 0)
            break;
        text.append(buffer, size_t(n));
    }
    close(out);
    const size_t newline = text.find('\n');
    if (newline == std::string::npos) {
        kill(pid, SIGTERM);
        finish(pid, 5000);
        return -1;
    }
    display->assign(1, ':');
    display->append(text, 0, newline);
    return pid;
}

// ----- the window manager that watches for the first paint ------------------------------------

// The DAMAGE extension, spoken directly: version 1.1, one damage object per top-level window that
// reports once when anything is first drawn into it.
xcb_extension_t damageExtension = {"DAMAGE", 0};

struct DamageQueryVersion {
    uint8_t major;
    uint8_t minor;
    uint16_t length;
    uint32_t clientMajor;
    uint32_t clientMinor;
};
struct DamageCreate {
    uint8_t major;
    uint8_t minor;
    uint16_t length;
    uint32_t damage;
    uint32_t drawable;
    uint8_t level;
    uint8_t pad[3];
};
constexpr uint8_t DamageReportNonEmpty = 3;
// DamageNotify's drawable, after the event's code, level and sequence number.
struct DamageNotifyEvent {
    uint8_t responseType;
    uint8_t level;
    uint16_t sequence;
    uint32_t drawable;
};

template <typename Request> unsigned sendDamageRequest(xcb_connection_t* c, uint8_t minor, Request request) {
    // xcb_send_request needs two free slots before the request's parts.
    iovec parts[4] = {};
    parts[2].iov_base = &request;
    parts[2].iov_len = sizeof request;
    parts[3].iov_base = nullptr;
    parts[3].iov_len = (-sizeof request) & 3;
    const xcb_protocol_request_t protocol = {2, &damageExtension, minor, minor != 0};
    return xcb_send_request(c, 0, parts + 2, &protocol);
}

class Watcher {
  public:
    // Connects to the display and becomes its window manager; false when that fails.
    bool connect(const std::string& display) {
        m_c = xcb_connect(display.c_str(), nullptr);
        if (xcb_connection_has_error(m_c))
            return false;
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data->root;
        const xcb_query_extension_reply_t* damage = xcb_get_extension_data(m_c, &damageExtension);
        if (!damage || !damage->present)
            return false;
        m_damageEvent = damage->first_event;
        void* version =
            xcb_wait_for_reply(m_c, sendDamageRequest(m_c, 0, DamageQueryVersion{0, 0, 0, 1, 1}), nullptr);
        if (!version)
            return false;
        std::free(version);
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_generic_error_t* error = xcb_request_check(
            m_c, xcb_change_window_attributes_checked(m_c, m_root, XCB_CW_EVENT_MASK, &mask));
        std::free(error);
        return !error;
    }
    ~Watcher() {
        if (m_c)
            xcb_disconnect(m_c);
    }

    // Serves the display until a window of this run is first drawn into or the time runs out;
    // true when one was.
    bool awaitFirstPaint(double timeoutMs) {
        m_watched.clear();
        const double until = now() + timeoutMs;
        for (;;) {
            while (xcb_generic_event_t* e = xcb_poll_for_event(m_c)) {
                const bool painted = handle(e);
                std::free(e);
                if (painted)
                    return true;
            }
            xcb_flush(m_c);
            const double left = until - now();
            if (left <= 0 || xcb_connection_has_error(m_c))
                return false;
            pollfd p{xcb_get_file_descriptor(m_c), POLLIN, 0};
            poll(&p, 1, int(left) + 1);
        }
    }

    // Maps what asks to be mapped until the display is quiet (between runs).
    void serve(double ms) {
        const double until = now() + ms;
        while (now() < until) {
            while (xcb_generic_event_t* e = xcb_poll_for_event(m_c)) {
                handle(e);
                std::free(e);
            }
            xcb_flush(m_c);
            pollfd p{xcb_get_file_descriptor(m_c), POLLIN, 0};
            poll(&p, 1, 5);
        }
    }

  private:
    void watch(xcb_window_t window) {
        if (m_watched.count(window))
            return;
        m_watched.insert(window);
        sendDamageRequest(m_c, 1,
                          DamageCreate{0, 0, 0, xcb_generate_id(m_c), window, DamageReportNonEmpty, {}});
    }

    // True for the first damage of a window watched in this run.
    bool handle(const xcb_generic_event_t* e) {
        const uint8_t type = e->response_type & 0x7f;
        if (type == XCB_MAP_REQUEST) {
            const auto* m = reinterpret_cast<const xcb_map_request_event_t*>(e);
            // Watched before it is mapped, so that no drawing into it can come before the watch.
            watch(m->window);
            xcb_map_window(m_c, m->window);
        } else if (type == XCB_CONFIGURE_REQUEST) {
            const auto* r = reinterpret_cast<const xcb_configure_request_event_t*>(e);
            std::vector<uint32_t> values;
            const uint16_t mask = r->value_mask;
            if (mask & XCB_CONFIG_WINDOW_X)
                values.push_back(uint32_t(r->x));
            if (mask & XCB_CONFIG_WINDOW_Y)
                values.push_back(uint32_t(r->y));
            if (mask & XCB_CONFIG_WINDOW_WIDTH)
                values.push_back(r->width);
            if (mask & XCB_CONFIG_WINDOW_HEIGHT)
                values.push_back(r->height);
            if (mask & XCB_CONFIG_WINDOW_BORDER_WIDTH)
                values.push_back(r->border_width);
            if (mask & XCB_CONFIG_WINDOW_SIBLING)
                values.push_back(r->sibling);
            if (mask & XCB_CONFIG_WINDOW_STACK_MODE)
                values.push_back(r->stack_mode);
            xcb_configure_window(m_c, r->window, mask, values.data());
        } else if (type == XCB_CREATE_NOTIFY) {
            // A window that passes the window manager by (a pop-up) is watched as soon as it exists.
            const auto* n = reinterpret_cast<const xcb_create_notify_event_t*>(e);
            if (n->override_redirect)
                watch(n->window);
        } else if (type == m_damageEvent) {
            const auto* d = reinterpret_cast<const DamageNotifyEvent*>(e);
            return m_watched.count(d->drawable) > 0;
        }
        return false;
    }

    xcb_connection_t* m_c = nullptr;
    xcb_window_t m_root = 0;
    uint8_t m_damageEvent = 0;
    std::set<xcb_window_t> m_watched;
};

// ----- what a program has done by its first paint ------------------------------------------------

struct Sample {
    double ms = 0;  // exec to the first paint
    double cpu = 0; // processor time of all its threads, ms
    double hwm = 0; // peak resident memory, MB
    std::set<std::string> libraries;
};

// The processor time of the process's threads, in ms.
double threadsCpu(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    double ns = 0;
    if (DIR* dir = opendir(tasks.c_str())) {
        while (const dirent* d = readdir(dir))
            if (d->d_name[0] != '.')
                ns += std::strtod(readFile(tasks + "/" + d->d_name + "/schedstat").c_str(), nullptr);
        closedir(dir);
    }
    return ns / 1e6;
}

double peakResidentMB(pid_t pid) {
    const std::string status = readFile("/proc/" + std::to_string(pid) + "/status");
    const size_t at = status.find("VmHWM:");
    return at == std::string::npos ? 0 : std::strtod(status.c_str() + at + 6, nullptr) / 1024;
}

// The file names of the shared libraries mapped into the process.
std::set<std::string> libraries(pid_t pid) {
    std::set<std::string> names;
    std::istringstream maps(readFile("/proc/" + std::to_string(pid) + "/maps"));
    for (std::string line; std::getline(maps, line);) {
        const size_t slash = line.rfind('/');
        if (slash == std::string::npos || line.find(".so", slash) == std::string::npos)
            continue;
        names.insert(line.substr(slash + 1));
    }
    return names;
}

struct Series {
    std::string name;
    std::vector<std::string> command;
    std::vector<Sample> samples; // one a round; ms 0 when the run failed
};

bool runOnce(Watcher& watcher, const std::vector<std::string>& command, const std::vector<std::string>& env,
             Sample* sample) {
    watcher.serve(20);
    const double t0 = now();
    const pid_t pid = start(command, env, nullptr);
    if (pid < 0)
        return false;
    const bool painted = watcher.awaitFirstPaint(30000);
    const double t1 = now();
    kill(pid, SIGSTOP);
    if (painted) {
        sample->ms = t1 - t0;
        sample->cpu = threadsCpu(pid);
        sample->hwm = peakResidentMB(pid);
        sample->libraries = libraries(pid);
    }
    kill(pid, SIGKILL);
    finish(pid, 10000);
    return painted;
}

double median(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t m = v.size() / 2;
    return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
}

// The median over the rounds where both ran of a's figure over b's.
double medianRatio(const Series& a, const Series& b, double Sample::*figure) {
    std::vector<double> ratios;
    for (size_t i = 0; i < a.samples.size() && i < b.samples.size(); ++i)
        if (a.samples[i].ms > 0 && b.samples[i].ms > 0 && b.samples[i].*figure > 0)
            ratios.push_back(a.samples[i].*figure / b.samples[i].*figure);
    return median(ratios);
}

double medianOf(const Series& s, double Sample::*figure) {
    std::vector<double> v;
    for (const Sample& x : s.samples)
        if (x.ms > 0)
            v.push_back(x.*figure);
    return median(v);
}

std::string loadAverage() {
    const std::string text = readFile("/proc/loadavg");
    return text.substr(0, text.find(' ', text.find(' ', text.find(' ') + 1) + 1));
}

} // namespace

int main(int argc, char* argv[]) {
    const int rounds = argc > 1 ? std::max(8, std::atoi(argv[1])) : 32;
    std::vector<Series> series(2);
    series[0] = {"program", {argc > 2 ? argv[2] : besideMe("quellorin")}, {}};
    series[1] = {"floor", {argc > 3 ? argv[3] : besideMe("bench_floor_window")}, {}};
    const std::string other = argc > 4 ? argv[4] : onPath("speedcrunch");
    if (!other.empty() && other != "-")
        series.push_back({other.substr(other.rfind('/') + 1), {other}, {}});

    // On a machine others are busy on, the programs measured and their X server, which inherit
    // this priority, wait less for the others' processes at a higher one, where that is allowed
    // (as root).
    const bool raised = setpriority(PRIO_PROCESS, 0, -15) == 0;
    std::string display;
    const pid_t xvfb = startXvfb(&display);
    if (xvfb < 0) {
        std::fprintf(stderr, "bench_first_window: could not start Xvfb\n");
        return 1;
    }
    Watcher watcher;
    if (!watcher.connect(display)) {
        std::fprintf(stderr,
                     "bench_first_window: could not watch the display %s (no DAMAGE extension, or a "
                     "window manager already)\n",
                     display.c_str());
        kill(xvfb, SIGTERM);
        finish(xvfb, 5000);
        return 1;
    }
    // The children's environment: this one on the private display with the X platform, and their
    // settings in a folder of their own that starts empty and is never written (they are killed).
    char settings[] = "/tmp/bench_first_window.XXXXXX";
    if (!mkdtemp(settings)) {
        std::fprintf(stderr, "bench_first_window: no temporary folder\n");
        return 1;
    }
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const auto named = [&entry](const char* name) {
            return entry.compare(0, std::strlen(name), name) == 0;
        };
        if (!named("DISPLAY=") && !named("WAYLAND_DISPLAY=") && !named("QT_QPA_PLATFORM=") &&
            !named("QUELLORIN_QUIT_AT_FIRST_WINDOW=") && !named("XDG_CONFIG_HOME=") &&
            !named("XDG_DATA_HOME="))
            env.push_back(entry);
    }
    env.push_back("DISPLAY=" + display);
    env.push_back("QT_QPA_PLATFORM=xcb");
    env.push_back(std::string("XDG_CONFIG_HOME=") + settings);
    env.push_back(std::string("XDG_DATA_HOME=") + settings);

    const std::string loadBefore = loadAverage();
    int status = 0;
    // One start of each, not counted, fills the file cache.
    for (const Series& s : series) {
        Sample warm;
        if (!runOnce(watcher, s.command, env, &warm)) {
            std::fprintf(stderr, "bench_first_window: %s drew no window\n", s.command[0].c_str());
            status = 1;
        }
    }
    // Interleaved, each round starting with the next of them.
    for (int i = 0; status == 0 && i < rounds; ++i) {
        for (Series& s : series)
            s.samples.emplace_back();
        for (size_t k = 0; k < series.size(); ++k) {
            Series& s = series[(size_t(i) + k) % series.size()];
            runOnce(watcher, s.command, env, &s.samples.back());
        }
    }
    const std::string loadAfter = loadAverage();
    kill(xvfb, SIGTERM);
    finish(xvfb, 5000);
    rmdir(settings);
    if (status != 0)
        return status;

    std::printf("%d rounds on a private Xvfb (%s), exec to the first paint of a window, at %s priority; load "
                "average %s before, %s after\n",
                rounds, display.c_str(), raised ? "raised (nice -15)" : "normal", loadBefore.c_str(),
                loadAfter.c_str());
    std::printf("%-14s %9s %9s %9s %9s %9s\n", "medians", "wall ms", "fastest", "CPU ms", "peak MB",
                "failed");
    for (const Series& s : series) {
        double fastest = 0;
        int failed = 0;
        for (const Sample& x : s.samples) {
            failed += x.ms <= 0;
            if (x.ms > 0 && (fastest == 0 || x.ms < fastest))
                fastest = x.ms;
        }
        std::printf("%-14s %9.1f %9.1f %9.1f %9.1f %9d\n", s.name.c_str(), medianOf(s, &Sample::ms), fastest,
                    medianOf(s, &Sample::cpu), medianOf(s, &Sample::hwm), failed);
    }
    std::printf("\n%-24s %9s %9s %9s\n", "per-round ratios, median", "wall", "CPU", "peak RSS");
    const auto ratioLine = [](const Series& a, const Series& b) {
        std::printf("%-24s %8.2fx %8.2fx %8.2fx\n", (a.name + " / " + b.name).c_str(),
                    medianRatio(a, b, &Sample::ms), medianRatio(a, b, &Sample::cpu),
                    medianRatio(a, b, &Sample::hwm));
    };
    ratioLine(series[0], series[1]);
    if (series.size() > 2)
        ratioLine(series[2], series[0]);

    // What the program loads at start that the floor does not: libraries of its own, or of windows
    // that have not been opened.
    const auto firstRun = [](const Series& s) -> const Sample* {
        for (const Sample& x : s.samples)
            if (x.ms > 0)
                return &x;
        return nullptr;
    };
    const Sample* program = firstRun(series[0]);
    const Sample* floor = firstRun(series[1]);
    if (!program || !floor)
        return 1;
    std::printf("\nshared libraries mapped at the first paint: program %zu, floor %zu; the program's that "
                "the floor has not:",
                program->libraries.size(), floor->libraries.size());
    int extra = 0;
    for (const std::string& library : program->libraries)
        if (!floor->libraries.count(library) && ++extra)
            std::printf(" %s", library.c_str());
    std::printf("%s\n", extra ? "" : " none");
    return 0;
}
