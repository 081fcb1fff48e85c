// Whether a screen reader runs on a Linux desktop: the accessibility bus's
// launcher (org.a11y.Bus on the session bus) keeps ScreenReaderEnabled, which
// Orca sets while it runs. Asked once at start-up, through libdbus: a small C
// library that every desktop has (Orca's bus runs on it), with plain blocking
// calls and no main loop or thread of its own to leave behind.
#if !defined(_WIN32) && !defined(__EMSCRIPTEN__)
#include <dbus/dbus.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <future>
#include <memory>
#include <string>
#include <thread>

#include "platform/SystemSpeech.h"

namespace {

// Start-up waits no longer than this for a bus that does not answer.
constexpr int AnswerWaitMs = 500;

// The session bus's address; empty when there is none. Without an address
// libdbus would start a bus of its own for the X display, which would outlive
// the game: only a bus that is there already is asked.
std::string SessionBusAddress() {
  if (const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS"); address && *address) return address;
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (!runtime || !*runtime) return {};
  const std::string socket = std::string(runtime) + "/bus";
  struct stat status {};
  if (stat(socket.c_str(), &status) != 0 || !S_ISSOCK(status.st_mode)) return {};
  return "unix:path=" + socket;
}

bool AskScreenReaderEnabled(DBusConnection* bus) {
  DBusMessage* question = dbus_message_new_method_call("org.a11y.Bus", "/org/a11y/bus",
                                                       "org.freedesktop.DBus.Properties", "Get");
  if (!question) return false;
  const char* interface = "org.a11y.Status";
  const char* property = "ScreenReaderEnabled";
  dbus_message_append_args(question, DBUS_TYPE_STRING, &interface, DBUS_TYPE_STRING, &property, DBUS_TYPE_INVALID);
  // Where the accessibility bus is not running, no screen reader is: it is
  // not started for the question.
  dbus_message_set_auto_start(question, FALSE);
  DBusMessage* answer = dbus_connection_send_with_reply_and_block(bus, question, AnswerWaitMs, nullptr);
  dbus_message_unref(question);
  if (!answer) return false;
  dbus_bool_t enabled = FALSE;
  DBusMessageIter iter, variant;
  if (dbus_message_iter_init(answer, &iter) && dbus_message_iter_get_arg_type(&iter) == DBUS_TYPE_VARIANT) {
    dbus_message_iter_recurse(&iter, &variant);
    if (dbus_message_iter_get_arg_type(&variant) == DBUS_TYPE_BOOLEAN) dbus_message_iter_get_basic(&variant, &enabled);
  }
  dbus_message_unref(answer);
  return enabled;
}

bool AskTheBus(const std::string& address) {
  DBusConnection* bus = dbus_connection_open_private(address.c_str(), nullptr);
  if (!bus) return false;
  const bool enabled = dbus_bus_register(bus, nullptr) && AskScreenReaderEnabled(bus);
  dbus_connection_close(bus);
  dbus_connection_unref(bus);
  return enabled;
}

}  // namespace

bool SystemScreenReaderRunning() {
  const std::string address = SessionBusAddress();
  if (address.empty()) return false;
  // A bus that takes the connection and then never answers holds libdbus
  // past its own timeouts (while it authenticates): the question goes on a
  // thread, which is left to the process's end if it gets no answer in time.
  auto answer = std::make_shared<std::promise<bool>>();
  std::future<bool> enabled = answer->get_future();
  std::thread([answer, address] { answer->set_value(AskTheBus(address)); }).detach();
  if (enabled.wait_for(std::chrono::milliseconds(AnswerWaitMs)) != std::future_status::ready) return false;
  return enabled.get();
}
#endif
