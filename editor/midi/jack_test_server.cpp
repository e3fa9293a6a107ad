#include "editor/midi/jack_test_server.h"

#include <fcntl.h>
#include <jack/jack.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <thread>
#include <vector>

namespace fseq {

namespace {

std::optional<std::filesystem::path> findJackd() {
  const char* path = std::getenv("PATH");
  std::string folders = path != nullptr ? path : "/usr/bin:/bin";
  std::size_t start = 0;
  while (start <= folders.size()) {
    const std::size_t end = std::min(folders.find(':', start), folders.size());
    const std::filesystem::path candidate =
        std::filesystem::path(folders.substr(start, end - start)) / "jackd";
    if (::access(candidate.c_str(), X_OK) == 0) return candidate;
    start = end + 1;
  }
  return std::nullopt;
}

std::string uniqueName() {
  static std::atomic<int> counter{0};
  return "fseqtest" + std::to_string(::getpid()) + "_" + std::to_string(counter++);
}

// A killed server leaves its shared-memory files behind; a new server of the
// same name would trip over them.
void removeStaleFiles(const std::string& name) {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/dev/shm", error)) {
    const std::string file = entry.path().filename().string();
    if (file.starts_with("jack_" + name + "_") ||
        (file.starts_with("jack_sem.") && file.find("_" + name + "_") != std::string::npos))
      std::filesystem::remove(entry.path(), error);
  }
}

bool serverAnswers() {
  jack_status_t status{};
  jack_client_t* client = jack_client_open("fseq_probe", JackNoStartServer, &status);
  if (client == nullptr) return false;
  jack_client_close(client);
  return true;
}

void silent(const char*) {}

}  // namespace

std::optional<std::string> JackTestServer::unavailableReason() {
  if (findJackd()) return std::nullopt;
  return "jackd is not installed (Debian package jackd2; scripts/install-deps installs it)";
}

JackTestServer::JackTestServer() : name_(uniqueName()) {
  const auto jackd = findJackd();
  if (!jackd) throw std::runtime_error(*unavailableReason());
  removeStaleFiles(name_);
  ::setenv("JACK_DEFAULT_SERVER", name_.c_str(), 1);
  ::setenv("JACK_NO_AUDIO_RESERVATION", "1", 1);
  // The server's messages and the probe's failed attempts would only be noise.
  jack_set_error_function(silent);
  jack_set_info_function(silent);

  const std::string rate = std::to_string(kSampleRate);
  const std::string period = std::to_string(kPeriodFrames);
  // Synchronous mode: every cycle waits for all clients, so a busy machine
  // delays MIDI events instead of dropping them.
  std::vector<std::string> args{jackd->string(), "-n", name_,  "--no-realtime",
                                "--sync",        "-t", "5000", "-d",
                                "dummy",         "-r", rate,   "-p",
                                period};
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  const pid_t parent = ::getpid();
  pid_ = ::fork();
  if (pid_ == 0) {
    // The server goes with the test process, also when a crash or a signal
    // ends it before the destructor runs.
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (::getppid() != parent) ::_exit(1);
    const int devNull = ::open("/dev/null", O_WRONLY);
    ::dup2(devNull, STDOUT_FILENO);
    ::dup2(devNull, STDERR_FILENO);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  const bool spawned = pid_ > 0;
  if (!spawned) throw std::runtime_error("cannot start jackd");

  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!serverAnswers()) {
    if (std::chrono::steady_clock::now() > deadline) {
      stop();
      throw std::runtime_error("the JACK server " + name_ + " did not start within 10 s");
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

JackTestServer::~JackTestServer() {
  stop();
}

void JackTestServer::stop() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGTERM);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  int status = 0;
  while (::waitpid(pid_, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, &status, 0);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  pid_ = -1;
  removeStaleFiles(name_);
}

}  // namespace fseq
