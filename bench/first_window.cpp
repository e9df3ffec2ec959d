// Whole-process start-up benchmark: the time from exec to the first window exposed on screen, the
// processor time taken until then and the resident memory at that moment, of the program against
// a bare Qt window program linked to the same Qt modules (bench_bare_window), empty and with one
// line of text. All run on one X server, a private Xvfb started here, with
// QUELLORIN_QUIT_AT_FIRST_WINDOW set: each writes one line when its first window is exposed and
// quits (see src/app/firstwindow.h). The runs are interleaved, program and bare windows in turn,
// so that all see the same machine; on a busy machine the processor time is the steadier figure.
//
// Run: build/bench_first_window [runs [PROGRAM [BARE]]]   (20 runs each by default; PROGRAM and BARE
// default to quellorin and bench_bare_window beside this benchmark). Prints the medians, the
// fastest time, and the program's ratios to each bare window. Needs Xvfb on the PATH.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

double now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

std::string besideMe(const char* name) {
    char self[PATH_MAX] = {};
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    std::string folder = n > 0 ? std::string(self, size_t(n)) : std::string();
    folder.erase(folder.find_last_of('/') + 1);
    return folder + name;
}

// Starts argv with its standard output into a pipe (and, unless quiet, standard error to /dev/null).
// Returns the child's id and sets *out to the pipe's reading end; -1 on failure.
pid_t start(const std::vector<std::string>& args, const std::vector<std::string>& env, int* out) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
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
    close(fds[1]);
    if (failed) {
        close(fds[0]);
        return -1;
    }
    *out = fds[0];
    return pid;
}

// Reads from fd until a line starting with prefix arrives or timeoutMs pass; the line, or "".
std::string awaitLine(int fd, const char* prefix, double timeoutMs) {
    std::string text;
    const double until = now() + timeoutMs;
    for (;;) {
        for (size_t end; (end = text.find('\n')) != std::string::npos; text.erase(0, end + 1))
            if (text.compare(0, std::strlen(prefix), prefix) == 0)
                return text.substr(0, end);
        const double left = until - now();
        pollfd p{fd, POLLIN, 0};
        if (left <= 0 || poll(&p, 1, int(left) + 1) <= 0)
            return {};
        char buffer[512];
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n <= 0)
            return {};
        text.append(buffer, size_t(n));
    }
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

struct Series {
    std::string name;
    std::vector<std::string> command;
    std::vector<double> ms, hwm, rss, cpu;
    int failures = 0;
};

double median(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t m = v.size() / 2;
    return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
}

// One start of the series' program: exec to its first-window line.
bool runOnce(Series& s, const std::vector<std::string>& env) {
    int out = -1;
    const double t0 = now();
    const pid_t pid = start(s.command, env, &out);
    if (pid < 0)
        return false;
    const std::string line = awaitLine(out, "first window:", 20000);
    const double t1 = now();
    close(out);
    finish(pid, 10000);
    long hwm = 0, rss = 0, cpu = 0;
    if (line.empty() || std::sscanf(line.c_str(), "first window: VmHWM %ld kB, VmRSS %ld kB, CPU %ld us",
                                    &hwm, &rss, &cpu) != 3)
        return false;
    s.ms.push_back(t1 - t0);
    s.hwm.push_back(double(hwm));
    s.rss.push_back(double(rss));
    s.cpu.push_back(cpu / 1e3);
    return true;
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
    if (text.find('\n') == std::string::npos) {
        kill(pid, SIGTERM);
        finish(pid, 5000);
        return -1;
    }
    display->assign(":").append(text, 0, text.find('\n'));
    return pid;
}

} // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const std::string program = argc > 2 ? argv[2] : besideMe("quellorin");
    const std::string bare = argc > 3 ? argv[3] : besideMe("bench_bare_window");
    std::vector<Series> series(3);
    series[0].name = "program";
    series[0].command = {program};
    series[1].name = "bare window";
    series[1].command = {bare};
    series[2].name = "bare with text";
    series[2].command = {bare, "--text"};
    std::string display;
    const pid_t xvfb = startXvfb(&display);
    if (xvfb < 0) {
        std::fprintf(stderr, "bench_first_window: could not start Xvfb\n");
        return 1;
    }
    // The children's environment: this one on the private display, the X platform, and the hook.
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const auto named = [&entry](const char* name) {
            return entry.compare(0, std::strlen(name), name) == 0;
        };
        if (!named("DISPLAY=") && !named("WAYLAND_DISPLAY=") && !named("QT_QPA_PLATFORM=") &&
            !named("QUELLORIN_QUIT_AT_FIRST_WINDOW="))
            env.push_back(entry);
    }
    env.push_back("DISPLAY=" + display);
    env.push_back("QT_QPA_PLATFORM=xcb");
    env.push_back("QUELLORIN_QUIT_AT_FIRST_WINDOW=1");

    // One start of each, not counted, fills the file cache.
    for (Series& s : series) {
        Series warm = s;
        if (!runOnce(warm, env)) {
            std::fprintf(stderr, "bench_first_window: %s did not report its first window\n",
                         s.command[0].c_str());
            kill(xvfb, SIGTERM);
            finish(xvfb, 5000);
            return 1;
        }
    }
    // Interleaved, each round starting with the next of them.
    for (int i = 0; i < runs; ++i)
        for (size_t k = 0; k < series.size(); ++k) {
            Series& s = series[(size_t(i) + k) % series.size()];
            if (!runOnce(s, env))
                ++s.failures;
        }
    kill(xvfb, SIGTERM);
    finish(xvfb, 5000);

    std::printf("%d runs each on Xvfb %s, exec to first window exposed (medians)\n", runs, display.c_str());
    std::printf("%-18s %10s %10s %10s %10s %10s\n", "", "time ms", "fastest", "CPU ms", "VmHWM MB",
                "VmRSS MB");
    for (const Series& s : series) {
        std::printf("%-18s %10.1f %10.1f %10.1f %10.1f %10.1f", s.name.c_str(), median(s.ms),
                    s.ms.empty() ? 0.0 : *std::min_element(s.ms.begin(), s.ms.end()), median(s.cpu),
                    median(s.hwm) / 1024, median(s.rss) / 1024);
        if (s.failures)
            std::printf("   (%d runs failed)", s.failures);
        std::printf("\n");
    }
    const Series& p = series[0];
    if (p.ms.empty())
        return 1;
    const auto fastest = [](const Series& s) { return *std::min_element(s.ms.begin(), s.ms.end()); };
    for (size_t k = 1; k < series.size(); ++k) {
        const Series& b = series[k];
        if (b.ms.empty())
            return 1;
        std::printf("%-18s %9.2fx %9.2fx %9.2fx %9.2fx %9.2fx\n", ("vs " + b.name).c_str(),
                    median(p.ms) / median(b.ms), fastest(p) / fastest(b), median(p.cpu) / median(b.cpu),
                    median(p.hwm) / median(b.hwm), median(p.rss) / median(b.rss));
    }
    return 0;
}
