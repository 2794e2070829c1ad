// Runs a command several times and prints the medians of its wall time, its processor time (user and
// system) and its peak resident memory, one line: "wall_ms cpu_ms peak_kib".
//
// With --window the wall time ends when the command maps its first top-level window on the X display
// (DISPLAY), and the peak memory is read once the window has been open for --settle milliseconds; the
// command is then ended. Its processor time is left out (0), as it goes on after the window shows.
//
// Usage: scale_run [--runs N] [--window] [--settle MS] -- COMMAND [ARGUMENTS...]
#include <X11/Xlib.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
    double wallMs = 0;
    double cpuMs = 0;
    long peakKib = 0;
};

double Milliseconds(const timeval& t) {
    return t.tv_sec * 1000.0 + t.tv_usec / 1000.0;
}

pid_t Start(char** command) {
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0)
            dup2(null, STDOUT_FILENO);
        execvp(command[0], command);
        std::fprintf(stderr, "scale_run: cannot run %s: %s\n", command[0], std::strerror(errno));
        _exit(127);
    }
    return pid;
}

// VmHWM of a running process, in KiB.
long PeakOf(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return 0;
}

bool RunOnce(char** command, Sample& out) {
    const auto start = Clock::now();
    const pid_t pid = Start(command);
    if (pid < 0)
        return false;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) < 0)
        return false;
    out.wallMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    out.cpuMs = Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime);
    out.peakKib = usage.ru_maxrss;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "scale_run: %s failed (status %d)\n", command[0], status);
        return false;
    }
    return true;
}

// Waits for the first top-level window mapped after the start; false after the time limit or when the
// command ends first.
bool WaitForMap(Display* display, pid_t pid, Clock::time_point limit) {
    const int fd = ConnectionNumber(display);
    for (;;) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect)
                return true;
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid)
            return false;
        const auto left = limit - Clock::now();
        if (left <= Clock::duration::zero())
            return false;
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        timeval pause{0, 20000};
        select(fd + 1, &readable, nullptr, nullptr, &pause);
    }
}

bool RunWindowOnce(Display* display, char** command, int settleMs, Sample& out) {
    XSync(display, True); // nothing left over from an earlier run
    const auto start = Clock::now();
    const pid_t pid = Start(command);
    if (pid < 0)
        return false;
    const bool mapped = WaitForMap(display, pid, start + std::chrono::seconds(60));
    out.wallMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (mapped) {
        std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
        out.peakKib = PeakOf(pid);
    }
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!mapped)
        std::fprintf(stderr, "scale_run: %s mapped no window\n", command[0]);
    return mapped;
}

template <class T> T Median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv) {
    int runs = 5;
    int settleMs = 1500;
    bool window = false;
    int at = 1;
    for (; at < argc && std::strcmp(argv[at], "--") != 0; ++at) {
        if (std::strcmp(argv[at], "--runs") == 0 && at + 1 < argc)
            runs = std::max(1, std::atoi(argv[++at]));
        else if (std::strcmp(argv[at], "--settle") == 0 && at + 1 < argc)
            settleMs = std::max(0, std::atoi(argv[++at]));
        else if (std::strcmp(argv[at], "--window") == 0)
            window = true;
        else
            break;
    }
    if (at + 1 >= argc || std::strcmp(argv[at], "--") != 0) {
        std::fprintf(stderr,
                     "usage: scale_run [--runs N] [--window] [--settle MS] -- COMMAND [ARGUMENTS...]\n");
        return 2;
    }
    char** command = argv + at + 1;
    Display* display = nullptr;
    if (window) {
        display = XOpenDisplay(nullptr);
        if (!display) {
            std::fprintf(stderr, "scale_run: no X display\n");
            return 2;
        }
        XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    }
    std::vector<double> wall, cpu;
    std::vector<long> peak;
    for (int i = 0; i < runs; ++i) {
        Sample s;
        if (!(window ? RunWindowOnce(display, command, settleMs, s) : RunOnce(command, s)))
            return 1;
        wall.push_back(s.wallMs);
        cpu.push_back(s.cpuMs);
        peak.push_back(s.peakKib);
    }
    std::printf("%.2f %.2f %ld\n", Median(wall), Median(cpu), Median(peak));
    if (display)
        XCloseDisplay(display);
    return 0;
}
