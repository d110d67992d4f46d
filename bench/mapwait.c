/*
 * mapwait: start a program and measure how long it takes until a top-level
 * window with a given WM_NAME is mapped, then report its resident memory.
 *
 * Usage: mapwait TITLE TIMEOUT_SECONDS PROGRAM [ARGS...]
 * Prints one line on stdout: "<ms> <VmRSS kB> <VmHWM kB>".
 * The program's own stdout/stderr go to mapwait's stderr.
 *
 * The root window is watched (SubstructureNotifyMask) before the program is
 * started, so the map event arrives without any polling delay. The clock
 * starts right before fork(). Memory is read 300 ms after the map.
 */
#define _GNU_SOURCE
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

static int ignore_x_error(Display *d, XErrorEvent *e)
{
    (void)d;
    (void)e;
    return 0; /* windows may vanish while we look at them */
}

static int has_title(Display *d, Window w, const char *title)
{
    Atom type;
    int format;
    unsigned long n, after;
    unsigned char *data = NULL;
    int match = 0;

    if (XGetWindowProperty(d, w, XA_WM_NAME, 0, 1024, False, AnyPropertyType,
                           &type, &format, &n, &after, &data) == Success && data) {
        match = format == 8 && n == strlen(title) && memcmp(data, title, n) == 0;
        XFree(data);
    }
    return match;
}

static long status_kib(pid_t pid, const char *key)
{
    char path[64], line[256];
    size_t len = strlen(key);
    long value = -1;
    FILE *f;

    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    if (!(f = fopen(path, "r")))
        return -1;
    while (fgets(line, sizeof line, f))
        if (strncmp(line, key, len) == 0 && line[len] == ':') {
            value = strtol(line + len + 1, NULL, 10);
            break;
        }
    fclose(f);
    return value;
}

static void stop(pid_t pid)
{
    kill(pid, SIGTERM);
    for (int i = 0; i < 300; i++) {
        if (waitpid(pid, NULL, WNOHANG) == pid)
            return;
        usleep(10000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, NULL, 0);
}

static void fail(pid_t pid, const char *msg)
{
    fprintf(stderr, "mapwait: %s\n", msg);
    if (pid > 0) {
        kill(pid, SIGKILL);
        waitpid(pid, NULL, 0);
    }
    exit(1);
}

int main(int argc, char **argv)
{
    if (argc < 4) {
        fprintf(stderr, "usage: mapwait TITLE TIMEOUT_SECONDS PROGRAM [ARGS...]\n");
        return 2;
    }
    const char *title = argv[1];
    double deadline_ms = atof(argv[2]) * 1e3;

    Display *d = XOpenDisplay(NULL);
    if (!d)
        fail(0, "cannot open display");
    XSetErrorHandler(ignore_x_error);
    Window root = DefaultRootWindow(d);
    XSelectInput(d, root, SubstructureNotifyMask);
    XSync(d, False);
    int xfd = ConnectionNumber(d);

    double t0 = now_ms();
    pid_t pid = fork();
    if (pid < 0)
        fail(0, "fork failed");
    if (pid == 0) {
        fcntl(xfd, F_SETFD, FD_CLOEXEC);
        dup2(STDERR_FILENO, STDOUT_FILENO);
        execvp(argv[3], argv + 3);
        fprintf(stderr, "mapwait: cannot run %s: %s\n", argv[3], strerror(errno));
        _exit(127);
    }
    deadline_ms += t0;

    double t1 = -1;
    while (t1 < 0) {
        while (t1 < 0 && XPending(d)) {
            XEvent ev;
            XNextEvent(d, &ev);
            if (ev.type == MapNotify && ev.xmap.event == root) {
                Window w = ev.xmap.window;
                /* the title may still be on its way: watch it too */
                XSelectInput(d, w, PropertyChangeMask);
                if (has_title(d, w, title))
                    t1 = now_ms();
            } else if (ev.type == PropertyNotify && ev.xproperty.atom == XA_WM_NAME
                       && ev.xproperty.state == PropertyNewValue) {
                XWindowAttributes a;
                if (XGetWindowAttributes(d, ev.xproperty.window, &a)
                    && a.map_state != IsUnmapped
                    && has_title(d, ev.xproperty.window, title))
                    t1 = now_ms();
            }
        }
        if (t1 >= 0)
            break;
        if (waitpid(pid, NULL, WNOHANG) == pid)
            fail(0, "program exited before its window was mapped");
        double left = deadline_ms - now_ms();
        if (left <= 0)
            fail(pid, "timed out waiting for the window");
        struct pollfd p = { .fd = xfd, .events = POLLIN };
        poll(&p, 1, left < 100 ? (int)left + 1 : 100);
    }

    usleep(300000);
    long rss = status_kib(pid, "VmRSS");
    long hwm = status_kib(pid, "VmHWM");
    if (rss < 0 || hwm < 0)
        fail(pid, "cannot read /proc/PID/status");
    printf("%.2f %ld %ld\n", t1 - t0, rss, hwm);
    fflush(stdout);

    stop(pid);
    XCloseDisplay(d);
    return 0;
}
