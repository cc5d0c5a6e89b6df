// Starts a program as a user meets it and reports when its window appeared and what memory it
// took: the milliseconds from the fork to the first MapNotify of a top-level window on the X
// display (with no window manager the server maps it at once and tells the root's listeners),
// then the program's peak resident memory (VmHWM) one second later, so that its first paint is
// in, and the resident memory split into heap and mapped files at that moment. Ends the program
// afterwards. Usage: startup_launch PROGRAM [ARGUMENT...]
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// Lines of /proc/PID/status that tell the memory apart.
void PrintResidentMemory(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0 || line.rfind("RssAnon:", 0) == 0 ||
        line.rfind("RssFile:", 0) == 0) {
      std::printf("%s\n", line.c_str());
    }
  }
}

// Waits for the first top-level window to be mapped; false when the display went away.
bool WaitForFirstMap(xcb_connection_t* connection) {
  while (const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event{
      xcb_wait_for_event(connection), &std::free}) {
    if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY) continue;
    const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
    if (!map->override_redirect) return true;  // menus and tooltips bypass the window manager
  }
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: startup_launch PROGRAM [ARGUMENT...]\n");
    return 2;
  }
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection)) {
    std::fprintf(stderr, "startup_launch: no X display\n");
    return 1;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  // Checked, so that the server listens before the program starts.
  if (xcb_generic_error_t* error = xcb_request_check(
          connection,
          xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &mask))) {
    std::free(error);
    std::fprintf(stderr, "startup_launch: cannot watch the root window\n");
    return 1;
  }
  const Clock::time_point start = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    execv(argv[1], argv + 1);
    _exit(127);
  }
  const bool mapped = WaitForFirstMap(connection);
  const std::chrono::duration<double, std::milli> elapsed = Clock::now() - start;
  if (mapped) {
    std::printf("mapped_ms %.1f\n", elapsed.count());
    std::this_thread::sleep_for(std::chrono::seconds(1));
    PrintResidentMemory(pid);
  }
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  xcb_disconnect(connection);
  return mapped ? 0 : 1;
}
