// Starts a program and reports how long it takes until its first top-level window is
// mapped on the X display; then, after a settling time, the memory held by the program
// and every process it started (the HTML engine's helpers). The display must have no
// window manager, so that the program's own window is what maps.
//
//   first_window [--settle SECONDS] -- PROGRAM [ARGUMENT ...]
//
// Prints "map_ms=<milliseconds>" and, with --settle, one "process=" line per process and
// "rss_kib=<sum> pss_kib=<sum> processes=<count>". Pss shares each shared page among the
// processes that map it, so its sum does not count a library twice.
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kMapTimeoutMs = 60000;

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1e6;
}

// Waits for the first MapNotify under the root; false when none came in time.
bool waitForMap(xcb_connection_t* connection)
{
    pollfd fd{xcb_get_file_descriptor(connection), POLLIN, 0};
    const double deadline = nowMs() + kMapTimeoutMs;
    while (nowMs() < deadline) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            const bool mapped = (event->response_type & ~0x80) == XCB_MAP_NOTIFY;
            std::free(event);
            if (mapped)
                return true;
        }
        if (xcb_connection_has_error(connection))
            return false;
        poll(&fd, 1, 50);
    }
    return false;
}

std::map<int, int> parentsOfAllProcesses()
{
    std::map<int, int> parents;
    DIR* proc = opendir("/proc");
    if (!proc)
        return parents;
    while (dirent* entry = readdir(proc)) {
        const int pid = std::atoi(entry->d_name);
        if (pid <= 0)
            continue;
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string line;
        std::getline(stat, line);
        // pid (name) state ppid ...: the name may hold spaces, so read after the last ')'.
        const auto close = line.rfind(')');
        if (close == std::string::npos)
            continue;
        std::istringstream rest(line.substr(close + 2));
        char state = 0;
        int ppid = 0;
        rest >> state >> ppid;
        parents[pid] = ppid;
    }
    closedir(proc);
    return parents;
}

std::set<int> processTree(int root)
{
    const std::map<int, int> parents = parentsOfAllProcesses();
    std::set<int> tree{root};
    for (bool grew = true; grew;) {
        grew = false;
        for (const auto& [pid, ppid] : parents) {
            if (tree.count(ppid) && !tree.count(pid)) {
                tree.insert(pid);
                grew = true;
            }
        }
    }
    return tree;
}

// The value in kB of a "Name:   123 kB" line of a /proc file; 0 when missing.
long field(const std::string& file, const std::string& name)
{
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        if (line.compare(0, name.size(), name) == 0 && line.size() > name.size() && line[name.size()] == ':')
            return std::atol(line.c_str() + name.size() + 1);
    }
    return 0;
}

std::string processName(int pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    std::getline(in, name);
    return name;
}

void reportMemory(int root)
{
    long rss = 0, pss = 0;
    const std::set<int> tree = processTree(root);
    for (int pid : tree) {
        const std::string base = "/proc/" + std::to_string(pid);
        const long processRss = field(base + "/status", "VmRSS");
        const long processPss = field(base + "/smaps_rollup", "Pss");
        std::printf("process=%d name=%s rss_kib=%ld pss_kib=%ld\n", pid, processName(pid).c_str(), processRss,
                    processPss);
        rss += processRss;
        pss += processPss;
    }
    std::printf("rss_kib=%ld pss_kib=%ld processes=%zu\n", rss, pss, tree.size());
}

void stop(int pid)
{
    kill(-pid, SIGTERM);
    for (int i = 0; i < 50; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        usleep(100000);
    }
    kill(-pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

} // namespace

int main(int argc, char** argv)
{
    double settleSeconds = 0;
    int first = 1;
    for (; first < argc && std::strcmp(argv[first], "--") != 0; ++first) {
        if (std::strcmp(argv[first], "--settle") == 0 && first + 1 < argc)
            settleSeconds = std::atof(argv[++first]);
    }
    if (first + 1 >= argc) {
        std::fprintf(stderr, "usage: first_window [--settle SECONDS] -- PROGRAM [ARGUMENT ...]\n");
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "first_window: no X display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const double start = nowMs();
    const int pid = fork();
    if (pid == 0) {
        setpgid(0, 0);
        execvp(argv[first + 1], argv + first + 1);
        std::perror("first_window: exec");
        _exit(127);
    }
    setpgid(pid, pid);
    const bool mapped = waitForMap(connection);
    const double elapsed = nowMs() - start;
    if (!mapped) {
        std::fprintf(stderr, "first_window: no window was mapped\n");
        stop(pid);
        return 1;
    }
    std::printf("map_ms=%.1f\n", elapsed);
    std::fflush(stdout);
    if (settleSeconds > 0) {
        usleep(useconds_t(settleSeconds * 1e6));
        reportMemory(pid);
    }
    stop(pid);
    xcb_disconnect(connection);
    return 0;
}
