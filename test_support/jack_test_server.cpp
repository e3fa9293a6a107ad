#include "test_support/jack_test_server.h"

#include <fcntl.h>
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

#include "test_support/files.h"

namespace test_support {

namespace {

using Clock = std::chrono::steady_clock;

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
  return "fs1rtest" + std::to_string(::getpid()) + "_" + std::to_string(counter++);
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

std::string statusText(jack_status_t status) {
  static const struct {
    int bit;
    const char* name;
  } bits[] = {
      {JackFailure, "Failure"},
      {JackInvalidOption, "InvalidOption"},
      {JackNameNotUnique, "NameNotUnique"},
      {JackServerStarted, "ServerStarted"},
      {JackServerFailed, "ServerFailed"},
      {JackServerError, "ServerError"},
      {JackNoSuchClient, "NoSuchClient"},
      {JackLoadFailure, "LoadFailure"},
      {JackInitFailure, "InitFailure"},
      {JackShmFailure, "ShmFailure"},
      {JackVersionError, "VersionError"},
      {JackBackendError, "BackendError"},
      {JackClientZombie, "ClientZombie"},
  };
  std::string text;
  for (const auto& bit : bits)
    if ((status & bit.bit) != 0) text += (text.empty() ? "" : "|") + std::string(bit.name);
  return text.empty() ? "0" : text;
}

// How a process that waitpid reported on came to an end.
std::string endText(int status) {
  if (WIFSIGNALED(status)) return "was ended by signal " + std::to_string(WTERMSIG(status));
  return "exited with code " + std::to_string(WEXITSTATUS(status));
}

void silent(const char*) {}

}  // namespace

std::optional<std::string> JackTestServer::unavailableReason() {
  if (findJackd()) return std::nullopt;
  return "jackd is not installed (Debian package jackd2; scripts/install-deps installs it)";
}

JackTestServer::JackTestServer() : jackd_(findJackd().value_or("")) {
  if (jackd_.empty()) throw std::runtime_error(*unavailableReason());
  ::setenv("JACK_NO_AUDIO_RESERVATION", "1", 1);
  // JACK's own messages go to the test's output only through the log.
  jack_set_error_function(silent);
  jack_set_info_function(silent);
  std::string firstFailure;
  if (start(firstFailure)) return;
  std::string secondFailure;
  if (start(secondFailure)) return;
  throw std::runtime_error("no JACK test server came up.\nFirst try: " + firstFailure +
                           "\nSecond try: " + secondFailure);
}

JackTestServer::~JackTestServer() {
  stop();
}

bool JackTestServer::start(std::string& failure) {
  stop();
  name_ = uniqueName();
  removeStaleFiles(name_);
  ::setenv("JACK_DEFAULT_SERVER", name_.c_str(), 1);

  const std::string rate = std::to_string(kSampleRate);
  const std::string period = std::to_string(kPeriodFrames);
  // Synchronous mode: every cycle waits for all clients, so a busy machine
  // delays MIDI events instead of dropping them. A few dozen ports are plenty
  // and keep the server's shared memory small.
  std::vector<std::string> args{
      jackd_.string(), "-n", name_, "--no-realtime", "--sync", "-t", "5000",
      "--port-max",    "64", "-d",  "dummy",         "-r",     rate, "-p",
      period};
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  const std::string logFile = (folder_ / (name_ + ".log")).string();
  const pid_t parent = ::getpid();
  pid_ = ::fork();
  if (pid_ == 0) {
    // The server goes with the test process, also when a crash or a signal
    // ends it before the destructor runs.
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (::getppid() != parent) ::_exit(1);
    const int log = ::open(logFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ::dup2(log, STDOUT_FILENO);
    ::dup2(log, STDERR_FILENO);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  if (pid_ < 0) {
    failure = "cannot start jackd";
    return false;
  }
  anchor_ = tryOpen("fs1r_test_anchor", 10000, failure);
  return anchor_ != nullptr;
}

jack_client_t* JackTestServer::openClient(const std::string& clientName) {
  std::string failure;
  jack_client_t* client = tryOpen(clientName, 5000, failure);
  if (client == nullptr) throw std::runtime_error(failure);
  return client;
}

jack_client_t* JackTestServer::tryOpen(const std::string& clientName, int timeoutMs,
                                       std::string& failure) {
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  jack_status_t status{};
  while (running()) {
    jack_client_t* client = jack_client_open(clientName.c_str(), JackNoStartServer, &status);
    if (client != nullptr) return client;
    if (Clock::now() > deadline) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  const std::string state = running() ? "is still running" : endText(exitStatus_);
  failure = "the JACK server " + name_ + " did not take the client \"" + clientName +
            "\" (status " + statusText(status) + "); jackd " + state + " and printed:\n" + log();
  return nullptr;
}

bool JackTestServer::running() {
  if (pid_ <= 0) return false;
  int status = 0;
  if (::waitpid(pid_, &status, WNOHANG) == 0) return true;
  exitStatus_ = status;
  pid_ = -1;
  return false;
}

std::string JackTestServer::log() const {
  const auto file = folder_ / (name_ + ".log");
  return std::filesystem::exists(file) ? readText(file) : std::string();
}

void JackTestServer::stop() {
  if (anchor_ != nullptr) jack_client_close(anchor_);
  anchor_ = nullptr;
  if (pid_ > 0) {
    ::kill(pid_, SIGTERM);
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    int status = 0;
    while (::waitpid(pid_, &status, WNOHANG) == 0) {
      if (Clock::now() > deadline) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, &status, 0);
        break;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    pid_ = -1;
  }
  if (!name_.empty()) removeStaleFiles(name_);
}

}  // namespace test_support
