/* map_wait COMMAND [ARGS...]: starts COMMAND and prints the milliseconds from
 * just before it starts to the X server's MapNotify of its first top-level
 * window, then ends it (SIGTERM, SIGKILL after 5 s). Exit status 1 when the
 * command ends, or 30 s pass, before a window maps. One program on the display
 * at a time: a window that carries another process's _NET_WM_PID is passed
 * over, one without the property counts. */
#define _POSIX_C_SOURCE 200809L
#include <xcb/xcb.h>

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

static xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, (uint16_t)strlen(name), name), NULL);
    xcb_atom_t a = r ? r->atom : XCB_ATOM_NONE;
    free(r);
    return a;
}

/* The window's _NET_WM_PID, or -1 when it has none. */
static long window_pid(xcb_connection_t* c, xcb_window_t w, xcb_atom_t pid_atom)
{
    xcb_get_property_reply_t* r =
        xcb_get_property_reply(c, xcb_get_property(c, 0, w, pid_atom, XCB_ATOM_CARDINAL, 0, 1), NULL);
    long pid = -1;
    if (r && xcb_get_property_value_length(r) == 4)
        pid = *(const uint32_t*)xcb_get_property_value(r);
    free(r);
    return pid;
}

static void end_child(pid_t child)
{
    kill(child, SIGTERM);
    for (int i = 0; i < 500; ++i) {
        if (waitpid(child, NULL, WNOHANG) == child)
            return;
        nanosleep(&(struct timespec){0, 10000000}, NULL);
    }
    kill(child, SIGKILL);
    waitpid(child, NULL, 0);
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: map_wait COMMAND [ARGS...]\n");
        return 2;
    }
    xcb_connection_t* c = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(c)) {
        fprintf(stderr, "map_wait: cannot open the display\n");
        return 2;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_void_cookie_t sel = xcb_change_window_attributes_checked(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    free(xcb_request_check(c, sel));
    const xcb_atom_t pid_atom = atom(c, "_NET_WM_PID");

    const double start = now_ms();
    const pid_t child = fork();
    if (child < 0) {
        perror("map_wait: fork");
        return 2;
    }
    if (child == 0) {
        close(xcb_get_file_descriptor(c));
        /* The command's output goes with its errors, leaving ours to the figure. */
        dup2(STDERR_FILENO, STDOUT_FILENO);
        execvp(argv[1], argv + 1);
        perror("map_wait: exec");
        _exit(127);
    }

    struct pollfd fd = {xcb_get_file_descriptor(c), POLLIN, 0};
    for (;;) {
        xcb_generic_event_t* event;
        while ((event = xcb_poll_for_event(c)) != NULL) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const xcb_map_notify_event_t* map = (const xcb_map_notify_event_t*)event;
                const double shown = now_ms();
                const long pid = map->override_redirect ? 0 : window_pid(c, map->window, pid_atom);
                if (pid == -1 || pid == child) {
                    printf("%.1f\n", shown - start);
                    fflush(stdout);
                    free(event);
                    end_child(child);
                    xcb_disconnect(c);
                    return 0;
                }
            }
            free(event);
        }
        if (xcb_connection_has_error(c)) {
            fprintf(stderr, "map_wait: the display connection broke\n");
            end_child(child);
            return 1;
        }
        if (waitpid(child, NULL, WNOHANG) == child) {
            fprintf(stderr, "map_wait: %s ended before a window mapped\n", argv[1]);
            return 1;
        }
        if (now_ms() - start > 30000) {
            fprintf(stderr, "map_wait: no window mapped within 30 s\n");
            end_child(child);
            return 1;
        }
        poll(&fd, 1, 20);
    }
}
