// A stand-in for Speech Dispatcher, for the tests and the benchmark of the
// game's voice on Linux: it listens on a UNIX socket (the path that
// SPEECHD_ADDRESS names as unix_socket:PATH), answers the SSIP protocol as far
// as libspeechd needs it, and writes each text it is sent to a record, one a
// line, with the moment it arrived:
//   <CLOCK_MONOTONIC nanoseconds> SPEAK <text>
//   <CLOCK_MONOTONIC nanoseconds> CANCEL
//   tarnwick_speech_standin SOCKET RECORD [answer | close-after N | hang-after N]
// close-after N: once N texts have come, it closes every socket and ends, as a
// service that dies. hang-after N: once N texts have come, it reads and
// answers nothing more, as a service that hangs. It ends by itself after an
// hour, and on SIGTERM.
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cctype>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

namespace {

struct Client {
  int fd;
  std::string pending;  // bytes read, not yet a whole line
  bool receivingText = false;
  std::string text;
};

enum class Mode { Answer, CloseAfter, HangAfter };

FILE* record = nullptr;
int textsSeen = 0;
int nextMessageId = 1;

long long Now() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1000000000LL + t.tv_nsec;
}

void Send(const Client& client, const std::string& reply) {
  (void)!send(client.fd, reply.data(), reply.size(), MSG_NOSIGNAL);
}

// One line of SSIP (without its CR LF) from the client.
void Take(Client& client, const std::string& line) {
  if (client.receivingText) {
    if (line == ".") {
      client.receivingText = false;
      std::fprintf(record, "%lld SPEAK %s\n", Now(), client.text.c_str());
      std::fflush(record);
      ++textsSeen;
      Send(client, "225-" + std::to_string(nextMessageId++) + "\r\n225 OK MESSAGE QUEUED\r\n");
      return;
    }
    // Lines of the text are joined by spaces; a leading dot is doubled on the wire.
    if (!client.text.empty()) client.text += ' ';
    client.text += line.compare(0, 2, "..") == 0 ? line.substr(1) : line;
    return;
  }
  std::string word = line.substr(0, line.find(' '));
  for (char& c : word) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (word == "SPEAK") {
    client.receivingText = true;
    client.text.clear();
    Send(client, "230 OK RECEIVING DATA\r\n");
  } else if (word == "CANCEL" || word == "STOP") {
    std::fprintf(record, "%lld CANCEL\n", Now());
    std::fflush(record);
    Send(client, "210 OK CANCELED\r\n");
  } else if (word == "QUIT") {
    Send(client, "231 HAPPY HACKING\r\n");
  } else if (word == "SET") {
    Send(client, "208 OK SET\r\n");
  } else {
    Send(client, "200 OK\r\n");
  }
}

void Accept(int listener, std::vector<Client>& clients) {
  Client client;
  client.fd = accept(listener, nullptr, nullptr);
  if (client.fd >= 0) clients.push_back(std::move(client));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 5) {
    std::fprintf(stderr, "usage: %s SOCKET RECORD [answer | close-after N | hang-after N]\n", argv[0]);
    return 2;
  }
  Mode mode = Mode::Answer;
  int limit = 0;
  if (argc == 5) {
    const std::string name = argv[3];
    mode = name == "close-after" ? Mode::CloseAfter : name == "hang-after" ? Mode::HangAfter : Mode::Answer;
    limit = std::atoi(argv[4]);
  }
  record = std::fopen(argv[2], "a");
  if (!record) {
    std::perror(argv[2]);
    return 1;
  }
  const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::snprintf(address.sun_path, sizeof address.sun_path, "%s", argv[1]);
  unlink(argv[1]);
  if (bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(listener, 8) != 0) {
    std::perror(argv[1]);
    return 1;
  }
  alarm(3600);
  std::vector<Client> clients;
  for (;;) {
    const bool hung = mode == Mode::HangAfter && textsSeen >= limit;
    if (mode == Mode::CloseAfter && textsSeen >= limit) {
      for (const Client& client : clients) close(client.fd);
      close(listener);
      unlink(argv[1]);
      return 0;
    }
    std::vector<pollfd> watched{{listener, POLLIN, 0}};
    if (!hung)
      for (const Client& client : clients) watched.push_back({client.fd, POLLIN, 0});
    if (poll(watched.data(), watched.size(), -1) < 0) continue;
    // A hung service still lets clients connect (the system's queue of the
    // socket does that), but never answers them.
    if (hung) {
      if (watched[0].revents) Accept(listener, clients);
      continue;
    }
    for (size_t i = clients.size(); i-- > 0;) {
      if (!watched[i + 1].revents) continue;
      char bytes[4096];
      const ssize_t got = read(clients[i].fd, bytes, sizeof bytes);
      if (got <= 0) {
        close(clients[i].fd);
        clients.erase(clients.begin() + i);
        continue;
      }
      clients[i].pending.append(bytes, got);
      size_t end;
      while ((end = clients[i].pending.find("\r\n")) != std::string::npos) {
        const std::string line = clients[i].pending.substr(0, end);
        clients[i].pending.erase(0, end + 2);
        Take(clients[i], line);
        if (mode == Mode::HangAfter && textsSeen >= limit) break;
      }
    }
    if (watched[0].revents) Accept(listener, clients);
  }
}
